#include "analysis/ValueScale.h"

#include <QtNumeric>

#include <cmath>

namespace analysis {

ValueScale::ValueScale(const QVector<double>& values, int lines) {
    double lo = qQNaN();
    double hi = qQNaN();
    for (double v : values) {
        if (qIsNaN(v))
            continue;
        lo = qIsNaN(lo) ? v : std::min(lo, v);
        hi = qIsNaN(hi) ? v : std::max(hi, v);
    }
    if (qIsNaN(lo))
        return;
    if (hi - lo < 1e-9) {
        lo -= 1;
        hi += 1;
    }
    const double rough = (hi - lo) / std::max(1, lines);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    m_step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough) {
            m_step = factor * power;
            break;
        }
    m_low = std::floor(lo / m_step) * m_step;
    m_high = std::ceil(hi / m_step) * m_step;
}

QVector<double> ValueScale::ticks() const {
    QVector<double> out;
    const int count = static_cast<int>(std::lround((m_high - m_low) / m_step));
    for (int i = 0; i <= count; ++i)
        out.append(m_low + i * m_step);
    return out;
}

} // namespace analysis
