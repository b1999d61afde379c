#pragma once

#include <QString>

#include <optional>

// What one tick of the factory sequence does.
struct AutoStepAction {
    QString line;              // added to the window's list first; empty for none
    std::optional<int> code;   // command to send
    std::optional<double> arg; // its first argument
    bool done = false;         // the sequence ends after this tick
};

// The factory sequence by tick number: information, chip clear, serial number, upload
// time, error calibration, information again, a 5-minute power-off time, then the end.
// The 35 ticks after the chip clear give the recorder time to erase its memory.
[[nodiscard]] AutoStepAction AutoScheduleAt(int step);
