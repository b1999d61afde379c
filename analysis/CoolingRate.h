#pragma once

#include <QVector>

#include <vector>

namespace analysis {

// The cooling rate of one slot at each upload: the fall of its temperature over the 24
// hours before, in degrees per day. The temperature 24 hours back is interpolated linearly
// between the readings around that moment. NaN where the slot has no temperature, or where
// its readings do not yet reach 24 hours back. A rise gives a negative rate.
namespace CoolingRate {

inline constexpr qint64 DaySeconds = 24 * 3600;

// seconds: the upload moments in time order; values: the slot's temperature at each (NaN
// for none).
[[nodiscard]] std::vector<double> of(const QVector<qint64>& seconds,
                                     const std::vector<double>& values);

} // namespace CoolingRate

} // namespace analysis
