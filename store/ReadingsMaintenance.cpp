#include "store/ReadingsMaintenance.h"

#include "common/NumberText.h"
#include "store/NumberTable.h"
#include "store/SqliteReason.h"
#include "store/StoreDb.h"
#include "store/StoreSchema.h"
#include "store/WriteReason.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
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

// "操作失败！" and, on the next line, why.
StoreResult failedBecause(const QString& why) {
    return StoreResult::failure(StoreResult::Kind::Failed, QStringLiteral("操作失败！\n") + why);
}

// A backup file that could not be read: why, with the file named.
StoreResult unreadable(const QString& file, const QString& why) {
    if (why == SqliteReason::NotADatabase)
        return notAReadingsFile();
    return failedBecause(QStringLiteral("%1\n%2").arg(why, file));
}

// The readings table of a backup file: the first of its tables whose trimmed name is 表1,
// skipping the engine's own tables, and it must hold the three reading columns.
StoreResult findReadingsTable(StoreDb& backup, const QString& file, QString& table) {
    QStringList names;
    if (const StoreResult r = backup.tableNames(names); !r.ok())
        return unreadable(file, r.message());
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

// Refuses a backup holding a text the program never writes: one longer than any reading's
// text, which would make every view slow and huge, or one holding a NUL character, which a
// server cannot store. Nothing of such a file is imported.
StoreResult checkCells(StoreDb& backup, const QString& file, const QString& table) {
    QString tooLong;
    QString withNul;
    for (const QString& column : {QStringLiteral("日期时间"), QStringLiteral("编号"),
                                  QStringLiteral("温度值")}) {
        const QString sep = tooLong.isEmpty() ? QString() : QStringLiteral(" or ");
        tooLong += sep + QStringLiteral("length([%1]) > %2").arg(column).arg(ReadingsMaintenance::MaxReadingText);
        withNul += sep + QStringLiteral("instr(cast([%1] as blob), ?) > 0").arg(column);
    }
    QSqlQuery q;
    const QByteArray nul(1, '\0');
    StoreResult r = backup.select(QStringLiteral("select sum(%1), sum(%2) from [%3]")
                                      .arg(tooLong, withNul, table),
                                  q, {nul, nul, nul});
    if (!r.ok() || !q.next())
        return unreadable(file, r.ok() ? SqliteReason::of(q.lastError()) : r.message());
    if (q.value(0).toLongLong() > 0)
        return failedBecause(QStringLiteral("备份文件中有 %1 条数据的文字长于 %2 个字符，不是本程序"
                                            "写出的数据，没有导入：\n%3")
                                 .arg(q.value(0).toLongLong())
                                 .arg(ReadingsMaintenance::MaxReadingText)
                                 .arg(file));
    if (q.value(1).toLongLong() > 0)
        return failedBecause(QStringLiteral("备份文件中有 %1 条数据含有空字符（NUL），不是本程序"
                                            "写出的数据，没有导入：\n%2")
                                 .arg(q.value(1).toLongLong())
                                 .arg(file));
    return {};
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

bool intactCopy(const QString& file) {
    StoreDb copy(file);
    return copy.openFile(StoreDb::Access::ReadOnly).ok() && copy.checkIntact().ok();
}

} // namespace

StoreResult ReadingsMaintenance::clearAll(const QString& dbPath) {
    return execOn(dbPath, QStringLiteral("delete * from [表1]"));
}

StoreResult ReadingsMaintenance::deleteSensor(const QString& dbPath, double number) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    QStringList tables;
    if (r.ok())
        r = db.tableNames(tables);
    if (r.ok())
        r = db.begin();
    if (r.ok())
        r = db.exec(QStringLiteral("delete * from [表1] where val(编号) =") + PlainNumber(number));
    // A file's number table forgets the number too, or the first screen by sensor would look
    // for it in every upload.
    if (r.ok() && tables.contains(NumberTable::Name))
        r = db.exec(NumberTable::forgetStatement(), {number});
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}

StoreResult ReadingsMaintenance::deleteUpload(const QString& dbPath, const QString& dateTime) {
    return execOn(dbPath, QStringLiteral("delete * from [表1] where 日期时间= ?"), {dateTime});
}

StoreResult ReadingsMaintenance::backup(const QString& dbPath, const QString& target) {
    StoreDb source(dbPath);
    StoreResult r = source.openDatabase(StoreDb::Access::ReadOnly);
    if (r.kind() == StoreResult::Kind::CannotOpen || r.kind() == StoreResult::Kind::ConnectionLost)
        return r;
    // A damaged database would be copied page by page, damage and all.
    if (r.ok() && !source.checkIntact().ok())
        return failedBecause(QStringLiteral("数据库文件已损坏，没有写出备份。"));
    const QString building = target + QStringLiteral(".tmp");
    if (r.ok()) {
        QFile::remove(building);
        r = source.backupInto(building);
        // The target may be the database itself, which must not be open when it is replaced.
        source.close();
    }
    if (r.ok() && !intactCopy(building))
        r = failedBecause(QStringLiteral("写出的备份文件没有通过检查（已损坏），没有保存。"));
    else if (!r.ok())
        r = failedBecause(r.message());
    std::error_code ec;
    if (r.ok())
        std::filesystem::rename(fsPath(building), fsPath(target), ec);
    if (ec)
        r = failedBecause(WriteReason::of(target));
    if (!r.ok())
        QFile::remove(building);
    return r;
}

StoreResult ReadingsMaintenance::importFrom(const QString& dbPath, const QString& backupFile) {
    // SQLite would read a missing file as an empty database.
    if (!QFileInfo(backupFile).isFile())
        return unreadable(backupFile, QStringLiteral("文件不存在。"));
    QString table;
    {
        StoreDb backup(backupFile);
        StoreResult r = backup.openFile(StoreDb::Access::ReadOnly);
        if (!r.ok())
            return unreadable(backupFile, SqliteReason::of(SQLITE_CANTOPEN, {}));
        if (r = findReadingsTable(backup, backupFile, table); r.ok())
            r = checkCells(backup, backupFile, table);
        if (!r.ok())
            return r;
    }
    // The database must be usable before anything is written to it.
    StoreDb db(dbPath);
    if (StoreResult r = db.openDatabase(); !r.ok())
        return r;
    const StoreResult r = db.appendReadings(backupFile, table);
    if (r.ok() || r.kind() == StoreResult::Kind::ConnectionLost)
        return r;
    return failedBecause(r.message());
}
