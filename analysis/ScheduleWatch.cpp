#include "analysis/ScheduleWatch.h"

#include "analysis/ReadingTime.h"

#include <algorithm>
#include <cmath>

namespace analysis {

QString ScheduleWatch::span(qint64 seconds) {
    const qint64 minutes = std::max<qint64>(0, seconds / 60);
    if (minutes < 60)
        return QStringLiteral("%1分").arg(minutes);
    return QStringLiteral("%1小时%2分").arg(minutes / 60).arg(minutes % 60);
}

QDateTime ScheduleWatch::due(const QDateTime& last, double intervalHours) {
    return last.addSecs(std::llround(intervalHours * 3600.0));
}

QString ScheduleWatch::text(const QDateTime& lastUpload, double intervalHours,
                            const QDateTime& now) {
    if (!lastUpload.isValid())
        return QStringLiteral("尚无上传数据");
    const QDateTime next = due(lastUpload, intervalHours);
    const qint64 left = now.secsTo(next);
    // A minute only begun still counts as one to come, so the watch never shows 59 for 60.
    const QString state = left >= 0 ? QStringLiteral("（还有") + span(left + 59) + QStringLiteral("）")
                                     : QStringLiteral("（已超时") + span(-left) + QStringLiteral("）");
    return QStringLiteral("距上次上传：") + span(lastUpload.secsTo(now)) +
           QStringLiteral("　下次测温：") + ReadingTime::shortText(next) + state;
}

} // namespace analysis
