#pragma once

#include <QDateTime>
#include <QVector>

namespace analysis {

// A stretch between placing and the end of monitoring without an upload for longer than
// the measuring interval.
struct UploadGap {
    QDateTime from;
    QDateTime to;
    // The gap runs up to now: monitoring goes on and the next round is overdue.
    bool ongoing = false;

    [[nodiscard]] double hours() const { return from.secsTo(to) / 3600.0; }

    // The watched stretch starts at placing (the first upload when not entered) and ends
    // at the end of monitoring (now while it goes on). Uploads outside it are not counted.
    [[nodiscard]] static QVector<UploadGap> find(const QVector<QDateTime>& uploads,
                                                 const QDateTime& placedAt,
                                                 const QDateTime& monitoringEndsAt,
                                                 const QDateTime& now, double intervalHours);
};

} // namespace analysis
