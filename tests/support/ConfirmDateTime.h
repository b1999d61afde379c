#pragma once

#include "common/ui/FrmShowRiLI.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

// Types into the save's date-time dialog as the user would: the date, the time, the first
// and last channel to save and the offset added to their numbers.
inline void typeDateTime(FrmShowRiLI& d, const QString& date, const QString& time,
                         const QString& first = QStringLiteral("1"),
                         const QString& last = QStringLiteral("999"),
                         const QString& offset = QStringLiteral("+0")) {
    Part<QLineEdit>(d, "Text1")->setText(date);
    Part<QComboBox>(d, "Combo1")->setEditText(time);
    Part<QLineEdit>(d, "Text2_0")->setText(first);
    Part<QLineEdit>(d, "Text2_1")->setText(last);
    Part<QLineEdit>(d, "Text3")->setText(offset);
}

// Answers the next date-time dialog: types the entries and presses OK.
inline void confirmDateTime(ScriptedPrompts& prompts, const QString& date, const QString& time,
                            const QString& first = QStringLiteral("1"),
                            const QString& last = QStringLiteral("999"),
                            const QString& offset = QStringLiteral("+0")) {
    prompts.answerDialog<FrmShowRiLI>([=](FrmShowRiLI& d) {
        typeDateTime(d, date, time, first, last, offset);
        Part<QPushButton>(d, "CmdOK")->click();
    });
}
