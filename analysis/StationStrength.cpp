#include "analysis/StationStrength.h"

#include "analysis/Calibration.h"
#include "analysis/PourReadings.h"
#include "analysis/SensorMaturity.h"
#include "analysis/Station.h"

#include <cmath>

namespace analysis {

int StationStrength::latest() const {
    for (int i = static_cast<int>(uploads.size()) - 1; i >= 0; --i)
        if (uploads[i].has())
            return i;
    return -1;
}

namespace {

// Takes `value` where it is lower than `lowest`: a NaN value never is, and any value is
// lower than a NaN lowest, since the comparison fails.
bool lower(double value, double& lowest) {
    if (std::isnan(value) || value >= lowest)
        return false;
    lowest = value;
    return true;
}

} // namespace

void StationStrength::takeLower(const SensorMaturity& sensor, std::vector<int>& youngest) {
    const int k = static_cast<int>(sensors.size());
    WeakestPoint* points = uploads.data();
    for (std::size_t u = 0; u < sensor.factor.size(); ++u) {
        if (lower(sensor.factor[u], points[u].maturity))
            points[u].sensor = k;
        if (lower(sensor.age[u], points[u].equivalentAge))
            youngest[u] = k;
    }
}

void StationStrength::mark(const std::vector<int>& youngest) {
    const auto markedAt = [this](int sensor, int upload) {
        return sensors[static_cast<std::size_t>(sensor)].marked(upload);
    };
    for (int u = 0; u < uploads.size(); ++u) {
        WeakestPoint& p = uploads[u];
        if (p.has())
            p.marked = markedAt(p.sensor, u) || markedAt(youngest[static_cast<std::size_t>(u)], u);
    }
}

StationStrength StationStrength::count(const Station& station, const PourReadings& readings,
                                       const MaturityStart& start, const MaturityRates& rates) {
    StationStrength out;
    out.uploads.resize(readings.uploadCount());
    std::vector<int> youngest(static_cast<std::size_t>(readings.uploadCount()), -1);
    for (int k : station.filledSlots()) {
        const SensorMaturity sensor = SensorMaturity::of(readings, station.sensor(k), start, rates);
        out.takeLower(sensor, youngest);
        out.sensors.push_back(sensor.summary);
    }
    out.mark(youngest);
    return out;
}

void StationStrength::estimate(const Calibration& calibration, const QVector<double>& targets,
                               const QVector<QDateTime>& times) {
    if (calibration.usable())
        for (WeakestPoint& p : uploads)
            p.estimate = calibration.estimate(p.maturity);
    for (double share : targets)
        forecasts.append(StrengthForecast::of(*this, calibration, share, times));
}

} // namespace analysis
