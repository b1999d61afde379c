#pragma once

#include "analysis/UploadGap.h"

#include <QVector>
#include <QtNumeric>

#include <vector>

class PourReadings;

namespace analysis {

struct MaturityRule;
struct MaturityStart;

// One sensor's maturity at every upload of the pour, summed from the start. A reading that
// is missing between two readings is bridged linearly from them, so is the stretch from
// the start to the first reading; a stretch longer than allowed is bridged too, but
// marked, because the temperature in it is unknown. Before the start and after the last
// reading there is nothing.
struct SensorMaturity {
    int sensor = -1;
    // Temperature-time factor, °C·h, and equivalent age, h; NaN where unknown.
    std::vector<double> factor;
    std::vector<double> age;
    // The last upload with a reading from the start on, and its temperature; -1 for none.
    int last = -1;
    double lastTemperature = qQNaN();
    // The long stretches, and the first upload whose figures bridge one; -1 for none.
    QVector<UploadGap> longStretches;
    int markedFrom = -1;

    [[nodiscard]] bool marked(int upload) const { return markedFrom >= 0 && upload >= markedFrom; }

    [[nodiscard]] static SensorMaturity of(const PourReadings& readings, int sensor,
                                           const MaturityStart& start, const MaturityRule& rule);
};

} // namespace analysis
