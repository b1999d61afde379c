#pragma once

#include <QString>
#include <QStringList>

class PortNumbers;

#ifdef Q_OS_WIN
#include <QByteArray>
#include <QVariant>
#include <qt_windows.h>
#endif

// What the system knows about serial ports and the recorder's USB-serial driver. Both
// platforms offer ListSerialPorts and DriverInstalled; the registry helpers exist only
// where there is a registry.
namespace RegWR {

// One line per serial port the system knows, such as "\Device\Serial0=COM1" and CR LF.
// Where ports are named by path, each gets its COM number from `numbers`.
[[nodiscard]] QString ListSerialPorts(PortNumbers& numbers);

// True when the driver of the recorder's USB-serial adapter is installed.
[[nodiscard]] bool DriverInstalled();

#ifdef Q_OS_WIN
// Reads one value of an open key: a string with the length the registry reports (its
// terminating NUL included), or a 32-bit number. Returns 0 on success, -1 for a type it
// does not read, or the registry's error code; `value` is set only on success.
[[nodiscard]] LONG ReadRegValue(HKEY key, const QString& name, QVariant& value);

// A value as text, or "" when the key or the value cannot be read.
[[nodiscard]] QString ReadRegString(HKEY root, const QString& subkey, const QString& name);

// The items of a NUL-separated multi-string buffer.
[[nodiscard]] QStringList SplitMultiString(const QByteArray& buffer);
#else
// The device paths named in THERMBOOK_SERIAL_PORTS, separated by ":".
[[nodiscard]] QStringList ExtraPortPaths();

// The listing of `systemPaths` followed by `extraPaths`, each path with its COM number.
// The extra paths come last, so they are probed first, and the first named one first.
[[nodiscard]] QString PortListing(const QStringList& systemPaths, const QStringList& extraPaths,
                                  PortNumbers& numbers);

// True when the pl2303 driver is registered, built into the kernel `kernelRelease` or
// available as one of its modules, looking at the file tree below `root` ("" = "/").
[[nodiscard]] bool Pl2303Known(const QString& root, const QString& kernelRelease);
#endif

} // namespace RegWR
