#pragma once

#include "analysis/Calibration.h"
#include "analysis/MaturityStart.h"
#include "analysis/StationStrength.h"

#include <QStringList>
#include <QVector>

#include <optional>

namespace analysis {

class PourReadings;
struct PourSettings;
struct Station;

struct Mix;
struct SensorMaturity;

// The strength of a pour by the maturity method: every station's maturity from placing on,
// its estimated strength where the mix is calibrated, and when it reaches each target
// share of the design strength; with what the engineer should know about the input.
struct PourStrength {
    Calibration calibration;
    // Where maturity counts from; none when it cannot be counted.
    std::optional<MaturityStart> start;
    // The shares forecast for, each a positive fraction of the design strength.
    QVector<double> targets;
    // Parallel to the stations given; empty when no maturity can be counted.
    QVector<StationStrength> stations;
    QStringList notices;

    // Stripping at half, three quarters and all of the design strength.
    [[nodiscard]] static QVector<double> defaultTargets() { return {0.5, 0.75, 1.0}; }

    // One sensor's maturity at every upload, counted as the stations were, for a closer look;
    // its estimates come from the calibration. Empty when no maturity can be counted.
    [[nodiscard]] SensorMaturity sensor(const PourReadings& readings, int number) const;

    [[nodiscard]] static PourStrength compute(const PourReadings& readings,
                                              const QVector<Station>& stations,
                                              const PourSettings& pour, const Mix& mix,
                                              const QVector<double>& targets = defaultTargets());
};

} // namespace analysis
