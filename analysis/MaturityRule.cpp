#include "analysis/MaturityRule.h"

#include "analysis/TemperatureText.h"

#include <cmath>

namespace analysis {

namespace {

// Temperatures the recorder can read: a datum or reference outside them is a typing slip.
bool readable(double temperature) {
    return temperature > TemperatureText::Lowest && temperature < TemperatureText::Highest;
}

} // namespace

QString MaturityRule::problem() const {
    if (!readable(datum))
        return QStringLiteral("基准温度必须在%1～%2 °C之间。")
            .arg(TemperatureText::Lowest)
            .arg(TemperatureText::Highest);
    if (!readable(reference))
        return QStringLiteral("参考温度必须在%1～%2 °C之间。")
            .arg(TemperatureText::Lowest)
            .arg(TemperatureText::Highest);
    if (!(activationEnergy > 0.0) || !std::isfinite(activationEnergy))
        return QStringLiteral("活化能必须是正数。");
    return {};
}

} // namespace analysis
