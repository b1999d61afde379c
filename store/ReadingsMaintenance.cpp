#include "store/ReadingsMaintenance.h"

#include "common/NumberText.h"
#include "store/StoreDb.h"
#include "store/StoreSchema.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <filesystem>
#include <system_error>

namespace {

StoreResult execOn(const QString& dbPath, const QString& sql, const QVariantList& values = {}) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (r.ok())
        r = db.exec(sql, values);
    return r;
}

StoreResult notAReadingsFile() {
    return StoreResult::failure(StoreResult::Kind::NotAReadingsFile,
                                QStringLiteral("备份文件格式不对！操作失败！"));
}

StoreResult copyFailed(const QString& why) {
    return StoreResult::failure(StoreResult::Kind::Failed, QStringLiteral("操作失败！") + why);
}

// The readings table of a backup file: the first of its tables whose trimmed name is 表1,
// skipping the engine's own tables, and it must hold the three reading columns.
StoreResult findReadingsTable(StoreDb& backup, QString& table) {
    QStringList names;
    if (!backup.tableNames(names).ok())
        return notAReadingsFile();
    for (const QString& name : names) {
        if (name.startsWith(QLatin1String("MSys")))
            continue;
        if (name.trimmed() == StoreSchema::Readings) {
            table = name;
            break;
        }
    }
    if (table.isEmpty())
        return notAReadingsFile();
    QSqlQuery q;
    if (!backup.select(QStringLiteral("select * from [%1] where 1 = 0").arg(table), q).ok())
        return notAReadingsFile();
    const QSqlRecord record = q.record();
    for (const char* column : {"日期时间", "编号", "温度值"})
        if (record.indexOf(QString::fromUtf8(column)) < 0)
            return notAReadingsFile();
    return {};
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

StoreResult ReadingsMaintenance::clearAll(const QString& dbPath) {
    return execOn(dbPath, QStringLiteral("delete * from [表1]"));
}

StoreResult ReadingsMaintenance::deleteSensor(const QString& dbPath, double number) {
    return execOn(dbPath,
                  QStringLiteral("delete * from [表1] where val(编号) =") + PlainNumber(number));
}

StoreResult ReadingsMaintenance::deleteUpload(const QString& dbPath, const QString& dateTime) {
    return execOn(dbPath, QStringLiteral("delete * from [表1] where 日期时间= ?"), {dateTime});
}

StoreResult ReadingsMaintenance::backup(const QString& dbPath, const QString& target) {
    StoreDb source(dbPath);
    StoreResult r = source.openDatabase(StoreDb::Access::ReadOnly);
    const QString building = target + QStringLiteral(".tmp");
    if (r.ok()) {
        QFile::remove(building);
        r = source.backupInto(building);
        // The target may be the database itself, which must not be open when it is replaced.
        source.close();
    }
    std::error_code ec;
    if (r.ok())
        std::filesystem::rename(fsPath(building), fsPath(target), ec);
    if (r.ok() && !ec)
        return r;
    QFile::remove(building);
    if (r.kind() == StoreResult::Kind::CannotOpen || r.kind() == StoreResult::Kind::ConnectionLost)
        return r;
    return copyFailed(QLatin1Char('\n') +
                      (ec ? QString::fromStdString(ec.message()) : r.message()));
}

StoreResult ReadingsMaintenance::importFrom(const QString& dbPath, const QString& backupFile) {
    QString table;
    {
        StoreDb backup(backupFile);
        if (!backup.openFile(StoreDb::Access::ReadOnly).ok())
            return notAReadingsFile();
        if (StoreResult r = findReadingsTable(backup, table); !r.ok())
            return r;
    }
    // The database must be usable before anything is written to it.
    StoreDb db(dbPath);
    if (StoreResult r = db.openDatabase(); !r.ok())
        return r;
    const StoreResult r = db.appendReadings(backupFile, table);
    return r.kind() == StoreResult::Kind::CannotOpen ? notAReadingsFile() : r;
}
