#pragma once

#include "common/ui/SaveChoice.h"
#include "common/ui/SaveEntries.h"

#include <QDialog>

#include <array>
#include <optional>

class Clock;
class Prompts;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// Asks, before uploaded readings are saved, when they were taken, which data numbers to
// store and what offset to add to them. A date or time that is no real instant, and
// numbers beyond 16 bits, are refused with a message and the dialog stays open.
class FrmShowRiLI : public QDialog {
    Q_OBJECT

public:
    FrmShowRiLI(Prompts& prompts, Clock& clock, QWidget* parent = nullptr);

    // Runs the dialog, opened with `typed` when there is something and with now and the
    // whole range otherwise. Whichever way it closes, `typed` then holds what was typed.
    // The answer; nothing when the dialog was cancelled.
    [[nodiscard]] static std::optional<SaveChoice>
    askSave(Prompts& prompts, Clock& clock, std::optional<SaveEntries>& typed, QWidget* parent);

    // The 48 half hours offered for the time, 00:00:00 to 23:30:00.
    [[nodiscard]] static QStringList HalfHours();

public slots:
    void CmdOK_Click();
    void CmdCancle_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void offer(const SaveEntries& typed);
    [[nodiscard]] SaveEntries entries() const;
    // The upload date-time typed, in its stored form; empty, after saying why, when the
    // date or the time is not a real one.
    [[nodiscard]] QString typedDateTime();
    void refuse(const QString& text);
    void showOffsetNumbers();
    void Calendar1_Click();
    void showCalendar();
    void hideCalendar();

    Prompts& m_prompts;
    Clock& m_clock;
    QSize m_sizeWithoutCalendar;
    std::optional<SaveChoice> m_choice;

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
};
