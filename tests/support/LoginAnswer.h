#pragma once

#include "app/frmLogin.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>

// Answers the login dialog once it shows: types `password` and presses OK.
inline std::function<void(frmLogin&)> answerLogin(const QString& password = {}) {
    return [password](frmLogin& login) {
        QTimer::singleShot(0, &login, [&login, password] {
            login.txtPassword->setText(password);
            login.cmdOK->click();
        });
    };
}
