#include "analysis/StationStrength.h"

#include "analysis/Calibration.h"
#include "analysis/PourReadings.h"
#include "analysis/Station.h"

namespace analysis {

int StationStrength::latest() const {
    for (int i = static_cast<int>(uploads.size()) - 1; i >= 0; --i)
        if (uploads[i].has())
            return i;
    return -1;
}

WeakestPoint StationStrength::weakestAt(int upload) const {
    // Takes sensor k's value where it is the lowest so far; NaN never is.
    const auto lower = [](double value, int k, double& lowest, int& index) {
        if (!qIsNaN(value) && (index < 0 || value < lowest)) {
            lowest = value;
            index = k;
        }
    };
    WeakestPoint p;
    int youngest = -1;
    const auto u = static_cast<std::size_t>(upload);
    for (int k = 0; k < static_cast<int>(sensors.size()); ++k) {
        lower(sensors[static_cast<std::size_t>(k)].factor[u], k, p.maturity, p.sensor);
        lower(sensors[static_cast<std::size_t>(k)].age[u], k, p.equivalentAge, youngest);
    }
    if (p.has())
        p.marked = sensors[static_cast<std::size_t>(p.sensor)].marked(upload) ||
                   sensors[static_cast<std::size_t>(youngest)].marked(upload);
    return p;
}

StationStrength StationStrength::compute(const Station& station, const PourReadings& readings,
                                         const MaturityStart& start,
                                         const Calibration& calibration,
                                         const QVector<double>& targets) {
    StationStrength out;
    for (int k : station.filledSlots())
        out.sensors.push_back(SensorMaturity::of(readings, station.sensor(k), start, calibration.rule()));
    out.uploads.resize(readings.uploadCount());
    for (int i = 0; i < readings.uploadCount(); ++i) {
        WeakestPoint& p = out.uploads[i];
        p = out.weakestAt(i);
        p.estimate = calibration.estimate(p.maturity);
    }
    for (double share : targets)
        out.forecasts.append(StrengthForecast::of(out, calibration, share, readings.times()));
    return out;
}

} // namespace analysis
