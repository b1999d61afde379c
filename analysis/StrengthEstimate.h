#pragma once

#include <QString>
#include <QtNumeric>

namespace analysis {

// The estimated strength at one maturity and its share of the design strength. Outside
// the maturities the lab covered the curve is only extended, so such an estimate is
// marked and never given as certain.
struct StrengthEstimate {
    // MPa; NaN when there is no estimate.
    double strength = qQNaN();
    double share = qQNaN();
    bool extrapolated = false;

    [[nodiscard]] bool has() const { return !qIsNaN(strength); }
    // "28.30", or "28.30（外推）" outside the calibrated range; empty without an estimate.
    [[nodiscard]] QString text() const;
    // The share in whole percent, "71%", marked the same way.
    [[nodiscard]] QString shareText() const;
};

} // namespace analysis
