#pragma once

#include <QString>

// How a station record's temperature field is shown. Four values are markers rather than
// temperatures: 200 "(??)", 201 "故障", and 202 and 255 (no reading) as a dash; any other
// value is a temperature with at least two integer digits and one decimal. The field is
// read by its leading number, so an unreadable text shows as 00.0.
namespace TemperatureCode {

// The fixed-width text of the report's list lines.
[[nodiscard]] QString listText(const QString& field);
// The text of the report's workbook cells, temperatures with their unit.
[[nodiscard]] QString sheetText(const QString& field);

} // namespace TemperatureCode
