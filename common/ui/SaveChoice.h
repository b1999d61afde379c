#pragma once

#include <QString>

// The answer of the date-time dialog of a save: when the readings were taken, as the
// upload date-time "yyyy-mm-dd hh:mm:ss", the first and last data number to store, and the
// offset added to every stored number.
struct SaveChoice {
    QString dateTime;
    qint16 firstNumber = 1;
    qint16 lastNumber = 999;
    qint16 offset = 0;
};
