#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

namespace analysis {

class PourReadings;
struct PourSettings;
struct Station;

// A sensor whose readings look wrong: its latest reading is missing or "E1" while it read
// before, or it jumped more than the pour's jump limit between readings at most one
// measuring interval apart. Readings further apart may differ by any amount, and those after
// the end of monitoring are not looked at.
struct SuspectSensor {
    enum class Reason { LatestMissing, Jump };

    int sensor = 0;
    // The station and slot (from 1) the sensor serves; empty station and slot 0 for the
    // air sensor.
    QString station;
    int slot = 0;
    Reason reason = Reason::LatestMissing;
    // The upload of the missing reading, or the later reading of a jump.
    QDateTime at;
    // For a jump: the earlier reading's moment and the change in degrees.
    QDateTime since;
    double change = 0;

    // What is wrong, in words.
    [[nodiscard]] QString description() const;

    // The pour gives the air sensor, the jump limit and the measuring interval.
    [[nodiscard]] static QVector<SuspectSensor>
    find(const PourReadings& readings, const QVector<Station>& stations, const PourSettings& pour);
};

} // namespace analysis
