#include "analysis/UploadGap.h"

namespace analysis {

QVector<UploadGap> UploadGap::find(const QVector<QDateTime>& uploads, const QDateTime& placedAt,
                                   const QDateTime& monitoringEndsAt, const QDateTime& now,
                                   double intervalHours) {
    QVector<UploadGap> gaps;
    if (uploads.isEmpty() && !placedAt.isValid())
        return gaps;
    const QDateTime start = placedAt.isValid() ? placedAt : uploads.first();
    const bool open = !monitoringEndsAt.isValid();
    const QDateTime end = open ? now : monitoringEndsAt;
    const auto limitSeconds = static_cast<qint64>(intervalHours * 3600.0);
    QDateTime previous = start;
    const auto check = [&](const QDateTime& next, bool ongoing) {
        if (previous.secsTo(next) > limitSeconds)
            gaps.append({previous, next, ongoing});
        previous = next;
    };
    for (const QDateTime& t : uploads)
        if (t > start && t <= end)
            check(t, false);
    if (end > previous)
        check(end, open);
    return gaps;
}

} // namespace analysis
