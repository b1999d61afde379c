#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

#include <functional>

class Prompts;
class QWidget;

// Opens the store chosen in the settings (or by THERMBOOK_DATABASE_URL) at start-up. A
// server that wants a password nobody has given gets it asked once for the run. A server
// that cannot be used is named in one message, with the offer to go on with the local file.
namespace StoreStartup {

// Asks for the password of the server described by `prompt`; empty when cancelled.
using AskPassword = std::function<QString(const QString& prompt)>;

// The store in use and what its opening connection found there.
struct Opened {
    // The chosen address, or the local file after a failure and a Yes; empty when the user
    // declines the local file, and the program ends.
    QString address;
    // Whether the store could be opened and read.
    StoreResult state;
    bool hasUploads = false;
    // Whether the server connection is encrypted.
    bool encrypted = false;
    // Whether the user may not add or delete rows in one of the tables a recording user
    // writes: then the program only views.
    bool readOnly = false;
};

// `recordedTables`: the tables a user must be able to write to record the pour.
[[nodiscard]] Opened open(Prompts& prompts, const AskPassword& askPassword,
                          const QString& localFile, const QStringList& recordedTables);

// Asks in a small dialog with a hidden entry.
[[nodiscard]] QString askPasswordDialog(const QString& prompt);

} // namespace StoreStartup
