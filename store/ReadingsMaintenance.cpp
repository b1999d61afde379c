#include "store/ReadingsMaintenance.h"

#include "common/NumberText.h"
#include "store/JetSql.h"
#include "store/RowCopy.h"
#include "store/StoreAddress.h"
#include "store/StoreDb.h"
#include "store/StoreSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

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

namespace {

// A server's tables written into a new file of the program's form at `building`. The reads
// share one snapshot, so the copy is consistent while other computers keep saving.
StoreResult backupServer(const QString& dbPath, const QString& building) {
    StoreDb source(dbPath);
    StoreResult r = source.openDatabase(StoreDb::Access::ReadOnly);
    if (r.ok())
        r = source.begin();
    if (r.ok())
        r = source.exec(QStringLiteral("set transaction isolation level repeatable read"));
    if (!r.ok())
        return r;
    StoreDb copy(building);
    r = copy.openDatabase();
    if (r.ok())
        r = copy.begin();
    for (const QString& table : StoreSchema::tables()) {
        if (!r.ok())
            break;
        r = RowCopy::append(source, QStringLiteral("select * from [%1]").arg(table), copy, table);
    }
    if (r.ok())
        r = copy.commit();
    source.rollback();
    if (r.ok())
        r = copy.exec(QStringLiteral("pragma journal_mode=delete"));
    return r;
}

} // namespace

StoreResult ReadingsMaintenance::backup(const QString& dbPath, const QString& target) {
    if (StoreAddress(dbPath).isServer()) {
        const QString building = target + QStringLiteral(".tmp");
        QFile::remove(building);
        StoreResult r = backupServer(dbPath, building);
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
    StoreDb source(dbPath);
    StoreResult r = source.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;

    const QString building = target + QStringLiteral(".tmp");
    QFile::remove(building);
    {
        QFile empty(building);
        if (!empty.open(QIODevice::WriteOnly))
            return copyFailed(QLatin1Char('\n') + empty.errorString());
    }
    int rc = SQLITE_ERROR;
    {
        StoreDb copy(building);
        if (copy.openFile(StoreDb::Access::ReadWrite).ok()) {
            sqlite3_backup* job =
                sqlite3_backup_init(copy.handle(), "main", source.handle(), "main");
            if (job) {
                rc = sqlite3_backup_step(job, -1);
                const int finish = sqlite3_backup_finish(job);
                if (rc == SQLITE_DONE)
                    rc = finish;
                // A backup is a single file of its own, readable wherever it is carried,
                // whatever journal the program's database keeps.
                if (rc == SQLITE_OK)
                    rc = sqlite3_exec(copy.handle(), "pragma journal_mode=delete", nullptr,
                                      nullptr, nullptr);
            } else {
                rc = sqlite3_errcode(copy.handle());
            }
        }
    }
    source.close();
    if (rc != SQLITE_OK) {
        QFile::remove(building);
        return copyFailed(QLatin1Char('\n') + QString::fromUtf8(sqlite3_errstr(rc)));
    }
    std::error_code ec;
    std::filesystem::rename(fsPath(building), fsPath(target), ec);
    if (ec) {
        QFile::remove(building);
        return copyFailed(QLatin1Char('\n') + QString::fromStdString(ec.message()));
    }
    return {};
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
    {
        // The database must be usable before anything is written to it.
        StoreDb db(dbPath);
        if (StoreResult r = db.openDatabase(); !r.ok())
            return r;
    }

    const QString columns = QStringLiteral("[日期时间],[编号],[温度值]");
    if (StoreAddress(dbPath).isServer()) {
        // The server cannot read the file: its rows are read here and sent over.
        StoreDb backup(backupFile);
        if (!backup.openFile(StoreDb::Access::ReadOnly).ok())
            return notAReadingsFile();
        StoreDb db(dbPath);
        StoreResult r = db.openDatabase();
        if (r.ok())
            r = db.begin();
        if (r.ok())
            r = RowCopy::append(backup,
                                QStringLiteral("select %1 from [%2]").arg(columns, table), db,
                                StoreSchema::Readings);
        if (r.ok())
            return db.commit();
        db.rollback();
        return r;
    }
    if (QFileInfo(backupFile).canonicalFilePath() == QFileInfo(dbPath).canonicalFilePath()) {
        // The database itself was chosen: its readings are appended once more, and the file
        // is not attached to itself.
        return execOn(dbPath,
                      QStringLiteral("Insert Into [表1](%1) select %1 from [表1]").arg(columns));
    }
    // Columns are named rather than taken with *, so a backup whose table lists them in
    // another order still lands each value in its own column.
    StoreDb backup(backupFile);
    StoreResult r = backup.openFile(StoreDb::Access::ReadWrite);
    if (!r.ok())
        return notAReadingsFile();
    return backup.exec(QStringLiteral("Insert Into [表1](%1) in %2 select %1 from [%3]")
                           .arg(columns, JetSql::quoted(dbPath), table));
}
