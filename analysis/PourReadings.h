#pragma once

#include <QDateTime>
#include <QHash>
#include <QVector>

#include <vector>

namespace analysis {

// Every upload of 表1 as one moment, in time order, with the temperature of each sensor
// at it. Sensors are the whole numbers 0..1999 the station definitions use. Texts that
// name the same moment in different forms are one upload.
class PourReadings {
public:
    static constexpr int SensorLimit = 2000;

    PourReadings();

    // Building, in the order the readings were stored: the upload at that moment (made on
    // first use), and a sensor's reading at it, NaN for one that is no temperature. A
    // sensor given twice at one moment keeps the later reading. finish() puts the uploads
    // in time order and must come last.
    [[nodiscard]] int uploadAt(const QDateTime& moment);
    void set(int upload, int sensor, double value);
    // A sensor in some upload whose readings are not kept.
    void list(int sensor);
    void finish();

    // The uploads from that moment on, with the readings kept at them.
    [[nodiscard]] PourReadings since(const QDateTime& moment) const;

    [[nodiscard]] int uploadCount() const { return static_cast<int>(m_times.size()); }
    [[nodiscard]] const QVector<QDateTime>& times() const { return m_times; }
    // Seconds of each upload on the wall clock, for arithmetic.
    [[nodiscard]] const QVector<qint64>& seconds() const { return m_seconds; }

    // NaN when the sensor has no temperature at that upload.
    [[nodiscard]] double at(int upload, int sensor) const;
    // The sensor's temperature at every upload, in time order; null when it is in none.
    [[nodiscard]] const std::vector<double>* series(int sensor) const;
    // The sensor appears in some upload, even if only as "E1".
    [[nodiscard]] bool everListed(int sensor) const {
        return sensor >= 0 && sensor < SensorLimit && m_listed[static_cast<std::size_t>(sensor)];
    }
    // Every sensor that appears in some upload, by number.
    [[nodiscard]] QVector<int> listedSensors() const;

    // Readings left out because their date-time could not be read, with one such text.
    qint64 unreadableRows = 0;
    QString unreadableExample;

private:
    QHash<qint64, int> m_uploadOf;
    QVector<QDateTime> m_times;
    QVector<qint64> m_seconds;
    // One column per sensor that appears, made on its first reading, so a pour of 100
    // sensors keeps 100 columns, not 2000, and a station reads its slots as whole columns.
    std::vector<int> m_columnOf;
    std::vector<std::vector<double>> m_columns;
    std::vector<bool> m_listed;
};

} // namespace analysis
