#pragma once

#include "analysis/MaturityRule.h"

#include <vector>

namespace analysis {

// A rule's two rates, with the Arrhenius one looked up where it can be: readings carry one
// decimal, so the mean of two falls on a twentieth of a degree, and over a pour each such
// mean recurs thousands of times. A mean off that grid, as a bridged one, is worked out.
class MaturityRates {
public:
    explicit MaturityRates(const MaturityRule& rule);

    [[nodiscard]] const MaturityRule& rule() const { return m_rule; }
    [[nodiscard]] double factor(double mean, double hours) const {
        return m_rule.factor(mean, hours);
    }
    [[nodiscard]] double equivalentAge(double mean, double hours) const;

private:
    MaturityRule m_rule;
    // The rate at each twentieth of a degree the recorder can read, from the lowest up.
    std::vector<double> m_grid;
};

} // namespace analysis
