#include "PourReadings.h"

#include "ReadingTime.h"

#include <QtNumeric>

#include <algorithm>
#include <numeric>

PourReadings::PourReadings() : m_columnOf(SensorLimit, -1) {}

int PourReadings::uploadAt(const QDateTime& moment) {
    const qint64 s = ReadingTime::seconds(moment);
    auto it = m_uploadOf.constFind(s);
    if (it != m_uploadOf.constEnd())
        return *it;
    const int upload = static_cast<int>(m_times.size());
    m_uploadOf.insert(s, upload);
    m_times.append(moment);
    m_seconds.append(s);
    m_values.emplace_back();
    return upload;
}

int PourReadings::column(int sensor) {
    int& c = m_columnOf[static_cast<std::size_t>(sensor)];
    if (c < 0)
        c = m_columns++;
    return c;
}

void PourReadings::set(int upload, int sensor, double value) {
    if (sensor < 0 || sensor >= SensorLimit)
        return;
    const auto c = static_cast<std::size_t>(column(sensor));
    std::vector<double>& row = m_values[static_cast<std::size_t>(upload)];
    if (row.size() <= c)
        row.resize(static_cast<std::size_t>(m_columns), qQNaN());
    row[c] = value;
}

void PourReadings::finish() {
    std::vector<int> order(m_times.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [this](int a, int b) { return m_seconds[a] < m_seconds[b]; });
    QVector<QDateTime> times;
    QVector<qint64> seconds;
    std::vector<std::vector<double>> values;
    values.reserve(order.size());
    for (int i : order) {
        times.append(m_times[i]);
        seconds.append(m_seconds[i]);
        values.push_back(std::move(m_values[static_cast<std::size_t>(i)]));
    }
    m_times = times;
    m_seconds = seconds;
    m_values = std::move(values);
    m_uploadOf.clear();
}

double PourReadings::at(int upload, int sensor) const {
    if (sensor < 0 || sensor >= SensorLimit || upload < 0 || upload >= uploadCount())
        return qQNaN();
    const int c = m_columnOf[static_cast<std::size_t>(sensor)];
    const std::vector<double>& row = m_values[static_cast<std::size_t>(upload)];
    return c < 0 || static_cast<std::size_t>(c) >= row.size() ? qQNaN()
                                                              : row[static_cast<std::size_t>(c)];
}

bool PourReadings::everListed(int sensor) const {
    return sensor >= 0 && sensor < SensorLimit && m_columnOf[static_cast<std::size_t>(sensor)] >= 0;
}
