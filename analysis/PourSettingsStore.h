#pragma once

#include "analysis/PourSettings.h"
#include "store/StoreResult.h"

#include <QHash>
#include <QStringList>

#include <utility>
#include <vector>

class StoreDb;

namespace analysis {

// A pour's data and settings as items, each a name and a text: the rows of the table
// 浇筑信息 of the older stores, which held one pour, and of each pour in 浇筑.
namespace PourSettingsStore {

using Items = std::vector<std::pair<QString, QString>>;

[[nodiscard]] Items items(const PourSettings& pour);
// An item missing, or a number that is not positive, gives the default.
[[nodiscard]] PourSettings fromItems(const QHash<QString, QString>& items);

// The pour of an older store, from 浇筑信息; a file without the table gives the defaults.
[[nodiscard]] StoreResult load(StoreDb& db, const QStringList& tables, PourSettings& out);

} // namespace PourSettingsStore

} // namespace analysis
