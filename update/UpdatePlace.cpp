#include "UpdatePlace.h"

#include "DataFiles.h"

#include <QDir>
#include <QStandardPaths>

UpdatePlace UpdatePlace::For(const QString& programFolder) {
    if (DataFiles::IsInstalled(programFolder)) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        return {cache + QStringLiteral("/thermbook/"), true};
    }
    return {QDir::cleanPath(QDir::fromNativeSeparators(programFolder)) + QLatin1Char('/'), false};
}
