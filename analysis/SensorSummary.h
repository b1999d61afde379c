#pragma once

#include "analysis/UploadGap.h"

#include <QVector>
#include <QtNumeric>

namespace analysis {

// What a sensor's maturity comes to at its last reading, and where it was bridged over a
// stretch without readings longer than allowed.
struct SensorSummary {
    int sensor = -1;
    // The last upload with a reading from the start on; -1 for none.
    int last = -1;
    double lastTemperature = qQNaN();
    // Temperature-time factor at the last reading, °C·h.
    double lastFactor = qQNaN();
    QVector<UploadGap> longStretches;
    // The first upload whose figures bridge a long stretch; -1 for none.
    int markedFrom = -1;

    [[nodiscard]] bool marked(int upload) const { return markedFrom >= 0 && upload >= markedFrom; }
};

} // namespace analysis
