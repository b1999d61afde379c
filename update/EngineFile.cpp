#include "EngineFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

QString EngineFile::Name() {
#ifdef Q_OS_WIN
    return QStringLiteral("Update.exe");
#else
    return QStringLiteral("Update");
#endif
}

bool EngineFile::IsExecutableFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
#ifdef Q_OS_WIN
    const QByteArray head = file.read(25);
    return head.size() == 25 && static_cast<unsigned char>(head.at(24)) == 0x40;
#else
    const QByteArray head = file.read(4);
    return head.startsWith("\x7f" "ELF") || head.startsWith("#!");
#endif
}

bool EngineFile::Start(const QString& path, const QString& argument) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                    QFileDevice::ExeUser | QFileDevice::ExeGroup);
    return QProcess::startDetached(path, {argument}, QFileInfo(path).absolutePath());
}
