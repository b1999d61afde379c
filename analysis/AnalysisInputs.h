#pragma once

#include "analysis/LimitSet.h"
#include "analysis/PourReadings.h"
#include "analysis/PourReadingsLoader.h"
#include "analysis/PourSettings.h"
#include "analysis/StationRole.h"
#include "grouping/GroupRow.h"
#include "store/StoreResult.h"

#include <QVector>

#include <memory>

namespace analysis {

// Everything the analysis reads from the database: the readings of 表1, the stations of
// 分组定义, and the pour's own settings, roles and limit sets. The readings are the large
// part; a change of settings reloads only the rest.
struct AnalysisInputs {
    std::shared_ptr<const PourReadings> readings = std::make_shared<PourReadings>();
    QVector<GroupRow> groups;
    QVector<StationRole> roles;
    PourSettings pour;
    QVector<LimitSet> customSets;

    [[nodiscard]] StoreResult loadSettings(const QString& dbPath);
    [[nodiscard]] StoreResult loadReadings(const QString& dbPath,
                                           const PourReadingsLoader::Progress& progress = {});
};

} // namespace analysis
