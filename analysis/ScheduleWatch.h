#pragma once

#include <QDateTime>
#include <QString>

namespace analysis {

// The status bar's watch over the measuring rounds: how long ago the last upload was
// saved and when the next round is due.
namespace ScheduleWatch {

// "距上次上传：5小时12分　下次测温：05-01 20:00（还有48分）", or "…（已超时1小时3分）"
// once it is due; "尚无上传数据" without uploads. All times are wall-clock times.
[[nodiscard]] QString text(const QDateTime& lastUpload, double intervalHours,
                           const QDateTime& now);

// When the round after one at `last` is due.
[[nodiscard]] QDateTime due(const QDateTime& last, double intervalHours);

// A span in hours and minutes, "5小时12分" or "48分".
[[nodiscard]] QString span(qint64 seconds);

} // namespace ScheduleWatch

} // namespace analysis
