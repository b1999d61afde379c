#pragma once

#include <QByteArray>
#include <QString>

// The update engine: the program the update hands over to, which replaces this one.
namespace EngineFile {

// Its name on the server and on disk: "Update.exe" on Windows, "Update" elsewhere.
[[nodiscard]] QString Name();
// True when a file's contents are a program this platform can start: on Windows the byte
// at position 25 is 0x40 as in a Windows executable's header; elsewhere the contents start
// with the ELF magic or with "#!".
[[nodiscard]] bool IsExecutable(const QByteArray& contents);
// Marks the file executable and starts it with `argument` as its single argument, without
// waiting for it; false when it could not be started.
[[nodiscard]] bool Start(const QString& path, const QString& argument);

} // namespace EngineFile
