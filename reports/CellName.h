#pragma once

#include <QString>
#include <QStringView>

// Cells are named as spreadsheets name them: column letters, then the row number. Rows and
// columns count from 1, so A1 is row 1, column 1, and the reports name their cells alike.
namespace CellName {

// The largest sheet the xlsx format holds.
inline constexpr int MaxRows = 1048576;
inline constexpr int MaxColumns = 16384;

[[nodiscard]] QString of(int row, int column);
// Reads "AB12" into row 12, column 28; false for anything that is not a cell name.
[[nodiscard]] bool parse(QStringView name, int& row, int& column);

} // namespace CellName
