#pragma once

#include <QString>
#include <QStringList>

// COM numbers for the serial ports of a system that names its ports by path. Each path
// gets a number 1..255 the first time it is seen, and keeps it for as long as this object
// lives (the device link's life, so the whole run), so ComPortNo can name the port the
// recorder was found on.
class PortNumbers {
public:
    // The number of `path`, assigned now if the path is new; 0 when all 255 are taken.
    [[nodiscard]] quint8 NumberFor(const QString& path);

    // The port to open for COM number `number`: the assigned path, or the system's own
    // COMn name where ports are named that way. Empty for a number never assigned.
    [[nodiscard]] QString PathFor(quint8 number) const;

private:
    // Index i holds the path of COM number i + 1.
    QStringList m_paths;
};
