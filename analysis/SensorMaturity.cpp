#include "analysis/SensorMaturity.h"

#include "analysis/MaturityRule.h"
#include "analysis/MaturityStart.h"
#include "analysis/PourReadings.h"
#include "analysis/ReadingTime.h"

#include <algorithm>

namespace analysis {

namespace {

// Walks a sensor's history from one reading to the next, summing both indices interval by
// interval and writing them at every upload passed.
class Bridge {
public:
    Bridge(SensorMaturity& m, const PourReadings& r, const MaturityRule& rule,
           const MaturityStart& start, double startTemperature, std::size_t begin)
        : m_out(m), m_readings(r), m_rule(rule),
          m_limit(static_cast<qint64>(start.longStretchHours * 3600.0)), m_start(start.at),
          m_knownSeconds(ReadingTime::seconds(start.at)), m_known(startTemperature),
          m_seconds(m_knownSeconds), m_temperature(startTemperature), m_pending(begin) {}

    // Reaches the reading `t` at upload `k`, bridging the uploads without one before it.
    void reach(std::size_t k, double t) {
        const qint64* seconds = m_readings.seconds().constData();
        if (seconds[k] - m_knownSeconds > m_limit) {
            const QVector<QDateTime>& times = m_readings.times();
            const int known = m_out.last;
            m_out.longStretches.append(
                {known < 0 ? m_start : times[known], times[static_cast<int>(k)], false});
            if (m_out.markedFrom < 0)
                m_out.markedFrom = static_cast<int>(m_pending);
        }
        const double span = double(seconds[k] - m_knownSeconds);
        for (std::size_t u = m_pending; u < k; ++u)
            step(u, m_known + (t - m_known) * double(seconds[u] - m_knownSeconds) / span);
        step(k, t);
        m_pending = k + 1;
        m_knownSeconds = seconds[k];
        m_known = t;
        m_out.last = static_cast<int>(k);
        m_out.lastTemperature = t;
    }

private:
    void step(std::size_t upload, double temperature) {
        const qint64 seconds = m_readings.seconds()[static_cast<int>(upload)];
        const double hours = double(seconds - m_seconds) / 3600.0;
        const double mean = (m_temperature + temperature) / 2.0;
        m_factor += m_rule.factor(mean, hours);
        m_age += m_rule.equivalentAge(mean, hours);
        m_seconds = seconds;
        m_temperature = temperature;
        m_out.factor[upload] = m_factor;
        m_out.age[upload] = m_age;
    }

    SensorMaturity& m_out;
    const PourReadings& m_readings;
    const MaturityRule& m_rule;
    const qint64 m_limit;
    const QDateTime m_start;
    // The last reading, which the next one is bridged from; the start before the first.
    qint64 m_knownSeconds;
    double m_known;
    // Where the sums stand, which may be a bridged upload.
    qint64 m_seconds;
    double m_temperature;
    double m_factor = 0.0;
    double m_age = 0.0;
    std::size_t m_pending;
};

} // namespace

SensorMaturity SensorMaturity::of(const PourReadings& r, int sensor, const MaturityStart& start,
                                  const MaturityRule& rule) {
    SensorMaturity m;
    m.sensor = sensor;
    const auto count = static_cast<std::size_t>(r.uploadCount());
    m.factor.assign(count, qQNaN());
    m.age.assign(count, qQNaN());
    const std::vector<double>* values = r.series(sensor);
    if (!values)
        return m;
    const qint64* seconds = r.seconds().constData();
    const auto begin = static_cast<std::size_t>(
        std::lower_bound(seconds, seconds + count, ReadingTime::seconds(start.at)) - seconds);
    const auto first = std::find_if(values->begin() + static_cast<std::ptrdiff_t>(begin),
                                    values->end(), [](double t) { return !qIsNaN(t); });
    if (first == values->end())
        return m;
    Bridge bridge(m, r, rule, start, start.temperature.value_or(*first), begin);
    for (std::size_t k = static_cast<std::size_t>(first - values->begin()); k < count; ++k)
        if (!qIsNaN((*values)[k]))
            bridge.reach(k, (*values)[k]);
    return m;
}

} // namespace analysis
