#pragma once

#include "analysis/Pour.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace analysis {

// The status bar's watch over the measuring rounds of a project: of the pours still under
// monitoring, the one whose next round is due first. Every pour shares the recorder's
// uploads; one counts for a pour from its placing on.
namespace PourWatch {

// "浇筑“一期底板”　距上次上传：…　下次测温：…"; "没有监测中的浇筑" once every pour's
// monitoring has ended. Without pours, the watch of the uploads alone at the usual
// interval. All times are wall-clock times.
[[nodiscard]] QString text(const QVector<Pour>& pours, const QDateTime& lastUpload,
                           const QDateTime& now);
// The pour under monitoring whose next round is due first; null when there is none.
[[nodiscard]] const Pour* dueFirst(const QVector<Pour>& pours, const QDateTime& lastUpload,
                                   const QDateTime& now);

} // namespace PourWatch

} // namespace analysis
