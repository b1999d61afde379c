#include "device/TransferPercent.h"

std::optional<int> TransferPercent(int bytesWaiting) {
    const long long percent = static_cast<long long>(bytesWaiting) * 100 / 1999;
    if (percent < 0 || percent > 100)
        return std::nullopt;
    return static_cast<int>(percent);
}
