#pragma once

#include <QString>

// The main window's waiting panel, as the subsystems' controllers use it around long
// operations: a blinking label and a progress bar that can be hidden.
class WaitingPanel {
public:
    virtual ~WaitingPanel() = default;

    // Shows the panel with its label text; the progress bar shows only when asked for.
    virtual void showWaiting(const QString& text, bool withProgress) = 0;
    virtual void setWaitingText(const QString& text) = 0;
    [[nodiscard]] virtual QString waitingText() const = 0;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgress(int value) = 0;
    [[nodiscard]] virtual int progress() const = 0;
    [[nodiscard]] virtual int progressMaximum() const = 0;
    // Hides the panel and brings the progress bar back for the next user.
    virtual void hideWaiting() = 0;
};
