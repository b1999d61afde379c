#include "link/PortNumbers.h"

quint8 PortNumbers::NumberFor(const QString& path) {
    qsizetype index = m_paths.indexOf(path);
    if (index < 0) {
        if (m_paths.size() >= 255)
            return 0;
        m_paths.append(path);
        index = m_paths.size() - 1;
    }
    return static_cast<quint8>(index + 1);
}

QString PortNumbers::PathFor(quint8 number) const {
#ifdef Q_OS_WIN
    return number == 0 ? QString() : QStringLiteral("COM%1").arg(number);
#else
    if (number == 0 || number > m_paths.size())
        return {};
    return m_paths[number - 1];
#endif
}
