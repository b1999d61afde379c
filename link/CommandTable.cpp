#include "link/CommandTable.h"

std::optional<int> ExpectedReplyLength(int code) {
    switch (code) {
    case ReadInfo:
        return 18;
    case ReadData:
        return 2002;
    case SetSerialNo:
    case FormatData:
    case SetUploadTime:
    case PowerOff:
    case ClearChip:
    case CalibrateError:
    case SetPowerOffDelay:
        return 4;
    case WakeUp:
        // Only wakes the recorder up; it does not answer.
        return 0;
    default:
        return std::nullopt;
    }
}
