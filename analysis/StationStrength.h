#pragma once

#include "analysis/SensorMaturity.h"
#include "analysis/StrengthForecast.h"
#include "analysis/WeakestPoint.h"

#include <QVector>

#include <vector>

class PourReadings;
struct Station;

namespace analysis {

class Calibration;
struct MaturityStart;

// A station's maturity and strength: every filled slot's sensor, in slot order, the
// weakest point at every upload, and a forecast for each target share.
struct StationStrength {
    std::vector<SensorMaturity> sensors;
    QVector<WeakestPoint> uploads;
    // Parallel to the target shares.
    QVector<StrengthForecast> forecasts;

    // The last upload with a weakest point; -1 for none.
    [[nodiscard]] int latest() const;

    [[nodiscard]] static StationStrength compute(const Station& station,
                                                 const PourReadings& readings,
                                                 const MaturityStart& start,
                                                 const Calibration& calibration,
                                                 const QVector<double>& targets);

private:
    [[nodiscard]] WeakestPoint weakestAt(int upload) const;
};

} // namespace analysis
