#pragma once

#include <QString>

// The number formats the lists use: "000" (whole number, at least three digits),
// "000.00" and "0000". A text that is not a number passes through unchanged, so "E1"
// shows as E1.
class NumberFormat {
public:
    // True when the whole text, blanks around it aside, is one decimal number
    // ("23.45", "-1.5", "+5", "1e3"); its value goes to *value.
    [[nodiscard]] static bool isNumeric(const QString& text, double* value = nullptr);

    // The text's number with at least integerDigits digits before the point and exactly
    // `decimals` after it, rounded half away from zero: ("23.45", 3, 0) gives 023 and
    // ("23.4", 3, 2) gives 023.40. Not a number: the text itself.
    [[nodiscard]] static QString format(const QString& text, int integerDigits, int decimals);

    // A number rounded half away from zero to `decimals` places, as the decimal text it was
    // written from would round (2.675 gives 2.68, although the nearest double lies below).
    [[nodiscard]] static double roundHalfAway(double value, int decimals);
};
