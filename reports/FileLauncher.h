#pragma once

#include <QString>

// Hands a written file to the user's own programs. False when nothing could be started for
// it; the file is on disk either way, and the window says where.
class FileLauncher {
public:
    virtual ~FileLauncher() = default;

    [[nodiscard]] virtual bool openText(const QString& path) = 0;
    [[nodiscard]] virtual bool openWorkbook(const QString& path) = 0;
};
