#include "analysis/Calibration.h"

#include "analysis/Mix.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Binary noise in summed intervals must not push a lab history out of its own range.
constexpr double RangeTolerance = 1e-9;

bool positive(double value) {
    return value > 0.0 && std::isfinite(value);
}

} // namespace

Calibration Calibration::of(const Mix& mix) {
    Calibration c;
    c.m_rule = mix.maturity;
    c.m_designStrength = mix.designStrength;
    c.m_given = !mix.pairs.isEmpty();
    if (!c.m_given)
        return c;
    c.m_problem = c.check(mix);
    if (!c.m_problem.isEmpty())
        return c;
    std::vector<double> strengths;
    for (const CalibrationPair& pair : mix.pairs) {
        c.m_maturities.push_back(c.m_rule.factor(mix.calibrationTemperature, pair.ageDays * 24.0));
        strengths.push_back(pair.strength);
    }
    const auto fit = LogStrengthFit::of(c.m_maturities, strengths);
    if (!fit)
        c.m_problem = QStringLiteral("标定数据的龄期至少要有两个不同的值。");
    else if (!(fit->b() > 0.0))
        c.m_problem = QStringLiteral("按标定数据拟合，强度不随成熟度增长（b = %1），不能推定强度。")
                          .arg(fit->b(), 0, 'g', 3);
    if (!c.m_problem.isEmpty())
        return c;
    c.m_fit = fit;
    const auto [lowest, highest] =
        std::minmax_element(c.m_maturities.begin(), c.m_maturities.end());
    c.m_lowest = *lowest;
    c.m_highest = *highest;
    return c;
}

QString Calibration::check(const Mix& mix) const {
    if (const QString rule = m_rule.problem(); !rule.isEmpty())
        return rule;
    if (!positive(mix.designStrength))
        return QStringLiteral("设计强度必须是正数（如C40填40）。");
    for (int i = 0; i < mix.pairs.size(); ++i)
        if (!positive(mix.pairs[i].ageDays) || !positive(mix.pairs[i].strength))
            return QStringLiteral("第%1组标定数据的龄期和强度必须是正数。").arg(i + 1);
    if (mix.pairs.size() < LeastPairs)
        return QStringLiteral("标定数据至少需要%1组，现有%2组。")
            .arg(LeastPairs)
            .arg(mix.pairs.size());
    if (!(mix.calibrationTemperature > m_rule.datum))
        return QStringLiteral("标定养护温度（%1 °C）必须高于基准温度（%2 °C）。")
            .arg(mix.calibrationTemperature)
            .arg(m_rule.datum);
    return {};
}

bool Calibration::covers(double maturity) const {
    return maturity >= m_lowest * (1.0 - RangeTolerance) &&
           maturity <= m_highest * (1.0 + RangeTolerance);
}

StrengthEstimate Calibration::estimate(double maturity) const {
    if (!m_fit || std::isnan(maturity))
        return {};
    StrengthEstimate e;
    // Near placing the log runs to minus infinity; concrete has no strength below zero.
    e.strength = maturity > 0.0 ? std::max(0.0, m_fit->strengthAt(maturity)) : 0.0;
    e.share = e.strength / m_designStrength;
    e.extrapolated = !covers(maturity);
    return e;
}

double Calibration::maturityForShare(double share) const {
    if (!m_fit)
        return std::nan("");
    const double maturity = m_fit->maturityFor(share * m_designStrength);
    if (maturity > m_highest * (1.0 + RangeTolerance))
        return std::nan("");
    return std::max(maturity, m_lowest);
}

} // namespace analysis
