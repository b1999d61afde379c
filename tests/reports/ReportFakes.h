#pragma once

#include "FileLauncher.h"
#include "WaitingPanel.h"

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

// Records what the main window's waiting panel would show.
class FakeWaitingPanel : public WaitingPanel {
public:
    bool visible = false;
    QStringList texts;

    void showWaiting(const QString& text, bool) override {
        visible = true;
        texts.append(text);
    }
    void setWaitingText(const QString& text) override { texts.append(text); }
    void setProgress(int) override {}
    void hideWaiting() override { visible = false; }
};
