#include "PortNumbers.h"

#include <QStringList>

namespace {

// Index i holds the path of COM number i + 1.
QStringList& assigned() {
    static QStringList paths;
    return paths;
}

} // namespace

quint8 PortNumbers::NumberFor(const QString& path) {
    QStringList& paths = assigned();
    qsizetype index = paths.indexOf(path);
    if (index < 0) {
        if (paths.size() >= 255)
            return 0;
        paths.append(path);
        index = paths.size() - 1;
    }
    return static_cast<quint8>(index + 1);
}

QString PortNumbers::PathFor(quint8 number) {
#ifdef Q_OS_WIN
    return number == 0 ? QString() : QStringLiteral("COM%1").arg(number);
#else
    const QStringList& paths = assigned();
    if (number == 0 || number > paths.size())
        return {};
    return paths[number - 1];
#endif
}
