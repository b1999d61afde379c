#include "analysis/LogStrengthFit.h"

#include <cmath>
#include <numeric>

namespace analysis {

std::optional<LogStrengthFit> LogStrengthFit::of(const std::vector<double>& maturity,
                                                 const std::vector<double>& strength) {
    const std::size_t n = maturity.size();
    if (n < 2 || strength.size() != n)
        return std::nullopt;
    std::vector<double> x(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!(maturity[i] > 0.0))
            return std::nullopt;
        x[i] = std::log(maturity[i]);
    }
    const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / double(n);
    const double meanY = std::accumulate(strength.begin(), strength.end(), 0.0) / double(n);
    double sxx = 0.0;
    double sxy = 0.0;
    double syy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (strength[i] - meanY);
        syy += (strength[i] - meanY) * (strength[i] - meanY);
    }
    if (!(sxx > 0.0))
        return std::nullopt;
    LogStrengthFit fit;
    fit.m_b = sxy / sxx;
    fit.m_a = meanY - fit.m_b * meanX;
    // For a straight line through the means, the explained share is sxy²/(sxx·syy).
    fit.m_rSquared = syy > 0.0 ? sxy * sxy / (sxx * syy) : 0.0;
    return fit;
}

double LogStrengthFit::strengthAt(double maturity) const {
    return m_a + m_b * std::log(maturity);
}

double LogStrengthFit::maturityFor(double strength) const {
    return std::exp((strength - m_a) / m_b);
}

} // namespace analysis
