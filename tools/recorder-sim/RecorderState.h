#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// What the recorder remembers between commands, apart from the readings themselves.
// Saved as "key=value" lines:
//   serial=200801000001              six bytes as twelve hex digits
//   upload-time=8 4 30 10 51         year (0..99), month, day, hour, minute as bytes
//   error-correction=+0              sign and magnitude byte
//   power-off-minutes=5
//   readings-cleared=no              yes after a format or chip clear
struct RecorderState {
    std::array<quint8, 6> serial{0x20, 0x08, 0x01, 0x00, 0x00, 0x01};
    std::array<quint8, 5> uploadTime{};
    quint8 errorSign = 1; // 0 means minus, anything else plus
    quint8 errorMagnitude = 0;
    quint8 powerOffMinutes = 5;
    bool readingsCleared = false;

    bool operator==(const RecorderState& other) const;
    bool operator!=(const RecorderState& other) const { return !(*this == other); }

    [[nodiscard]] QString toText() const;
    // Fails on an unknown key, a malformed value or a missing key, naming the line.
    [[nodiscard]] bool fromText(const QString& text, QString* error);

    // Replaces the file in one step, so a crash never leaves half a state behind.
    [[nodiscard]] bool save(const QString& path, QString* error) const;
    [[nodiscard]] bool load(const QString& path, QString* error);
};
