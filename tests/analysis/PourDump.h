#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// What the analysis reads back from a store for one pour and works out of it, in words, a
// line per item: the pour's settings, the roles, the limit sets, each station's figures at
// every upload ("value/state"), and the number of breaches. Two stores that read alike give
// the same lines. Pour 0 is the one the analysis chooses first.
[[nodiscard]] QStringList PourDump(const QString& address, int pourId, const QDateTime& now);

// The pour's mix read back, and each station's weakest maturity and estimated strength at
// every upload.
[[nodiscard]] QStringList StrengthDump(const QString& address, int pourId);
// Every row of 表1, 分组定义 and 测量数据, cells joined by "|", each table's rows in order.
[[nodiscard]] QStringList ReadingTables(const QString& address);
// Adds a station record to 测量数据, as a grouping run would.
[[nodiscard]] bool AddStationRecord(const QString& address);
