#include "analysis/SensorMaturity.h"

#include "analysis/MaturityRates.h"
#include "analysis/MaturityStart.h"
#include "analysis/PourReadings.h"
#include "analysis/ReadingTime.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Walks a sensor's history from one reading to the next, summing both indices interval by
// interval and writing them at every upload passed.
class Bridge {
public:
    Bridge(SensorMaturity& m, const PourReadings& r, const MaturityRates& rates,
           const MaturityStart& start, double startTemperature, std::size_t begin)
        : m_out(m), m_readings(r), m_rates(rates),
          m_limit(static_cast<qint64>(start.longStretchHours * 3600.0)), m_start(start.at),
          m_knownSeconds(ReadingTime::seconds(start.at)), m_known(startTemperature),
          m_seconds(m_knownSeconds), m_temperature(startTemperature), m_pending(begin) {}

    // Reaches the reading `t` at upload `k`, bridging the uploads without one before it.
    void reach(std::size_t k, double t) {
        const qint64* seconds = m_readings.seconds().constData();
        SensorSummary& summary = m_out.summary;
        if (seconds[k] - m_knownSeconds > m_limit) {
            const QVector<QDateTime>& times = m_readings.times();
            summary.longStretches.append({summary.last < 0 ? m_start : times[summary.last],
                                          times[static_cast<int>(k)], false});
            if (summary.markedFrom < 0)
                summary.markedFrom = static_cast<int>(m_pending);
        }
        const double span = double(seconds[k] - m_knownSeconds);
        for (std::size_t u = m_pending; u < k; ++u)
            step(u, m_known + (t - m_known) * double(seconds[u] - m_knownSeconds) / span);
        step(k, t);
        m_pending = k + 1;
        m_knownSeconds = seconds[k];
        m_known = t;
        summary.last = static_cast<int>(k);
        summary.lastTemperature = t;
        summary.lastFactor = m_factor;
    }

private:
    void step(std::size_t upload, double temperature) {
        const qint64 seconds = m_readings.seconds()[static_cast<int>(upload)];
        const double hours = double(seconds - m_seconds) / 3600.0;
        const double mean = (m_temperature + temperature) / 2.0;
        m_factor += m_rates.factor(mean, hours);
        m_age += m_rates.equivalentAge(mean, hours);
        m_seconds = seconds;
        m_temperature = temperature;
        // Uploads are passed in order, each once, so the figures are appended.
        m_out.factor.push_back(m_factor);
        m_out.age.push_back(m_age);
    }

    SensorMaturity& m_out;
    const PourReadings& m_readings;
    const MaturityRates& m_rates;
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

// The first upload from `from` on at which the sensor has a temperature; `count` for none.
std::size_t firstReading(const std::vector<double>* values, std::size_t from, std::size_t count) {
    if (!values)
        return count;
    while (from < count && std::isnan((*values)[from]))
        ++from;
    return from;
}

} // namespace

SensorMaturity SensorMaturity::of(const PourReadings& r, int sensor, const MaturityStart& start,
                                  const MaturityRates& rates) {
    SensorMaturity m;
    m.summary.sensor = sensor;
    const auto count = static_cast<std::size_t>(r.uploadCount());
    const std::vector<double>* values = r.series(sensor);
    const qint64* seconds = r.seconds().constData();
    const auto begin = static_cast<std::size_t>(
        std::lower_bound(seconds, seconds + count, ReadingTime::seconds(start.at)) - seconds);
    const std::size_t first = firstReading(values, begin, count);
    m.factor.reserve(count);
    m.age.reserve(count);
    m.factor.assign(first < count ? begin : count, qQNaN());
    m.age.assign(m.factor.size(), qQNaN());
    if (first == count)
        return m;
    Bridge bridge(m, r, rates, start, start.temperature.value_or((*values)[first]), begin);
    for (std::size_t k = first; k < count; ++k)
        if (!std::isnan((*values)[k]))
            bridge.reach(k, (*values)[k]);
    m.factor.resize(count, qQNaN());
    m.age.resize(count, qQNaN());
    return m;
}

} // namespace analysis
