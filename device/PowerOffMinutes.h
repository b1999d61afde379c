#pragma once

#include <QString>

// The recorder's idle power-off time travels in one byte and must be 1..240 minutes.

// The minutes box after a key release: at most 1 becomes "1", above 240 becomes "240",
// anything else stays as typed.
[[nodiscard]] QString PowerOffMinutesTyped(const QString& text);

// The whole number 1..240 to send for the box's text: rounded, then held inside the range,
// so pasted or non-numeric text can never wrap around into another byte.
[[nodiscard]] int PowerOffMinutesToSend(const QString& text);
