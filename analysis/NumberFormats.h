#pragma once

#include <QString>

// How the analysis writes numbers: stored settings and limits in their shortest exact form
// (2, 0.8, 12.5), figures with the decimals a reading has.
namespace NumberFormats {

// The shortest text that reads back as the same value; no exponent for usual sizes.
[[nodiscard]] QString plain(double value);

// A figure for the tables: two decimals, "" for NaN.
[[nodiscard]] QString figure(double value);

// A figure rounded to a thousandth, which drops the binary noise of differences (24.999…
// becomes 25) and keeps every digit a reading can have.
[[nodiscard]] double rounded(double value);

} // namespace NumberFormats
