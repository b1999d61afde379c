#pragma once

#include "link/DeviceInfo.h"

#include <QStringList>

// What one command brought back from the recorder.
struct CommandResult {
    // The reply carried the marker, and an information reply or data block was decoded.
    // False as well when the command was refused or the code is not the recorder's.
    bool ok = false;
    // The decoded fields, when an information request was answered.
    DeviceInfo info;
    // The 999 reading texts, when the data block came whole.
    QStringList readings;
};
