#include "analysis/AnalysisInputs.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/LimitSetStore.h"
#include "analysis/PourSettingsStore.h"
#include "analysis/StationRoleStore.h"
#include "grouping/GroupDefinitions.h"

namespace analysis {

StoreResult AnalysisInputs::loadSettings(const QString& dbPath) {
    // A file that cannot be opened has no stations to show.
    groups.clear();
    return AnalysisSchema::readFrom(dbPath, [this](StoreDb& db, const QStringList& tables) {
        StoreResult r = GroupDefinitions::load(db, groups);
        if (r.ok())
            r = StationRoleStore::load(db, tables, roles);
        if (r.ok())
            r = PourSettingsStore::load(db, tables, pour);
        if (r.ok())
            r = LimitSetStore::load(db, tables, customSets);
        return r;
    });
}

StoreResult AnalysisInputs::loadReadings(const QString& dbPath,
                                         const PourReadingsLoader::Progress& progress) {
    auto loaded = std::make_shared<PourReadings>();
    StoreResult r = PourReadingsLoader::load(dbPath, *loaded, progress);
    if (r.ok())
        readings = std::move(loaded);
    return r;
}

} // namespace analysis
