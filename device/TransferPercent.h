#pragma once

#include <optional>

// The upload's progress from the bytes waiting so far, as a percentage of the 1999 bytes
// a block is taken to be. Above 100 (a block with its tail and some noise) there is no
// new value and the bar keeps what it shows.
[[nodiscard]] std::optional<int> TransferPercent(int bytesWaiting);
