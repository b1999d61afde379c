#include "CoolingRate.h"

#include <QtNumeric>

QVector<double> CoolingRate::of(const QVector<qint64>& seconds, const QVector<double>& values) {
    QVector<int> valid;
    for (int i = 0; i < values.size(); ++i)
        if (!qIsNaN(values[i]))
            valid.append(i);
    QVector<double> rates(values.size(), qQNaN());
    // before: the last valid reading at or before the moment 24 hours back; it only moves
    // forward, as the moments do.
    int before = -1;
    for (int n = 0; n < valid.size(); ++n) {
        const int i = valid[n];
        const qint64 back = seconds[i] - DaySeconds;
        while (before + 1 < n && seconds[valid[before + 1]] <= back)
            ++before;
        if (before < 0)
            continue;
        const int a = valid[before];
        double then = values[a];
        if (seconds[a] < back) {
            const int b = valid[before + 1];
            const double share = double(back - seconds[a]) / double(seconds[b] - seconds[a]);
            then = values[a] + (values[b] - values[a]) * share;
        }
        rates[i] = then - values[i];
    }
    return rates;
}
