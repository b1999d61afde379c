#pragma once

#include <QVector>

namespace analysis {

// A vertical (or horizontal) scale with round steps over the values a chart shows: 1, 2 or
// 5 times a power of ten, chosen so about `lines` grid lines fit.
class ValueScale {
public:
    // Takes every value that is not NaN; with none, the scale runs 0..10.
    explicit ValueScale(const QVector<double>& values, int lines = 5);

    [[nodiscard]] double low() const { return m_low; }
    [[nodiscard]] double high() const { return m_high; }
    [[nodiscard]] double step() const { return m_step; }
    [[nodiscard]] QVector<double> ticks() const;

    // Where a value lands between `from` (at low) and `to` (at high), in any unit.
    [[nodiscard]] double place(double value, double from, double to) const {
        return from + (value - m_low) / (m_high - m_low) * (to - from);
    }

private:
    double m_low = 0;
    double m_high = 10;
    double m_step = 2;
};

} // namespace analysis
