#pragma once

#include "GroupRow.h"
#include "LimitSet.h"
#include "PourReadings.h"
#include "PourReadingsLoader.h"
#include "PourSettings.h"
#include "StationRole.h"
#include "StoreResult.h"

#include <QVector>

#include <memory>

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
