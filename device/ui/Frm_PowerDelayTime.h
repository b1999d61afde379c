#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RS_fun;

// Sets the recorder's idle power-off time. Stays open after sending, so the user can see
// the re-read information and send again.
class Frm_PowerDelayTime : public QDialog {
    Q_OBJECT

signals:
    // The setting was handed to the recorder; the main window re-reads the information.
    void settingSent();

public:
    explicit Frm_PowerDelayTime(RS_fun& rs, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1Second = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CMdSend1 = nullptr;
    QPushButton* CmdExit = nullptr;

public slots:
    void Command1_Click();
    void CMdSend1_Click();
    void CmdExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Text1_KeyUp();
    // While the recorder is being waited for: a busy cursor and no buttons to press.
    void setWaiting(bool waiting);

    RS_fun& m_rs;
};
