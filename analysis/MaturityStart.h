#pragma once

#include <QDateTime>

#include <optional>

namespace analysis {

// Where every sensor's maturity starts counting, and how long a stretch without a reading
// may be before its bridged temperature is marked as unknown.
struct MaturityStart {
    QDateTime at;
    // The concrete's temperature at `at`; when not known, each sensor's first reading
    // stands in for it.
    std::optional<double> temperature;
    double longStretchHours = 12.0;
};

} // namespace analysis
