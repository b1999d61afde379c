#pragma once

#include <QString>

class ZipArchive;

// The part holding the first worksheet of a workbook package, in the order the workbook
// lists its sheets (the order of the tabs), found through the package's relationships as
// a spreadsheet program finds it: the package points to the workbook part, and the
// workbook's own relationships point to its sheets. Chart sheets are passed over. Empty
// when the package is not a workbook or has no worksheet.
[[nodiscard]] QString FirstWorksheetPart(const ZipArchive& package);
