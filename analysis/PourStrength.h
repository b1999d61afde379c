#pragma once

#include "analysis/Calibration.h"
#include "analysis/StationStrength.h"

#include <QStringList>
#include <QVector>

class PourReadings;
struct PourSettings;
struct Station;

namespace analysis {

struct Mix;

// The strength of a pour by the maturity method: every station's maturity from placing on,
// its estimated strength where the mix is calibrated, and when it reaches each target
// share of the design strength; with what the engineer should know about the input.
struct PourStrength {
    Calibration calibration;
    // The shares forecast for, each a positive fraction of the design strength.
    QVector<double> targets;
    // Parallel to the stations given; empty when no maturity can be counted.
    QVector<StationStrength> stations;
    QStringList notices;

    // Stripping at half, three quarters and all of the design strength.
    [[nodiscard]] static QVector<double> defaultTargets() { return {0.5, 0.75, 1.0}; }

    [[nodiscard]] static PourStrength compute(const PourReadings& readings,
                                              const QVector<Station>& stations,
                                              const PourSettings& pour, const Mix& mix,
                                              const QVector<double>& targets = defaultTargets());
};

} // namespace analysis
