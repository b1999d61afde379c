#pragma once

#include <optional>
#include <vector>

namespace analysis {

// Strength against maturity as S = a + b·ln(M), fitted by least squares over ln(M).
class LogStrengthFit {
public:
    // None when the maturities are not all positive or do not differ, so no line fits.
    [[nodiscard]] static std::optional<LogStrengthFit> of(const std::vector<double>& maturity,
                                                          const std::vector<double>& strength);

    [[nodiscard]] double a() const { return m_a; }
    [[nodiscard]] double b() const { return m_b; }
    // Share of the strengths' spread the curve explains.
    [[nodiscard]] double rSquared() const { return m_rSquared; }

    [[nodiscard]] double strengthAt(double maturity) const;
    // The inverse; only meaningful for b > 0.
    [[nodiscard]] double maturityFor(double strength) const;

private:
    double m_a = 0.0;
    double m_b = 0.0;
    double m_rSquared = 0.0;
};

} // namespace analysis
