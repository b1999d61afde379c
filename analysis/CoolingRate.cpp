#include "analysis/CoolingRate.h"

#include <QtNumeric>

namespace analysis {

std::vector<double> CoolingRate::of(const QVector<qint64>& moments,
                                    const std::vector<double>& values) {
    const qint64* seconds = moments.constData();
    std::vector<int> valid;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!qIsNaN(values[i]))
            valid.push_back(static_cast<int>(i));
    std::vector<double> rates(values.size(), qQNaN());
    const int count = static_cast<int>(valid.size());
    // before: the last valid reading at or before the moment 24 hours back; it only moves
    // forward, as the moments do.
    int before = -1;
    for (int n = 0; n < count; ++n) {
        const auto i = static_cast<std::size_t>(valid[static_cast<std::size_t>(n)]);
        const qint64 back = seconds[i] - DaySeconds;
        while (before + 1 < n && seconds[valid[static_cast<std::size_t>(before + 1)]] <= back)
            ++before;
        if (before < 0)
            continue;
        const auto a = static_cast<std::size_t>(valid[static_cast<std::size_t>(before)]);
        double then = values[a];
        if (seconds[a] < back) {
            const auto b = static_cast<std::size_t>(valid[static_cast<std::size_t>(before + 1)]);
            const double share = double(back - seconds[a]) / double(seconds[b] - seconds[a]);
            then = values[a] + (values[b] - values[a]) * share;
        }
        rates[i] = then - values[i];
    }
    return rates;
}

} // namespace analysis
