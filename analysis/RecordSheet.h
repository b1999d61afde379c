#pragma once

#include "reports/ExportResult.h"

#include <QDateTime>
#include <QString>

namespace analysis {

struct AnalysisResult;

// The record an inspector asks for, as the workbook "测温记录表": a summary sheet headed
// by the pour's data with, per station, the largest figures, the counts of warnings and
// breaches, the verdict and the strength by maturity; then one sheet per station with the
// slots' temperatures, the figures, maturity and estimated strength of every upload as
// numbers, and a chart of the temperatures.
namespace RecordSheet {

inline const QString BookName = QStringLiteral("测温记录表");
inline const QString SummaryName = QStringLiteral("汇总");
// Where the header ends and the summary table starts, on the summary sheet.
inline constexpr int SummaryHeaderRow = 14;
// Where the table of every upload starts, on a station sheet.
inline constexpr int StationHeaderRow = 5;

// NoData when there is no station or no upload; nothing is written then.
[[nodiscard]] ExportResult write(const QString& path, const AnalysisResult& result,
                                 const QDateTime& madeAt);

} // namespace RecordSheet

} // namespace analysis
