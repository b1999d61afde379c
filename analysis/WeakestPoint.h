#pragma once

#include "analysis/StrengthEstimate.h"

#include <QtNumeric>

namespace analysis {

// A station at one upload, as its weakest point decides it: the lowest maturity and
// equivalent age of its sensors that read, and the strength estimated from that maturity.
struct WeakestPoint {
    // °C·h and h; NaN when no sensor of the station has a figure at this upload.
    double maturity = qQNaN();
    double equivalentAge = qQNaN();
    // Index into the station's sensors of the lowest maturity; -1 for none.
    int sensor = -1;
    // A figure shown here bridges a stretch without readings longer than allowed.
    bool marked = false;
    // Empty without a usable calibration.
    StrengthEstimate estimate;

    [[nodiscard]] bool has() const { return sensor >= 0; }
};

} // namespace analysis
