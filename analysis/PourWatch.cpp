#include "analysis/PourWatch.h"

#include "analysis/ScheduleWatch.h"

namespace analysis {

namespace {

struct Round {
    const Pour* pour = nullptr;
    QDateTime last;
    // Invalid for a pour that has neither an upload nor a placing time to count from.
    QDateTime due;

    [[nodiscard]] bool before(const Round& other) const {
        return due.isValid() && (!other.due.isValid() || due < other.due);
    }
};

Round roundOf(const Pour& pour, const QDateTime& lastUpload) {
    const PourSettings& p = pour.settings;
    Round round{&pour, lastUpload.isValid() && p.placedBy(lastUpload) ? lastUpload : QDateTime(), {}};
    const QDateTime from = round.last.isValid() ? round.last : p.placedAt;
    if (from.isValid())
        round.due = ScheduleWatch::due(from, p.intervalHours);
    return round;
}

Round firstRound(const QVector<Pour>& pours, const QDateTime& lastUpload, const QDateTime& now) {
    Round first;
    for (const Pour& pour : pours) {
        if (!pour.settings.monitoredAt(now))
            continue;
        const Round round = roundOf(pour, lastUpload);
        if (!first.pour || round.before(first))
            first = round;
    }
    return first;
}

} // namespace

const Pour* PourWatch::dueFirst(const QVector<Pour>& pours, const QDateTime& lastUpload,
                                const QDateTime& now) {
    return firstRound(pours, lastUpload, now).pour;
}

QString PourWatch::text(const QVector<Pour>& pours, const QDateTime& lastUpload,
                        const QDateTime& now) {
    if (pours.isEmpty())
        return ScheduleWatch::text(lastUpload, PourSettings().intervalHours, now);
    const Round first = firstRound(pours, lastUpload, now);
    if (!first.pour)
        return QStringLiteral("没有监测中的浇筑");
    return QStringLiteral("浇筑“%1”　").arg(first.pour->title()) +
           ScheduleWatch::text(first.last, first.pour->settings.intervalHours, now);
}

} // namespace analysis
