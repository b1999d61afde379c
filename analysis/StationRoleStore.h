#pragma once

#include "analysis/StationRole.h"
#include "store/StoreResult.h"

#include <QStringList>
#include <QVector>

class StoreDb;

namespace analysis {

// The station roles, table 站点角色: one row per station that the engineer has set.
namespace StationRoleStore {

// By station name; a file without the table gives no roles. Slots outside 1..8 read as
// not set.
[[nodiscard]] StoreResult load(const QString& dbPath, QVector<StationRole>& out);
// The same on an open file whose tables are `tables`.
[[nodiscard]] StoreResult load(StoreDb& db, const QStringList& tables, QVector<StationRole>& out);
// Replaces every stored role in one transaction. A station named twice keeps its first
// role, the one the analysis uses.
[[nodiscard]] StoreResult save(const QString& dbPath, const QVector<StationRole>& roles);

} // namespace StationRoleStore

} // namespace analysis
