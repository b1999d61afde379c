#pragma once

#include <QString>

#include <cmath>

namespace analysis {

// How temperature turns into maturity: the temperature-time factor above a datum, and the
// equivalent age at a reference temperature by the Arrhenius rate of an apparent
// activation energy. Both add up interval by interval, each interval at its mean
// temperature, so a sensor's history and a lab specimen's constant curing use one rule.
struct MaturityRule {
    static constexpr double GasConstant = 8.314;
    static constexpr double Kelvin = 273.15;

    double datum = 0.0;
    // J/mol.
    double activationEnergy = 40000.0;
    double reference = 20.0;

    // °C·h that `hours` at the mean temperature `mean` add; nothing at or below the datum,
    // where the concrete is taken not to gain strength.
    [[nodiscard]] double factor(double mean, double hours) const {
        return mean > datum ? (mean - datum) * hours : 0.0;
    }
    // Hours at the reference temperature that `hours` at `mean` are worth. Inline, as both
    // run once per sensor and interval; 1/(K+Tr) - 1/(K+Ta) is taken over one denominator.
    [[nodiscard]] double equivalentAge(double mean, double hours) const {
        return std::exp(activationEnergy * (mean - reference) /
                        (GasConstant * (Kelvin + mean) * (Kelvin + reference))) *
               hours;
    }

    // What makes the rule unusable, in words; empty when it can be used.
    [[nodiscard]] QString problem() const;
};

} // namespace analysis
