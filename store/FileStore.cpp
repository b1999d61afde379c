#include "store/FileStore.h"

#include "store/FileTextCursor.h"
#include "store/FirstRows.h"
#include "store/JetValFunction.h"
#include "store/NumberTable.h"
#include "store/RowCopy.h"
#include "store/SqliteReason.h"
#include "store/StoreAddress.h"
#include "store/StoreSchema.h"
#include "store/WriteReason.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>

FileStore::FileStore(QString path, int busyTimeoutMs)
    : StoreConnection(std::move(path), busyTimeoutMs) {}

StoreResult FileStore::cannotOpen(const QString& path, const QString& reason) {
    StoreResult r =
        StoreResult::failure(StoreResult::Kind::CannotOpen, QStringLiteral("数据库文件无法打开：") +
                                                                path + QLatin1Char('\n') + reason);
    if (reason == SqliteReason::Locked)
        r.markRetryable();
    return r;
}

JetSql::Translation FileStore::translate(const QString& sql) const {
    return JetSql::translate(sql);
}

StoreResult FileStore::statementFailure(const QSqlError& error, const QString&) {
    // A failed commit comes without SQLite's code; the connection still holds it.
    bool coded = false;
    (void)error.nativeErrorCode().toInt(&coded);
    sqlite3* h = handle();
    if (!coded && h)
        return failed(SqliteReason::of(sqlite3_extended_errcode(h), error.text()));
    return failed(reasonText(error));
}

QString FileStore::reasonText(const QSqlError& error) const {
    return SqliteReason::of(error);
}

QString FileStore::tableNamesStatement() const {
    return QStringLiteral("select name from sqlite_master where type = 'table' and "
                          "name not like 'sqlite%'");
}

StoreResult FileStore::connect(Access access) {
    (void)addConnection(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        const QString reason = reasonText(m_db.lastError());
        close();
        return cannotOpen(m_path, reason);
    }
    sqlite3* h = handle();
    if (!h || !guard(h) || JetVal::registerSqlFunction(h) != SQLITE_OK) {
        close();
        return cannotOpen(m_path, QStringLiteral("数据库引擎无法使用。"));
    }
    // A view of every reading sorts millions of rows; SQLite shares a sort among helper
    // threads only when asked.
    const QByteArray threads =
        "pragma threads = " + QByteArray::number(std::clamp(QThread::idealThreadCount(), 1, 4));
    (void)sqlite3_exec(h, threads.constData(), nullptr, nullptr, nullptr);
    return {};
}

bool FileStore::guard(sqlite3* h) {
    // Every file may come from outside (a backup, a copy put in place of the database): its
    // schema may not rewrite the engine's own records, call functions with side effects from
    // a view or trigger, or hand the full-text engine a pointer; and a damaged page is found
    // when it is read rather than trusted.
    int was = 0;
    return sqlite3_db_config(h, SQLITE_DBCONFIG_DEFENSIVE, 1, &was) == SQLITE_OK &&
           sqlite3_db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &was) == SQLITE_OK &&
           sqlite3_db_config(h, SQLITE_DBCONFIG_ENABLE_FTS3_TOKENIZER, 0, &was) == SQLITE_OK &&
           sqlite3_exec(h, "pragma cell_size_check = on", nullptr, nullptr, nullptr) == SQLITE_OK;
}

StoreResult FileStore::openFile(Access access) {
    // SQLite would quietly make an empty file where none is; a chosen file must exist.
    if (!QFileInfo(m_path).isFile())
        return cannotOpen(m_path, QStringLiteral("文件不存在。"));
    return connect(access);
}

StoreResult FileStore::openDatabase(Access access) {
    if (!QFileInfo::exists(m_path)) {
        StoreResult made = createFile(m_path);
        if (!made.ok())
            return made;
    }
    StoreResult r = openFile(access);
    if (r.ok())
        r = checkTables(access);
    // With a write-ahead log, a write never waits for a view still reading, nor a view for
    // a write. Where the file system cannot keep one (some network shares) the file keeps
    // its rollback journal, and writers wait for readers as before.
    if (r.ok() && access == Access::ReadWrite)
        (void)exec(QStringLiteral("pragma journal_mode=wal"), {});
    if (!r.ok())
        close();
    return r;
}

