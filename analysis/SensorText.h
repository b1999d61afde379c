#pragma once

#include <QString>

namespace analysis {

// A sensor number as the recorder names it, in four digits: 7 gives 0007.
[[nodiscard]] inline QString sensorText(int sensor) {
    return QStringLiteral("%1").arg(sensor, 4, 10, QLatin1Char('0'));
}

} // namespace analysis
