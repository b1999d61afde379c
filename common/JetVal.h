#pragma once

#include <cstddef>

// The val rule of the stored SQL: the leading number of a text, 0 when the text does not
// start with one. It works on UTF-8 bytes and needs neither Qt nor SQLite, so the same
// rule serves the windows (Val() in NumberText.h), the program's database connections and
// the SQLite shell extension used by the bench.
//
// Blanks and tabs in front are skipped, then an optional sign, ASCII digits, an optional
// fraction and an optional exponent (only when digits follow the "e") are taken.
namespace JetVal {

[[nodiscard]] double leadingNumber(const char* text, std::size_t length);

} // namespace JetVal
