#pragma once

#include "store/StoreConnection.h"
#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

#include <functional>

class QSqlQuery;
class StoreDb;

namespace analysis {

// The analysis keeps its settings in tables of its own beside the three of the readings,
// which keep their shapes. They are made on the first save; a file without them reads as
// it did before they were made (PourStore).
namespace AnalysisSchema {

// The one pour of the older stores, kept as it was; the pours are in the two below.
inline const QString Pour = QStringLiteral("浇筑信息");
inline const QString Pours = QStringLiteral("浇筑");
inline const QString PourStations = QStringLiteral("浇筑站点");
inline const QString Roles = QStringLiteral("站点角色");
inline const QString LimitSets = QStringLiteral("限值组");

// Every table of the analysis.
[[nodiscard]] QStringList tables();

// Whether the open file has that table.
[[nodiscard]] bool has(StoreDb& db, const QString& table);

// Opens the file to write and makes the tables that are missing; with the pours' tables
// the pour of an older store is stored.
[[nodiscard]] StoreResult openToWrite(StoreDb& db);

// Opens the file read-only and hands it to `read` with its tables, listed once for every
// load that follows on the one connection. `busyTimeoutMs` as for StoreDb.
using Reader = std::function<StoreResult(StoreDb& db, const QStringList& tables)>;
[[nodiscard]] StoreResult readFrom(const QString& dbPath, const Reader& read,
                                   int busyTimeoutMs = StoreConnection::DefaultBusyTimeoutMs);

// Hands each row of `sql` to `row`; a file without `table` gives no rows.
[[nodiscard]] StoreResult readRows(StoreDb& db, const QStringList& tables, const QString& table,
                                   const QString& sql,
                                   const std::function<void(const QSqlQuery&)>& row);

} // namespace AnalysisSchema

} // namespace analysis
