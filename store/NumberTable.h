#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

class StoreConnection;

// The file's table of the distinct sensor numbers with their values (编号值表), so that the
// views ordered by sensor number find their first rows without working out val() for every
// reading. The file has no index on val(): other SQLite tools must be able to write it, and
// an index of the number itself would make every save touch a page of it per reading.
//
// The table only guides the first screen. Its rows are read from 表1 and the whole view
// follows from 表1 alone, so a table that another tool let fall behind costs time, never a
// wrong list. The program keeps it up with what it stores: the rows past the last one taken
// in (编号值表进度) are read at each writable opening and before each commit.
namespace NumberTable {

inline const QString Name = QStringLiteral("编号值表");

// Makes the two tables where they are missing; in the program's SQL form.
[[nodiscard]] QStringList createStatements();
// Takes in the numbers of the readings stored since the last catch-up. When readings went
// from the end of 表1 (all were deleted, or another tool rewrote the file) it starts over
// from every reading. Runs on an open file that has val().
[[nodiscard]] StoreResult catchUp(StoreConnection& db);
// The statement forgetting the numbers of one value (its ? placeholder), once their
// readings are all deleted; in the program's SQL form.
[[nodiscard]] QString forgetStatement();

} // namespace NumberTable
