#pragma once

#include "analysis/PourSummary.h"
#include "reports/ExportResult.h"
#include "store/StoreResult.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace analysis {

struct AnalysisInputs;

// The workbook "项目汇总": one row per pour of the project, with its dates, its stations,
// its largest figures, its warnings and breaches and its verdict.
namespace ProjectSummary {

inline const QString BookName = QStringLiteral("项目汇总");
// Where the table starts.
inline constexpr int HeaderRow = 4;

// Every pour of `settings` analysed in turn from its own readings; `now` as for one pour.
[[nodiscard]] StoreResult collect(const QString& dbPath, const AnalysisInputs& settings,
                                  const QDateTime& now, QVector<PourSummary>& out);

// NoData when there is no pour; nothing is written then.
[[nodiscard]] ExportResult write(const QString& path, const QVector<PourSummary>& pours,
                                 const QDateTime& madeAt);

} // namespace ProjectSummary

} // namespace analysis
