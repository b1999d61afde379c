#include "Module1.h"

#include <QDir>

void Module1::SetFolders(const QString& programFolder) {
    const QChar sep = QDir::separator();
    AppFolder = QDir::toNativeSeparators(programFolder);
    if (!AppFolder.endsWith(sep))
        AppFolder += sep;
    DatabasePath = AppFolder + DatabaseFileName;
}
