#pragma once

#include "analysis/LogStrengthFit.h"
#include "analysis/MaturityRule.h"
#include "analysis/StrengthEstimate.h"

#include <QString>

#include <optional>
#include <vector>

namespace analysis {

struct Mix;

// A mix's lab results turned into a strength curve: each age becomes the maturity of a
// specimen cured at the lab's constant temperature, by the rule the sensors use, and the
// strengths are fitted against those maturities. A mix without lab results has no curve
// and no problem; one with results that cannot be trusted has no curve and a problem.
class Calibration {
public:
    static constexpr int LeastPairs = 3;

    [[nodiscard]] static Calibration of(const Mix& mix);

    [[nodiscard]] bool given() const { return m_given; }
    [[nodiscard]] bool usable() const { return m_fit.has_value(); }
    // Why the results give no curve, in words; empty when they do or none were given.
    [[nodiscard]] const QString& problem() const { return m_problem; }
    [[nodiscard]] const MaturityRule& rule() const { return m_rule; }
    // Only with a usable curve.
    [[nodiscard]] const LogStrengthFit& fit() const { return *m_fit; }
    // The maturity of each lab result, °C·h, in the order given.
    [[nodiscard]] const std::vector<double>& maturities() const { return m_maturities; }

    // No estimate without a usable curve or a maturity.
    [[nodiscard]] StrengthEstimate estimate(double maturity) const;
    // The maturity from which the estimate reaches `share` of the design strength within
    // the calibrated range; NaN when the curve reaches it only beyond that range. A target
    // below the weakest lab result counts as reached only once the maturity is in range.
    [[nodiscard]] double maturityForShare(double share) const;

private:
    [[nodiscard]] QString check(const Mix& mix) const;
    [[nodiscard]] bool covers(double maturity) const;

    MaturityRule m_rule;
    double m_designStrength = 0.0;
    bool m_given = false;
    QString m_problem;
    std::vector<double> m_maturities;
    double m_lowest = 0.0;
    double m_highest = 0.0;
    std::optional<LogStrengthFit> m_fit;
};

} // namespace analysis
