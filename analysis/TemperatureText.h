#pragma once

#include <cstddef>
#include <optional>

namespace analysis {

// A stored reading as a temperature. Only a plain decimal number inside the recorder's
// range counts: "E1", an empty text, 255 (no reading) and anything outside -20 < t < 131
// are no temperature, never 0 °C.
namespace TemperatureText {

inline constexpr double Lowest = -20.0;
inline constexpr double Highest = 131.0;

[[nodiscard]] std::optional<double> parse(const char* utf8, std::size_t length);

} // namespace TemperatureText

} // namespace analysis
