#pragma once

#include "common/ui/WaitingPanel.h"

#include <QStringList>

// A waiting panel that only notes what it was asked to show, for controllers tested
// without the main window.
class RecordingPanel : public WaitingPanel {
public:
    void showWaiting(const QString& text, bool withProgress) override {
        log.append(text + (withProgress ? QStringLiteral(" +progress") : QString()));
        texts.append(text);
        m_text = text;
        visible = true;
    }
    void setWaitingText(const QString& text) override {
        texts.append(text);
        m_text = text;
    }
    [[nodiscard]] QString waitingText() const override { return m_text; }
    void setProgressRange(int /*minimum*/, int maximum) override {
        m_maximum = maximum;
    }
    void setProgress(int value) override { m_value = value; }
    [[nodiscard]] int progress() const override { return m_value; }
    [[nodiscard]] int progressMaximum() const override { return m_maximum; }
    void hideWaiting() override {
        log.append(QStringLiteral("hide"));
        visible = false;
    }

    // Shows and hides, in order.
    QStringList log;
    // Every label text, shown or set, in order.
    QStringList texts;
    bool visible = false;

private:
    QString m_text;
    int m_maximum = 100;
    int m_value = 0;
};
