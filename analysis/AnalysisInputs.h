#pragma once

#include "analysis/LimitSet.h"
#include "analysis/Pour.h"
#include "analysis/PourReadings.h"
#include "analysis/PourReadingsLoader.h"
#include "analysis/StationRole.h"
#include "grouping/GroupRow.h"
#include "store/StoreResult.h"

#include <QStringList>
#include <QVector>

#include <memory>

namespace analysis {

struct PourStrength;

// Everything the analysis of one pour reads from the database: the stations of 分组定义,
// the pours, the roles and the limit sets, and the readings of 表1 that the chosen pour
// reads. The readings are the large part; a change of settings reloads only the rest.
struct AnalysisInputs {
    std::shared_ptr<const PourReadings> readings = std::make_shared<PourReadings>();
    QVector<GroupRow> groups;
    QVector<StationRole> roles;
    QVector<Pour> pours;
    // The pour analysed: one of the pours, or a pour of no stations when there is none.
    Pour pour;
    QVector<LimitSet> customSets;
    // The strength of the chosen pour, counted beside the reading on the long-work thread;
    // null when it is to be counted with the figures. Reading the readings forgets it.
    std::shared_ptr<const PourStrength> strength;

    // Everything but the readings; the chosen pour is chosen again by its id.
    [[nodiscard]] StoreResult loadSettings(const QString& dbPath);
    // Chooses the pour of that id; false, choosing the first, when there is none.
    bool choose(int id);
    // The readings of the chosen pour's stations and air sensor, from its placing on.
    [[nodiscard]] StoreResult loadReadings(const QString& dbPath,
                                           const PourReadingsLoader::Progress& progress = {});

    // The groups of the chosen pour's stations, in the order of the definitions.
    [[nodiscard]] QVector<GroupRow> pourGroups() const;
    // The stations that are in no pour, each once.
    [[nodiscard]] QStringList unassigned() const;
};

} // namespace analysis