StoreResult FileStore::checkTables(Access access) {
    QStringList names;
    StoreResult r = tableNames(names);
    if (!r.ok())
        return cannotOpen(m_path, r.message());
    for (const QString& table : StoreSchema::tables())
        if (!names.contains(table))
            return cannotOpen(m_path, QStringLiteral("缺少数据表“%1”。").arg(table));

    if (access == Access::ReadWrite) {
        if (r = refuseTriggers(); !r.ok())
            return r;
        // A file made elsewhere (or by an earlier version) gets the indexes on its first
        // writable use. They only make reading quicker, so a failure here is no failure of
        // the operation; the operation's own statements report any real problem.
        QStringList missing = StoreSchema::indexNames();
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("select name from sqlite_master where type = 'index'"));
        while (q.next())
            missing.removeAll(q.value(0).toString());
        q.finish();
        if (!missing.isEmpty())
            for (const QString& sql : StoreSchema::createIndexStatements())
                (void)exec(sql, {});
        // So is the number table, which an earlier version did not make, and which
        // another tool may have let fall behind.
        bool made = true;
        for (const QString& sql : NumberTable::createStatements())
            made = made && exec(sql, {}).ok();
        m_keepsNumbers = made && NumberTable::catchUp(*this).ok();
    }
    return {};
}

StoreResult FileStore::refuseTriggers() {
    // The program makes no triggers. One found in the file would silently rewrite or delete
    // what a save writes while the save reports success, so such a file is not written to.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select name, tbl_name from sqlite_master where type = 'trigger' "
                               "order by name")))
        return cannotOpen(m_path, reasonText(q.lastError()));
    if (!q.next())
        return {};
    return cannotOpen(m_path, QStringLiteral("文件中有不属于本程序的触发器“%1”（数据表“%2”），"
                                             "为防止数据被篡改，不能写入该文件。")
                                  .arg(q.value(0).toString(), q.value(1).toString()));
}

StoreResult FileStore::createFile(const QString& path) {
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    {
        // SQLite reads an empty file as an empty database.
        QFile empty(building);
        if (!empty.open(QIODevice::WriteOnly))
            return cannotOpen(path, QStringLiteral("无法创建该文件。") + empty.errorString());
    }
    {
        FileStore db(building);
        StoreResult r = db.openFile(Access::ReadWrite);
        if (r.ok())
            r = db.begin();
        for (const QString& sql : StoreSchema::createTableStatements() +
                                      StoreSchema::createIndexStatements() +
                                      NumberTable::createStatements()) {
            if (!r.ok())
                break;
            r = db.exec(sql, {});
        }
        if (r.ok())
            r = db.commit();
        if (!r.ok()) {
            db.close();
            QFile::remove(building);
            return cannotOpen(path, QStringLiteral("无法创建该文件。"));
        }
    }
    // Another start may have made the file meanwhile; then that one is used.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        if (!QFileInfo::exists(path))
            return cannotOpen(path, QStringLiteral("无法创建该文件。"));
    }
    return {};
}

