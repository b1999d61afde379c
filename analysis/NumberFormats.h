#pragma once

#include <QString>

namespace analysis {

// How the analysis writes figures: with the decimals a reading has.
namespace NumberFormats {

// A figure for the tables: two decimals, "" for NaN.
[[nodiscard]] QString figure(double value);

// A figure rounded to a thousandth, which drops the binary noise of differences (24.999…
// becomes 25) and keeps every digit a reading can have.
[[nodiscard]] double rounded(double value);

} // namespace NumberFormats

} // namespace analysis
