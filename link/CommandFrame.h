#pragma once

#include <QByteArray>

#include <array>
#include <optional>

class QDateTime;

// Up to three values that replace the year, month and day bytes of a frame.
using FrameArgs = std::array<std::optional<double>, 3>;

// The frame is ten plain bytes: F0 F1 F2, the code, then year % 100, month, day, hour,
// minute and second of `at`. A given argument replaces the date byte at its position.
[[nodiscard]] QByteArray BuildCommandFrame(int code, const QDateTime& at,
                                           const FrameArgs& args = {});

// A value as one frame byte: rounded to a whole number and held inside 0..255, so an
// out-of-range value can never wrap around into a different, valid-looking byte.
[[nodiscard]] quint8 ToFrameByte(double value);
