#pragma once

#include <QDialog>

class Clock;
class ClockTimer;
class QListWidget;
class RS_fun;
struct CommandResult;
struct DeviceInfo;

// Prepares a new recorder unattended: one step of the factory sequence every second,
// each listed as it starts; the window closes itself at the end.
class FrmAutoOpration : public QDialog {
    Q_OBJECT

signals:
    // An information step was answered: the recorder's latest state, for the main window
    // to keep (its list is not redrawn).
    void informationRead(const DeviceInfo& information);

public:
    FrmAutoOpration(RS_fun& rs, Clock& clock, QWidget* parent = nullptr);

    // Closing the window stops the sequence where it stands.
    void done(int result) override;

private:
    void Timer1_Timer();
    void commandEnded(int code, const CommandResult& result);
    void stepEnded();

    RS_fun& m_rs;
    QListWidget* List1;
    ClockTimer* Timer1;
    int m_autoStep = 0;
    bool m_autoDone = false;
};
