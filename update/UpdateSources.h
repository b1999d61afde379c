#pragma once

#include <QString>

// Where the update run looks: the bootstrap server, and optionally a whole update folder
// address that replaces the one the bootstrap reply leads to.
struct UpdateSources {
    // Host with an optional port, as "host" or "host:port".
    QString bootstrapHost;
    // Replaces the update folder address when not empty.
    QString baseUrlOverride;

    // The program's own bootstrap server, unless THERMBOOK_UPDATE_BOOTSTRAP names another;
    // THERMBOOK_UPDATE_BASE_URL, when set, replaces the update folder address.
    [[nodiscard]] static UpdateSources FromEnvironment();
};
