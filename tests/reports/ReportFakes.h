#pragma once

#include "reports/FileLauncher.h"

#include <QStringList>

#include <functional>

// Records the files handed to the desktop instead of opening them.
class FakeLauncher : public FileLauncher {
public:
    bool opens = true;
    QStringList texts;
    QStringList workbooks;
    // Runs when a file is handed over, to look at the window at that moment.
    std::function<void()> onOpen;

    bool openText(const QString& path) override { return take(texts, path); }
    bool openWorkbook(const QString& path) override { return take(workbooks, path); }

private:
    bool take(QStringList& list, const QString& path) {
        list.append(path);
        if (onOpen)
            onOpen();
        return opens;
    }
};

