#include "analysis/AnalysisInputs.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/LimitSetStore.h"
#include "analysis/PourStore.h"
#include "analysis/Station.h"
#include "analysis/StationRoleStore.h"
#include "grouping/GroupDefinitions.h"

#include <algorithm>

namespace analysis {

StoreResult AnalysisInputs::loadSettings(const QString& dbPath) {
    // A file that cannot be opened has no stations to show.
    groups.clear();
    const StoreResult r = AnalysisSchema::readFrom(dbPath, [this](StoreDb& db, const QStringList& tables) {
        StoreResult r = GroupDefinitions::load(db, groups);
        if (r.ok())
            r = StationRoleStore::load(db, tables, roles);
        if (r.ok())
            r = PourStore::load(db, tables, groups, pours);
        if (r.ok())
            r = LimitSetStore::load(db, tables, customSets);
        return r;
    });
    choose(pour.id);
    return r;
}

bool AnalysisInputs::choose(int id) {
    if (const Pour* found = Pour::find(pours, id)) {
        pour = *found;
        return true;
    }
    pour = pours.isEmpty() ? Pour() : pours.first();
    return false;
}

StoreResult AnalysisInputs::loadReadings(const QString& dbPath,
                                         const PourReadingsLoader::Progress& progress) {
    // A strength counted before belongs to other readings, or another pour.
    strength.reset();
    PourReadingsLoader::Selection selection{std::vector<bool>(PourReadings::SensorLimit, false),
                                            pour.settings.placedAt};
    const auto keep = [&selection](int sensor) {
        if (sensor >= 0 && sensor < PourReadings::SensorLimit)
            selection.sensors[static_cast<std::size_t>(sensor)] = true;
    };
    for (const GroupRow& group : pourGroups()) {
        const Station station = Station::resolve(group, nullptr);
        for (int k : station.filledSlots())
            keep(station.sensor(k));
    }
    if (pour.settings.airSensor > 0)
        keep(pour.settings.airSensor);
    auto loaded = std::make_shared<PourReadings>();
    StoreResult r = PourReadingsLoader::load(dbPath, selection, *loaded, progress);
    if (r.ok())
        readings = std::move(loaded);
    return r;
}

QVector<GroupRow> AnalysisInputs::pourGroups() const {
    QVector<GroupRow> out;
    for (const GroupRow& group : groups)
        if (pour.stations.contains(group.name))
            out << group;
    return out;
}

QStringList AnalysisInputs::unassigned() const {
    QStringList out;
    for (const GroupRow& group : groups)
        if (!out.contains(group.name) &&
            std::none_of(pours.cbegin(), pours.cend(),
                         [&group](const Pour& p) { return p.stations.contains(group.name); }))
            out << group.name;
    return out;
}

} // namespace analysis
