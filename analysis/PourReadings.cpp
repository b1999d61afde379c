#include "analysis/PourReadings.h"

#include "analysis/ReadingTime.h"

#include <QtNumeric>

#include <algorithm>
#include <numeric>

namespace analysis {

PourReadings::PourReadings() : m_columnOf(SensorLimit, -1), m_listed(SensorLimit, false) {}

int PourReadings::uploadAt(const QDateTime& moment) {
    const qint64 s = ReadingTime::seconds(moment);
    auto it = m_uploadOf.constFind(s);
    if (it != m_uploadOf.constEnd())
        return *it;
    const int upload = static_cast<int>(m_times.size());
    m_uploadOf.insert(s, upload);
    m_times.append(moment);
    m_seconds.append(s);
    return upload;
}

void PourReadings::set(int upload, int sensor, double value) {
    if (sensor < 0 || sensor >= SensorLimit)
        return;
    m_listed[static_cast<std::size_t>(sensor)] = true;
    int& c = m_columnOf[static_cast<std::size_t>(sensor)];
    if (c < 0) {
        c = static_cast<int>(m_columns.size());
        m_columns.emplace_back();
    }
    std::vector<double>& column = m_columns[static_cast<std::size_t>(c)];
    const auto u = static_cast<std::size_t>(upload);
    if (column.size() <= u)
        column.resize(std::max(u + 1, 2 * column.size()), qQNaN());
    column[u] = value;
}

void PourReadings::list(int sensor) {
    if (sensor >= 0 && sensor < SensorLimit)
        m_listed[static_cast<std::size_t>(sensor)] = true;
}

void PourReadings::finish() {
    const auto count = static_cast<std::size_t>(m_times.size());
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [this](int a, int b) { return m_seconds[a] < m_seconds[b]; });
    QVector<QDateTime> times;
    QVector<qint64> seconds;
    for (int i : order) {
        times.append(m_times[i]);
        seconds.append(m_seconds[i]);
    }
    m_times = times;
    m_seconds = seconds;
    std::vector<double> sorted(count);
    for (std::vector<double>& column : m_columns) {
        column.resize(count, qQNaN());
        for (std::size_t i = 0; i < count; ++i)
            sorted[i] = column[static_cast<std::size_t>(order[i])];
        column.swap(sorted);
    }
    m_uploadOf.clear();
}

const std::vector<double>* PourReadings::series(int sensor) const {
    if (sensor < 0 || sensor >= SensorLimit)
        return nullptr;
    const int c = m_columnOf[static_cast<std::size_t>(sensor)];
    return c < 0 ? nullptr : &m_columns[static_cast<std::size_t>(c)];
}

double PourReadings::at(int upload, int sensor) const {
    const std::vector<double>* column = series(sensor);
    if (!column || upload < 0 || static_cast<std::size_t>(upload) >= column->size())
        return qQNaN();
    return (*column)[static_cast<std::size_t>(upload)];
}

PourReadings PourReadings::since(const QDateTime& moment) const {
    const auto first = static_cast<int>(
        std::lower_bound(m_seconds.cbegin(), m_seconds.cend(), ReadingTime::seconds(moment)) -
        m_seconds.cbegin());
    PourReadings out = *this;
    out.m_times = m_times.mid(first);
    out.m_seconds = m_seconds.mid(first);
    for (std::vector<double>& column : out.m_columns)
        column.erase(column.begin(), column.begin() + first);
    return out;
}

QVector<int> PourReadings::listedSensors() const {
    QVector<int> out;
    for (int sensor = 0; sensor < SensorLimit; ++sensor)
        if (everListed(sensor))
            out.append(sensor);
    return out;
}

} // namespace analysis
