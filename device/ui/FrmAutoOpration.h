#pragma once

#include <QDialog>

class Clock;
class QListWidget;
class QTimer;
class RS_fun;

// Prepares a new recorder unattended: one step of the factory sequence every second,
// each listed as it starts; the window closes itself at the end.
class FrmAutoOpration : public QDialog {
    Q_OBJECT

public:
    FrmAutoOpration(RS_fun& rs, Clock& clock, QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;
    QTimer* Timer1 = nullptr;

    [[nodiscard]] int AutoStep() const { return m_autoStep; }
    [[nodiscard]] bool AutoDone() const { return m_autoDone; }

    // Closing the window stops the sequence where it stands.
    void done(int result) override;

public slots:
    void Timer1_Timer();

private:
    void Form_Load();

    RS_fun& m_rs;
    int m_autoStep = 0;
    bool m_autoDone = false;
};
