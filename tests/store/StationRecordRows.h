#pragma once

#include <QString>
#include <QStringList>

// Puts station records straight into table 测量数据 of an existing database, as the
// grouping run would have left them. Each row is "yyyy-mm-dd hh:nn:ss|station|t1 .. t8",
// the temperatures separated by commas; missing ones are left empty.
void AddStationRows(const QString& databasePath, const QStringList& rows);

// Eight copies of one temperature text, for a row whose curves all run together.
[[nodiscard]] QString Everywhere(const QString& temperature);
