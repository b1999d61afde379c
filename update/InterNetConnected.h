#pragma once

// True when the platform reports a reachable network: through its network information
// backend where one is available, otherwise when any interface other than loopback is up.
[[nodiscard]] bool IsInternetConnected();
