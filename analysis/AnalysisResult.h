#pragma once

#include "analysis/Breach.h"
#include "analysis/LimitSet.h"
#include "analysis/PourReadings.h"
#include "analysis/Pour.h"
#include "analysis/PourStrength.h"
#include "analysis/Station.h"
#include "analysis/StationSeries.h"
#include "analysis/SuspectSensor.h"
#include "analysis/UploadGap.h"

#include <QStringList>
#include <QVector>

#include <memory>

namespace analysis {

// The whole analysis of one pour: per station its figures at every upload from placing on,
// the breach log, the gaps in the schedule, the suspect sensors, the strength by maturity, and what the engineer
// should know about the input (a station without readings, a pour without stations...).
struct AnalysisResult {
    Pour pour;
    LimitSet limits;
    std::shared_ptr<const PourReadings> readings = std::make_shared<PourReadings>();
    QVector<Station> stations;
    // Parallel to stations.
    QVector<StationSeries> series;
    QVector<Breach> breaches;
    QVector<UploadGap> gaps;
    QVector<SuspectSensor> suspects;
    // Maturity and strength of the stations, parallel to them when it could be counted.
    std::shared_ptr<const PourStrength> strength = std::make_shared<PourStrength>();
    QStringList notices;

    [[nodiscard]] const QVector<QDateTime>& times() const { return readings->times(); }
};

} // namespace analysis
