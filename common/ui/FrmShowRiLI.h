#pragma once

#include <QDialog>

#include <array>

class Clock;
class Prompts;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// Asks, before uploaded readings are saved, when they were taken, which data numbers to
// store and what offset to add to them. It hides itself on OK or cancel; the caller then
// reads the public values. After a cancel it keeps its entries for the next showing.
class FrmShowRiLI : public QDialog {
    Q_OBJECT

public:
    FrmShowRiLI(Prompts& prompts, Clock& clock, QWidget* parent = nullptr);

    // The chosen date-time, "yyyy-mm-dd hh:mm:ss"; empty when cancelled.
    QString MyRiLI;
    qint16 StNum = 1;
    qint16 EdNum = 999;
    qint16 OffsetNum = 0;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QCalendarWidget* Calendar1 = nullptr;
    // Indexed as the entry boxes are known: 0 first, 1 last, 2 last after offset,
    // 3 first after offset.
    std::array<QLineEdit*, 4> Text2{};
    QLineEdit* Text3 = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;

    // The 48 half hours offered for the time, 00:00:00 to 23:30:00.
    [[nodiscard]] static QStringList HalfHours();

public slots:
    void CmdOK_Click();
    void CmdCancle_Click();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void showOffsetNumbers();
    void Calendar1_Click();
    void showCalendar();
    void hideCalendar();

    Prompts& m_prompts;
    Clock& m_clock;
    QSize m_sizeWithoutCalendar;
};
