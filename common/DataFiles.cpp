#include "common/DataFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(QStringLiteral("../share/thermbook")));
}

} // namespace

bool DataFiles::IsInstalled(const QString& programFolder) {
    return QFileInfo(installedDataFolder(programFolder)).isDir();
}

QString DataFiles::Folder(const QString& programFolder) {
    const QString folder = IsInstalled(programFolder) ? installedDataFolder(programFolder)
                                                      : QDir::cleanPath(programFolder);
    return folder + QLatin1Char('/');
}

QString DataFiles::Path(const QString& programFolder, const QString& fileName) {
    return Folder(programFolder) + fileName;
}
