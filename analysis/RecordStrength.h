#pragma once

class XlsxSheet;

namespace analysis {

struct AnalysisResult;

// The strength columns of the record sheet: the mix under the summary's header, each
// station's latest weakest estimate and stripping forecast beside its summary row, and on
// its own sheet the weakest maturity and estimate of every upload. Estimates go in only
// where the mix is calibrated; one beyond the lab's maturities is marked "外推". The sheets
// are written row by row, top down, so each row's cells go in with the rest of the row.
namespace RecordStrength {

// Columns a station sheet takes.
inline constexpr int StationColumns = 5;

void writeMix(XlsxSheet& sheet, int row, const AnalysisResult& r);
void writeSummaryHeaders(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r);
void writeSummaryRow(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r, int station);
void writeStationHeaders(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r);
void writeStationRow(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r, int station,
                     int upload);

} // namespace RecordStrength

} // namespace analysis
