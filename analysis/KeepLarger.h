#pragma once

#include <QtNumeric>

namespace analysis {

// Raises `best` to `value` where that is larger. NaN is no value: it never wins, and any
// value beats it.
inline void keepLarger(double& best, double value) {
    if (!qIsNaN(value) && (qIsNaN(best) || value > best))
        best = value;
}

} // namespace analysis
