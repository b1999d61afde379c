#pragma once

#include "app/frmLogin.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

// Answers the next login: types `password` and presses OK.
inline void answerLogin(ScriptedPrompts& prompts, const QString& password = {}) {
    prompts.answerDialog<frmLogin>([password](frmLogin& login) {
        Part<QLineEdit>(login, "txtPassword")->setText(password);
        Part<QPushButton>(login, "cmdOK")->click();
    });
}
