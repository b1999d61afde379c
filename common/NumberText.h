#pragma once

#include <QString>

// The leading numeric value of a text, as the classic basic Val reads it: leading blanks
// are skipped, then an optional sign, digits, an optional fraction and exponent are taken;
// anything after that is ignored. A text without a leading number is 0.
// Examples: "+5" -> 5, "007" -> 7, "12.0abc" -> 12, "E1" -> 0, "" -> 0.
[[nodiscard]] double Val(const QString& text);

// The whole number a typed text stands for: its Val rounded half to even, held within the
// 16-bit range entered numbers have always had.
[[nodiscard]] int WholeNumber(const QString& text);

// A whole number written as plain decimal text, the way numbers are written into
// statements and lists (12, not 12.0 or 1.2e1).
[[nodiscard]] QString PlainNumber(double value);
