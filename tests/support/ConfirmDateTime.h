#pragma once

#include "common/ui/FrmShowRiLI.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

// Fills the save's date-time dialog and presses OK: the date, the time, the first and last
// channel to save and the offset added to their numbers.
inline void confirmDateTime(FrmShowRiLI* d, const QString& date, const QString& time,
                            const QString& first = QStringLiteral("1"),
                            const QString& last = QStringLiteral("999"),
                            const QString& offset = QStringLiteral("+0")) {
    d->Text1->setText(date);
    d->Combo1->setEditText(time);
    d->Text2[0]->setText(first);
    d->Text2[1]->setText(last);
    d->Text3->setText(offset);
    d->CmdOK->click();
}
