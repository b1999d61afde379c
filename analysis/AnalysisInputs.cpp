#include "AnalysisInputs.h"

#include "GroupDefinitions.h"
#include "LimitSetStore.h"
#include "PourSettingsStore.h"
#include "StationRoleStore.h"

StoreResult AnalysisInputs::loadSettings(const QString& dbPath) {
    StoreResult r = GroupDefinitions::load(dbPath, groups);
    if (r.ok())
        r = StationRoleStore::load(dbPath, roles);
    if (r.ok())
        r = PourSettingsStore::load(dbPath, pour);
    if (r.ok())
        r = LimitSetStore::load(dbPath, customSets);
    return r;
}

StoreResult AnalysisInputs::loadReadings(const QString& dbPath,
                                         const PourReadingsLoader::Progress& progress) {
    auto loaded = std::make_shared<PourReadings>();
    StoreResult r = PourReadingsLoader::load(dbPath, *loaded, progress);
    if (r.ok())
        readings = std::move(loaded);
    return r;
}
