#pragma once

#include "reports/FileLauncher.h"

// The desktop's own applications for the file's type; text files go to Notepad on Windows.
class DesktopFileLauncher : public FileLauncher {
public:
    [[nodiscard]] bool openText(const QString& path) override;
    [[nodiscard]] bool openWorkbook(const QString& path) override;
};
