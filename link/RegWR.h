#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

// One line per serial port to probe, such as "\Device\Serial0=COM1" and CR LF: every port
// the registry knows, or, where ports are named by path, the USB serial adapters and the
// named paths (see PortListing), each with its COM number from `numbers`.
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
// What the system tells about one of its serial ports.
struct SerialPortDescription {
    QString path;
    // The USB vendor of the adapter behind the port; none for a built-in port.
    std::optional<quint16> usbVendor;
};

// The USB vendor of the PL-2303 adapters the recorders are sold with.
inline constexpr quint16 Pl2303Vendor = 0x067B;

// The system's ports worth probing for the recorder, in probing order: USB serial adapters
// only, PL-2303 adapters first, each group by path.
[[nodiscard]] QStringList UsbSerialPorts(const QList<SerialPortDescription>& ports);

// The device paths named in THERMBOOK_SERIAL_PORTS, separated by ":".
[[nodiscard]] QStringList ExtraPortPaths();

// The listing of the ports to probe, each path with its COM number, so that the search,
// which walks the listing from its last line, probes the named `extraPaths` first, in the
// order named, and then `systemPaths` in their order.
[[nodiscard]] QString PortListing(const QStringList& systemPaths, const QStringList& extraPaths,
                                  PortNumbers& numbers);

// True when the pl2303 driver is registered, built into the kernel `kernelRelease` or
// available as one of its modules, looking at the file tree below `root` ("" = "/").
[[nodiscard]] bool Pl2303Known(const QString& root, const QString& kernelRelease);
#endif

} // namespace RegWR
