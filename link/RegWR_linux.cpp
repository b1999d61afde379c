// Where there is no registry, ports are found through Qt's port enumeration and the driver
// through the kernel's module files.
#include "link/RegWR.h"

#ifndef Q_OS_WIN

#include "link/PortNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSysInfo>

#include <algorithm>
#include <iterator>

namespace {

const QString PortsVariable = QStringLiteral("THERMBOOK_SERIAL_PORTS");
const QString DriverName = QStringLiteral("pl2303");

// True when a module path of a kernel list (modules.builtin, or the part of a
// modules.dep line before ":") names the driver, compressed or not.
bool namesDriver(QByteArrayView modulePath) {
    const QString file = QFileInfo(QString::fromUtf8(modulePath.trimmed())).fileName();
    return file.startsWith(DriverName + QStringLiteral(".ko"));
}

bool listNamesDriver(const QString& path) {
    QFile list(path);
    if (!list.open(QIODevice::ReadOnly))
        return false;
    while (!list.atEnd()) {
        const QByteArray line = list.readLine();
        const qsizetype colon = line.indexOf(':');
        if (namesDriver(colon < 0 ? QByteArrayView(line) : QByteArrayView(line).first(colon)))
            return true;
    }
    return false;
}

} // namespace

QStringList RegWR::ExtraPortPaths() {
    const QString value = qEnvironmentVariable(PortsVariable.toLatin1().constData());
    return value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList RegWR::UsbSerialPorts(const QList<SerialPortDescription>& ports) {
    // A built-in port costs the search a silent quarter minute, and whatever sits on it
    // has no business receiving the recorder's wake-up frames.
    QList<SerialPortDescription> usb;
    std::copy_if(ports.cbegin(), ports.cend(), std::back_inserter(usb),
                 [](const SerialPortDescription& port) { return port.usbVendor.has_value(); });
    const auto probedFirst = [](const SerialPortDescription& a, const SerialPortDescription& b) {
        const bool aPl2303 = a.usbVendor == Pl2303Vendor;
        const bool bPl2303 = b.usbVendor == Pl2303Vendor;
        return aPl2303 != bPl2303 ? aPl2303 : a.path < b.path;
    };
    std::sort(usb.begin(), usb.end(), probedFirst);
    QStringList paths;
    for (const SerialPortDescription& port : usb)
        paths.append(port.path);
    return paths;
}

QString RegWR::PortListing(const QStringList& systemPaths, const QStringList& extraPaths,
                           PortNumbers& numbers) {
    QStringList probeOrder = extraPaths;
    for (const QString& path : systemPaths) {
        if (!probeOrder.contains(path))
            probeOrder.append(path);
    }
    QString listing;
    int line = 0;
    // The search probes the listing's last line first.
    for (auto it = probeOrder.crbegin(); it != probeOrder.crend(); ++it) {
        const quint8 number = numbers.NumberFor(*it);
        if (number == 0)
            continue;
        // The name never repeats the path, so a path containing "com" cannot pose as a port.
        listing += QStringLiteral("\\Device\\Serial%1=COM%2\r\n").arg(line++).arg(number);
    }
    return listing;
}

QString RegWR::ListSerialPorts(PortNumbers& numbers) {
    QList<SerialPortDescription> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        std::optional<quint16> vendor;
        if (port.hasVendorIdentifier())
            vendor = port.vendorIdentifier();
        ports.append({port.systemLocation(), vendor});
    }
    return PortListing(UsbSerialPorts(ports), ExtraPortPaths(), numbers);
}

bool RegWR::Pl2303Known(const QString& root, const QString& kernelRelease) {
    if (QFileInfo::exists(root + QStringLiteral("/sys/bus/usb-serial/drivers/") + DriverName))
        return true;
    if (kernelRelease.isEmpty())
        return false;
    const QString modules = root + QStringLiteral("/lib/modules/") + kernelRelease;
    if (listNamesDriver(modules + QStringLiteral("/modules.builtin")))
        return true;
    const QDir serialDrivers(modules + QStringLiteral("/kernel/drivers/usb/serial"));
    if (!serialDrivers.entryList({DriverName + QStringLiteral(".ko*")}, QDir::Files).isEmpty())
        return true;
    return listNamesDriver(modules + QStringLiteral("/modules.dep"));
}

bool RegWR::DriverInstalled() {
    // Naming ports by hand says the user has a working link, whatever drives it.
    if (!ExtraPortPaths().isEmpty())
        return true;
    return Pl2303Known(QString(), QSysInfo::kernelVersion());
}

#endif
