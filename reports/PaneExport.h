#pragma once

#include "reports/CellName.h"
#include "reports/ExportResult.h"
#include "reports/PaneQuery.h"

#include <QString>

// The query pane's exports. Both read the pane's statement again and write every row of
// the pane, whatever part of it is on screen. An empty pane gives its headers alone.
namespace PaneExport {

// A column-aligned text file.
[[nodiscard]] ExportResult toText(const QString& dbPath, const PaneQuery& pane, const QString& path,
                                  const ExportProgress& progress);

// A new workbook: headers in row 3, rows from row 4 on, each row's first cell in the row's
// colour. Rows past `lastRow` have no room and are counted in rowsLeftOut.
[[nodiscard]] ExportResult toWorkbook(const QString& dbPath, const PaneQuery& pane,
                                      const QString& path, const ExportProgress& progress,
                                      int lastRow = CellName::MaxRows);

} // namespace PaneExport
