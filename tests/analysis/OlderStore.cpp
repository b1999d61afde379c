#include "tests/analysis/OlderStore.h"

#include "tests/analysis/PourBuilder.h"

#include <QDir>
#include <QFile>

QString OlderStore::copyTo(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("older.mdb"));
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(OLDER_STORE_DIR "/older-store.mdb"), path))
        return {};
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QStringList OlderStore::figures() {
    QFile file(QStringLiteral(OLDER_STORE_DIR "/older-store-figures.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QDateTime OlderStore::now() {
    return PourBuilder::hour(40);
}
