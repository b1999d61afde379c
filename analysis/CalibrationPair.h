#pragma once

namespace analysis {

// One lab result: the age of the specimens and the strength they broke at.
struct CalibrationPair {
    double ageDays = 0.0;
    // MPa.
    double strength = 0.0;
};

} // namespace analysis
