#pragma once

#include "analysis/SensorSummary.h"
#include "analysis/StrengthForecast.h"
#include "analysis/WeakestPoint.h"

#include <QVector>

#include <vector>

namespace analysis {

class PourReadings;
struct Station;

class Calibration;
class MaturityRates;
struct MaturityStart;
struct SensorMaturity;

// A station's maturity and strength: the weakest point at every upload, what each filled
// slot's sensor came to (in slot order), and a forecast for each target share. Counting
// needs only the rule; the estimates follow when the mix is calibrated. A sensor's own
// figures at every upload are counted again where they are looked at, so a pour of a
// thousand sensors keeps one series per station, not one per sensor.
struct StationStrength {
    std::vector<SensorSummary> sensors;
    QVector<WeakestPoint> uploads;
    // Parallel to the target shares.
    QVector<StrengthForecast> forecasts;

    // The last upload with a weakest point; -1 for none.
    [[nodiscard]] int latest() const;

    // Every sensor's maturity and the weakest point, without estimates.
    [[nodiscard]] static StationStrength count(const Station& station, const PourReadings& readings,
                                               const MaturityStart& start,
                                               const MaturityRates& rates);
    // The weakest point's strength at every upload, and a forecast for each target share;
    // `times` are the upload moments.
    void estimate(const Calibration& calibration, const QVector<double>& targets,
                  const QVector<QDateTime>& times);

private:
    // Lowers the weakest point of every upload to the sensor's figures where they are
    // lower; `youngest` keeps which sensor has the lowest equivalent age.
    void takeLower(const SensorMaturity& sensor, std::vector<int>& youngest);
    void mark(const std::vector<int>& youngest);
};

} // namespace analysis
