#pragma once

#include "StoreResult.h"

#include <QString>

class StoreDb;

// Copies rows between two databases of either engine, a file and a server or two of a
// kind: the rows of a select on one connection are appended to a table on the other, many
// rows to a statement so that a server is not asked once per row. The caller holds the
// transactions that make the copy all or nothing.
namespace RowCopy {

// Appends every row of `select` on `from` to `table` of `to`, each value in the column of
// the same name.
[[nodiscard]] StoreResult append(StoreDb& from, const QString& select, StoreDb& to,
                                 const QString& table);

} // namespace RowCopy
