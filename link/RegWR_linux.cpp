// Where there is no registry, ports are found through Qt's port enumeration and the driver
// through the kernel's module files.
#include "RegWR.h"

#ifndef Q_OS_WIN

#include "PortNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSysInfo>

#include <algorithm>

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

QString RegWR::PortListing(const QStringList& systemPaths, const QStringList& extraPaths,
                          PortNumbers& numbers) {
    QStringList ordered;
    for (const QString& path : systemPaths) {
        if (!extraPaths.contains(path) && !ordered.contains(path))
            ordered.append(path);
    }
    // The last line is probed first; the extra paths are probed in the order named.
    for (auto it = extraPaths.crbegin(); it != extraPaths.crend(); ++it) {
        ordered.removeAll(*it);
        ordered.append(*it);
    }
    QString listing;
    int line = 0;
    for (const QString& path : ordered) {
        const quint8 number = numbers.NumberFor(path);
        if (number == 0)
            continue;
        // The name never repeats the path, so a path containing "com" cannot pose as a port.
        listing += QStringLiteral("\\Device\\Serial%1=COM%2\r\n").arg(line++).arg(number);
    }
    return listing;
}

QString RegWR::ListSerialPorts(PortNumbers& numbers) {
    QStringList system;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports)
        system.append(port.systemLocation());
    std::sort(system.begin(), system.end());
    return PortListing(system, ExtraPortPaths(), numbers);
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
