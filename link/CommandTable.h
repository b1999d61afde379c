#pragma once

#include <optional>

// The recorder's command codes. The code travels as the fourth byte of the command frame.
enum CommandCode : int {
    ReadInfo = 243,
    SetSerialNo = 244,
    FormatData = 245,
    ReadData = 246,
    SetUploadTime = 247,
    PowerOff = 248,
    ClearChip = 249,
    CalibrateError = 252,
    SetPowerOffDelay = 253,
    WakeUp = 255,
};

// The reply length the transport waits for (it waits for MORE than this many bytes), or
// nothing for a code the recorder does not know, which must never be sent.
[[nodiscard]] std::optional<int> ExpectedReplyLength(int code);
