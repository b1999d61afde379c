#pragma once

#include <cmath>

// Rounds to the nearest whole number and a half to the even neighbour (25.5 -> 26,
// 24.5 -> 24), the way stored temperatures, typed station numbers and scroll positions
// are turned into whole numbers.
[[nodiscard]] inline double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}