sqlite3* FileStore::handle() const {
    if (!m_db.isOpen())
        return nullptr;
    const QVariant v = m_db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

StoreResult FileStore::exec(const QString& sql, const QVariantList& values) {
    const JetSql::Translation t = translate(sql);
    return t.attachFile.isEmpty() ? execTranslated(t.sql, values) : execAttached(t, values);
}

StoreResult FileStore::execAttached(const JetSql::Translation& t, const QVariantList& values) {
    // Rows go between a server and a file only through a copy (RowCopy).
    if (StoreAddress(t.attachFile).isServer())
        return crossEngineRefusal();
    // Attaching a missing file would make an empty one; the target must already exist.
    if (!QFileInfo(t.attachFile).isFile())
        return failed(t.attachFile + QStringLiteral(" 不存在。"));
    QSqlQuery attach(m_db);
    attach.prepare(QStringLiteral("attach database ? as ") + JetSql::AttachedSchema);
    attach.addBindValue(t.attachFile);
    if (!attach.exec())
        return statementFailure(attach.lastError(), {});
    attach.finish();
    const StoreResult r = execTranslated(t.sql, values);
    QSqlQuery detach(m_db);
    detach.exec(QStringLiteral("detach database ") + JetSql::AttachedSchema);
    return r;
}

StoreResult FileStore::checkSelect(const QString& sql) {
    QSqlQuery query;
    StoreResult r = prepare(sql, query);
    if (!r.ok())
        return r;
    const QVariant v = query.result()->handle();
    sqlite3_stmt* stmt = v.isValid() && qstrcmp(v.typeName(), "sqlite3_stmt*") == 0
                             ? *static_cast<sqlite3_stmt* const*>(v.constData())
                             : nullptr;
    if (!stmt || !sqlite3_stmt_readonly(stmt) || sqlite3_column_count(stmt) == 0)
        return notAQuery();
    return {};
}

StoreResult FileStore::lockForTransaction(Lock) {
    // A file's writers already take turns.
    return {};
}

QString FileStore::textType() const {
    return QStringLiteral("text");
}

QString FileStore::wholeNumber(const QString& value) const {
    return QStringLiteral("cast(round(%1) as integer)").arg(value);
}

StoreResult FileStore::makeLatestReadings(const QString& table, int lastNumber) {
    StoreResult r = exec(QStringLiteral("create temp table [%1] ([日期时间] text not null, [编号] "
                                        "integer not null, [温度值], primary key ([日期时间], "
                                        "[编号])) without rowid")
                             .arg(table),
                         {});
    if (!r.ok())
        return r;
    // Rows go in in the order they were stored, so for a sensor held twice the later reading
    // replaces the earlier one.
    return exec(QStringLiteral("insert or replace into [%1] select [日期时间], %2, val([温度值]) "
                               "from [表1] where [日期时间] <> '' and %2 between 0 and %3 order "
                               "by rowid")
                    .arg(table, wholeNumber(QStringLiteral("val([编号])")))
                    .arg(lastNumber),
                {});
}

StoreResult FileStore::selectTexts(const QString& sql, const QStringList& columns,
                                   std::unique_ptr<TextCursor>& rows) {
    return FileTextCursor::start(handle(), translate(sql).sql, columns, rows);
}

void FileStore::beforeCommit() {
    // A failure leaves the table behind, which costs the first screen time, not a reading.
    if (m_keepsNumbers)
        (void)NumberTable::catchUp(*this);
}

StoreConnection::FirstRowsStatement FileStore::firstRowsStatement(ReadingsLayout::Fill fill,
                                                                  const QString& sql, int rows) {
    const QString quick = FirstRows::statement(*this, fill, rows);
    if (quick.isEmpty())
        return StoreConnection::firstRowsStatement(fill, sql, rows);
    return {quick, true};
}

bool FileStore::quickPreview() const {
    return true;
}

void FileStore::interrupt() {
    if (sqlite3* h = handle())
        sqlite3_interrupt(h);
}

int FileStore::copyPages(FileStore& copy) const {
    sqlite3_backup* job = sqlite3_backup_init(copy.handle(), "main", handle(), "main");
    if (!job)
        return sqlite3_errcode(copy.handle());
    int rc = sqlite3_backup_step(job, -1);
    const int finish = sqlite3_backup_finish(job);
    if (rc == SQLITE_DONE)
        rc = finish;
    // A backup is a single file of its own, readable wherever it is carried, whatever
    // journal the program's database keeps.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(copy.handle(), "pragma journal_mode=delete", nullptr, nullptr, nullptr);
    return rc;
}

StoreResult FileStore::backupInto(const QString& file) {
    {
        QFile empty(file);
        if (!empty.open(QIODevice::WriteOnly))
            return StoreResult::failure(StoreResult::Kind::Failed, WriteReason::of(file));
    }
    int rc = SQLITE_ERROR;
    {
        FileStore copy(file);
        if (copy.openFile(Access::ReadWrite).ok())
            rc = copyPages(copy);
    }
    if (rc != SQLITE_OK)
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    SqliteReason::of(rc, QString::fromUtf8(sqlite3_errstr(rc))));
    return {};
}

bool FileStore::encrypted() {
    return false;
}

StoreResult FileStore::tablesNotWritable(const QStringList&, QStringList&) {
    return {};
}

StoreResult FileStore::checkIntact() {
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("pragma quick_check(1)")))
        return StoreResult::failure(StoreResult::Kind::Failed, reasonText(q.lastError()));
    if (q.next() && q.value(0).toString() == QLatin1String("ok"))
        return {};
    return StoreResult::failure(StoreResult::Kind::Failed, SqliteReason::of(SQLITE_CORRUPT, {}));
}

StoreResult FileStore::appendReadings(const QString& backupFile, const QString& table) {
    if (QFileInfo(backupFile).canonicalFilePath() == QFileInfo(m_path).canonicalFilePath()) {
        // The database itself was chosen: its readings are appended once more.
        return exec(QStringLiteral("Insert Into [表1](%1) select %1 from [表1]")
                        .arg(StoreSchema::ReadingColumns),
                    {});
    }
    return RowCopy::appendReadings(backupFile, table, *this);
}

StoreResult FileStore::queryPlan(const QString& sql, QStringList& steps) {
    QSqlQuery q;
    if (StoreResult r = select(QStringLiteral("explain query plan ") + sql, q, {}); !r.ok())
        return r;
    while (q.next())
        steps.append(q.value(3).toString());
    return {};
}
