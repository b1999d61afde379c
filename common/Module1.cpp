#include "common/Module1.h"

#include "common/DataFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString asFolder(const QString& path) {
    QString folder = QDir::toNativeSeparators(path);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

// The program's own folder inside one of the user's standard locations. The generic
// locations are used with the title appended, so the place does not hang on the name the
// process happens to carry (a test, a renamed binary).
QString userFolder(QStandardPaths::StandardLocation location) {
    return asFolder(QStandardPaths::writableLocation(location) + QLatin1Char('/') +
                    Module1::AppTitle);
}

} // namespace

Module1 Module1::ForFolder(const QString& programFolder) {
    Module1 state;
    state.AppFolder = asFolder(programFolder);
    state.Installed = DataFiles::IsInstalled(programFolder);
    if (state.Installed) {
        state.DataFolder = userFolder(QStandardPaths::GenericDataLocation);
        state.DocumentsFolder = userFolder(QStandardPaths::DocumentsLocation);
        state.CacheFolder = userFolder(QStandardPaths::GenericCacheLocation);
    } else {
        state.DataFolder = state.AppFolder;
        state.DocumentsFolder = state.AppFolder;
        state.CacheFolder = state.AppFolder;
    }
    state.DatabasePath = state.DataFolder + DatabaseFileName;
    return state;
}
