#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Sets the recorder's idle power-off time. Stays open after sending, so the user can see
// the re-read information and send again.
class Frm_PowerDelayTime : public QDialog {
    Q_OBJECT

signals:
    // The user asked for `minutes` (1..240) to be sent; the dialog looks busy until
    // sendingEnded().
    void sendRequested(int minutes);

public:
    // `minutes`: the recorder's power-off time as last read.
    explicit Frm_PowerDelayTime(const QString& minutes, QWidget* parent = nullptr);
    ~Frm_PowerDelayTime() override;

    // The setting went out and the information was read again: the buttons come back.
    void sendingEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Text1_KeyUp();
    void Command1_Click();
    void CMdSend1_Click();
    void CmdExit_Click();
    // While the recorder is being waited for: a busy cursor and no buttons to press.
    void setWaiting(bool waiting);

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label1Second;
    QPushButton* Command1;
    QPushButton* CMdSend1;
    QPushButton* CmdExit;
    bool m_waiting = false;
};
