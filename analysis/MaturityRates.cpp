#include "analysis/MaturityRates.h"

#include "analysis/TemperatureText.h"

#include <cmath>

namespace analysis {

namespace {

constexpr double Steps = 20.0;
// In steps: far above the rounding of a sum of two readings, far below a hundredth of a
// degree, so the rate looked up is the mean's own to twelve digits.
constexpr double OnGrid = 1e-9;

} // namespace

MaturityRates::MaturityRates(const MaturityRule& rule) : m_rule(rule) {
    const auto size =
        static_cast<std::size_t>((TemperatureText::Highest - TemperatureText::Lowest) * Steps) + 1;
    m_grid.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        m_grid.push_back(m_rule.equivalentAge(TemperatureText::Lowest + double(i) / Steps, 1.0));
}

double MaturityRates::equivalentAge(double mean, double hours) const {
    const double step = (mean - TemperatureText::Lowest) * Steps;
    const double nearest = std::round(step);
    if (std::abs(step - nearest) < OnGrid && nearest >= 0.0 && nearest < double(m_grid.size()))
        return m_grid[static_cast<std::size_t>(nearest)] * hours;
    return m_rule.equivalentAge(mean, hours);
}

} // namespace analysis
