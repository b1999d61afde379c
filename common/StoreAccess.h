#pragma once

#include <QString>

// Whether the database user the program runs as may change data. A server user who may only
// read (the head office that follows the pour) gets a program that only views: start-up
// sets this once from what the server says, and the windows switch off every command that
// would write. The server refuses such writes anyway; this spares the user the attempt.
namespace StoreAccess {

// The status bar's and the switched-off commands' words.
inline const QString ReadOnlyText = QStringLiteral("只读：当前用户只能查看数据");

void setReadOnly(bool readOnly);
[[nodiscard]] bool readOnly();
// Whether the connection to the database server is encrypted.
void setEncrypted(bool encrypted);
[[nodiscard]] bool encrypted();

} // namespace StoreAccess
