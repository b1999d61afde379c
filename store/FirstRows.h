#pragma once

#include "store/ReadingsLayout.h"

#include <QString>

class StoreConnection;

// The first rows of the views ordered by sensor number on a file, found without working out
// val() for every reading, so that the first screen costs as much whatever the number of
// readings. The file's number table (NumberTable) gives the numbers in value order; the rows
// of the smallest values are then looked up upload by upload, newest first, through the
// index on 日期时间, until a screenful is found. The statement returned reads only those
// rows, in the view's own order, so ties come exactly as in the whole view.
namespace FirstRows {

// A statement giving the first `rows` rows of view `fill` on the open file `db` (at least
// them, in the view's order); empty where there is no quicker way than limiting the view's
// statement: another view, a file without a number table, or readings so scattered that the
// lookups would cost more than the sort.
[[nodiscard]] QString statement(StoreConnection& db, ReadingsLayout::Fill fill, int rows);

} // namespace FirstRows
