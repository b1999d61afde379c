#pragma once

#include "analysis/SensorSummary.h"

#include <vector>

namespace analysis {

class PourReadings;

class MaturityRates;
struct MaturityStart;

// One sensor's maturity at every upload of the pour, summed from the start. A reading that
// is missing between two readings is bridged linearly from them, so is the stretch from
// the start to the first reading; a stretch longer than allowed is bridged too, but
// marked, because the temperature in it is unknown. Before the start and after the last
// reading there is nothing.
struct SensorMaturity {
    SensorSummary summary;
    // Temperature-time factor, °C·h, and equivalent age, h; NaN where unknown.
    std::vector<double> factor;
    std::vector<double> age;

    [[nodiscard]] static SensorMaturity of(const PourReadings& readings, int sensor,
                                           const MaturityStart& start, const MaturityRates& rates);
};

} // namespace analysis
