#pragma once

#include "analysis/Pour.h"
#include "grouping/GroupRow.h"
#include "store/StoreConnection.h"
#include "store/StoreResult.h"

#include <QStringList>
#include <QVector>

class StoreDb;

namespace analysis {

// The pours of a store: table 浇筑 holds each pour's data and settings as items under its
// id, table 浇筑站点 the pour of each station that has one. A store of the older form,
// without them, holds one pour of every station with the data of its table 浇筑信息; it
// reads so, and the first write of any analysis setting stores it so.
namespace PourStore {

// The stations are told apart by their names in 分组定义; `groups` are its rows.
[[nodiscard]] StoreResult load(StoreDb& db, const QStringList& tables,
                               const QVector<GroupRow>& groups, QVector<Pour>& out);
// The same from the store at that path, with its groups. `busyTimeoutMs` as for StoreDb.
[[nodiscard]] StoreResult load(const QString& dbPath, QVector<Pour>& out,
                               int busyTimeoutMs = StoreConnection::DefaultBusyTimeoutMs);

// Stores the pour's data and settings; a new pour (id 0) gets the next free id, set in
// `pour`, and its stations. Refused with a message: a name another pour has, and a pour
// that is no longer stored (deleted on another computer).
[[nodiscard]] StoreResult save(const QString& dbPath, Pour& pour);
// Makes `stations` the pour's stations: a station of another pour moves to it, and one of
// its own not named is left in no pour.
[[nodiscard]] StoreResult assign(const QString& dbPath, int id, const QStringList& stations);
// Forgets the pour and which stations were its; readings, groups and station records stay.
[[nodiscard]] StoreResult remove(const QString& dbPath, int id);

// Called in the transaction that makes the pour tables, `before` being the tables there
// were: stores the pour of the older form, when there is one.
[[nodiscard]] StoreResult upgrade(StoreDb& db, const QStringList& before);

} // namespace PourStore

} // namespace analysis
