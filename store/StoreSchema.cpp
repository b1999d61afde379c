#include "StoreSchema.h"

#include "StoreDb.h"

#include <QFile>
#include <QFileInfo>

QStringList StoreSchema::createTableStatements() {
    QString groups = QStringLiteral("Create Table [分组定义] ([组名] text");
    for (int k = 1; k <= 8; ++k)
        groups += QStringLiteral(", [传感器%1] text").arg(k);
    groups += QLatin1Char(')');

    QString stations = QStringLiteral(
        "Create Table [测量数据] ([myid] text, [接收日期] text, [接收时间] text, [站点编号] text");
    for (int k = 1; k <= 8; ++k)
        stations += QStringLiteral(", [t%1] text").arg(k);
    stations += QLatin1Char(')');

    return {QStringLiteral("Create Table [表1] ([日期时间] text, [编号] text, [温度值] text)"),
            groups, stations};
}

QStringList StoreSchema::indexNames() {
    return {QStringLiteral("表1_日期时间")};
}

QStringList StoreSchema::createIndexStatements() {
    return {QStringLiteral("Create Index If Not Exists [%1] On [表1] ([日期时间])")
                .arg(indexNames().first())};
}

StoreResult StoreSchema::createFile(const QString& path) {
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    {
        // SQLite reads an empty file as an empty database.
        QFile empty(building);
        if (!empty.open(QIODevice::WriteOnly))
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                StoreDb::cannotOpenText(path,
                                        QStringLiteral("无法创建该文件。") + empty.errorString()));
    }
    {
        StoreDb db(building);
        StoreResult r = db.openFile(StoreDb::Access::ReadWrite);
        if (r.ok())
            r = db.begin();
        for (const QString& sql : createTableStatements() + createIndexStatements()) {
            if (!r.ok())
                break;
            r = db.exec(sql);
        }
        if (r.ok())
            r = db.commit();
        if (!r.ok()) {
            db.close();
            QFile::remove(building);
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                StoreDb::cannotOpenText(path, QStringLiteral("无法创建该文件。")));
        }
    }
    // Another start may have made the file meanwhile; then that one is used.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        if (!QFileInfo::exists(path))
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                StoreDb::cannotOpenText(path, QStringLiteral("无法创建该文件。")));
    }
    return {};
}
