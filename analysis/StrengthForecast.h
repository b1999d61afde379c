#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

namespace analysis {

class Calibration;
struct StationStrength;

// When a station reaches a share of the design strength: each of its sensors keeps the
// temperature of its last reading, and the station reaches the target when the last of
// them does, which is when its weakest estimate does.
struct StrengthForecast {
    enum class Status {
        // No calibration, or the station has no figures.
        None,
        Reached,
        At,
        // The target lies beyond the calibrated range, so no time can be trusted.
        Beyond,
        // A sensor short of the target is at or below the datum, so it gains nothing.
        NotGrowing,
    };

    double share = 0.0;
    Status status = Status::None;
    // With At: the forecast moment.
    QDateTime at;

    // "已达到", the moment, "按当前温度不增长", or empty.
    [[nodiscard]] QString text() const;

    [[nodiscard]] static StrengthForecast of(const StationStrength& station,
                                             const Calibration& calibration, double share,
                                             const QVector<QDateTime>& times);
};

} // namespace analysis
