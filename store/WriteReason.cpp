#include "store/WriteReason.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

QString WriteReason::of(const QString& path) {
    const QFileInfo info(path);
    if (!info.dir().exists())
        return QStringLiteral("文件夹不存在。");
    const QStorageInfo disk(info.absolutePath());
    if (disk.isReadOnly())
        return QStringLiteral("存储介质只读，无法写入。");
    // A file system keeps some room for itself; below a page or two nothing more fits.
    if (disk.bytesAvailable() < 16 * 1024)
        return QStringLiteral("磁盘已满。");
    return QStringLiteral("文件无法写入。");
}
