#include "update/EngineFile.h"

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

bool EngineFile::IsExecutable(const QByteArray& contents) {
#ifdef Q_OS_WIN
    return contents.size() >= 25 && static_cast<unsigned char>(contents.at(24)) == 0x40;
#else
    return contents.startsWith("\x7f"
                               "ELF") ||
           contents.startsWith("#!");
#endif
}

bool EngineFile::Start(const QString& path, const QString& argument) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                    QFileDevice::ExeUser | QFileDevice::ExeGroup);
    return QProcess::startDetached(path, {argument}, QFileInfo(path).absolutePath());
}
