#pragma once

#include <QString>

// Where the update run keeps what it downloads, and whether it may replace the program.
// A program installed by a package belongs to the package manager: it is never replaced
// from here and its bin/ folder is never written, so its downloads go to the user's cache.
struct UpdatePlace {
    QString folder;
    bool packageManaged = false;
};
