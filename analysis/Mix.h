#pragma once

#include "analysis/CalibrationPair.h"
#include "analysis/MaturityRule.h"

#include <QString>
#include <QVector>

namespace analysis {

// The concrete of a pour as the strength estimate needs it: its design strength, how its
// maturity is counted, and the lab results it was calibrated with, all cured at one
// constant temperature. No pairs means no calibration: maturity only.
struct Mix {
    QString name;
    // MPa; C40 is 40.
    double designStrength = 0.0;
    MaturityRule maturity;
    // The lab's curing temperature, standard curing by default.
    double calibrationTemperature = 20.0;
    QVector<CalibrationPair> pairs;
};

} // namespace analysis
