#pragma once

#include "analysis/LimitSet.h"
#include "store/StoreResult.h"

#include <QStringList>
#include <QVector>

class StoreDb;

namespace analysis {

// The users' own limit sets, table 限值组. The built-in sets are never stored.
namespace LimitSetStore {

// By name; a file without the table has none. A stored limit that is not a positive
// number reads as no limit.
[[nodiscard]] StoreResult load(const QString& dbPath, QVector<LimitSet>& out);
// The same on an open file whose tables are `tables`.
[[nodiscard]] StoreResult load(StoreDb& db, const QStringList& tables, QVector<LimitSet>& out);
// Adds the set, or replaces the stored one of the same name.
[[nodiscard]] StoreResult save(const QString& dbPath, const LimitSet& set);
[[nodiscard]] StoreResult remove(const QString& dbPath, const QString& name);

} // namespace LimitSetStore

} // namespace analysis
