#pragma once

#include "StoreResult.h"

#include <QString>
#include <QStringList>

class StoreDb;

// The analysis keeps its settings in tables of its own beside the three of the readings,
// which keep their shapes. They are made on the first save; a file without them reads as
// a pour with nothing set.
namespace AnalysisSchema {

inline const QString Pour = QStringLiteral("浇筑信息");
inline const QString Roles = QStringLiteral("站点角色");
inline const QString LimitSets = QStringLiteral("限值组");

// Makes the tables that are missing.
[[nodiscard]] StoreResult ensure(StoreDb& db);

// Whether the open file has that table.
[[nodiscard]] bool has(StoreDb& db, const QString& table);

} // namespace AnalysisSchema
