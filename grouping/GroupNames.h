#pragma once

#include "store/StoreResult.h"

#include <QStringList>

// The station names of the group definitions, in name order, for the station choosers of
// the curve and report windows.
[[nodiscard]] StoreResult getGroupsNames(const QString& databasePath, QStringList& names);
