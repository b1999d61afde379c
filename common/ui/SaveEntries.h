#pragma once

#include <QString>

// What was typed into the date-time dialog of a save, as typed, so that a save that was
// cancelled or failed offers it again.
struct SaveEntries {
    QString date;
    QString time;
    QString firstNumber;
    QString lastNumber;
    QString offset;
};
