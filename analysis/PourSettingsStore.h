#pragma once

#include "analysis/PourSettings.h"
#include "store/StoreResult.h"

#include <QStringList>

class StoreDb;

namespace analysis {

// The pour's data and settings, table 浇筑信息: one row per item, its name and its text.
namespace PourSettingsStore {

// A file without the table, or without an item, gives the defaults.
[[nodiscard]] StoreResult load(const QString& dbPath, PourSettings& out);
// The same on an open file whose tables are `tables`.
[[nodiscard]] StoreResult load(StoreDb& db, const QStringList& tables, PourSettings& out);
// Replaces every item in one transaction.
[[nodiscard]] StoreResult save(const QString& dbPath, const PourSettings& pour);

} // namespace PourSettingsStore

} // namespace analysis
