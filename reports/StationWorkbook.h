#pragma once

#include "reports/CellName.h"
#include "reports/ExportResult.h"

#include <QString>

struct StationQuery;

// The station report as a workbook made from the template: the title in A2, the date range
// in G3 and H3, the column headers in row 4, then one row per station record from row 5 on,
// each styled like the template's row 5. Every cell is text. The template is checked before
// the database is read, and nothing is written when there are no records.
namespace StationWorkbook {

inline constexpr int HeaderRow = 4;

[[nodiscard]] ExportResult write(const QString& dbPath, const QString& templatePath,
                                 const QString& target, const StationQuery& query,
                                 const ExportProgress& progress, int lastRow = CellName::MaxRows);

} // namespace StationWorkbook
