#include "StoreDb.h"

#include "JetSql.h"
#include "JetValFunction.h"
#include "StoreSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>

#include <sqlite3.h>

#include <atomic>

namespace {

std::atomic<quint64> g_connectionCounter{0};

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

} // namespace

StoreDb::StoreDb(QString path, int busyTimeoutMs)
    : m_path(std::move(path)), m_name(QStringLiteral("tb_store_%1").arg(++g_connectionCounter)),
      m_busyTimeoutMs(busyTimeoutMs) {}

StoreDb::~StoreDb() {
    close();
}

QString StoreDb::cannotOpenText(const QString& path, const QString& reason) {
    return QStringLiteral("数据库文件无法打开：") + path + QLatin1Char('\n') + reason;
}

QString StoreDb::reasonText(const QSqlError& error) {
    return reasonText(primaryCode(error), error.text());
}

QString StoreDb::reasonText(int sqliteCode, const QString& engineText) {
    switch (sqliteCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("文件正被其他程序使用。");
    case SQLITE_NOTADB:
        return QStringLiteral("文件不是有效的数据库。");
    case SQLITE_CORRUPT:
        return QStringLiteral("数据库文件已损坏。");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        return QStringLiteral("文件无法读写。");
    case SQLITE_READONLY:
        return QStringLiteral("文件只能读取，无法写入。");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满。");
    default:
        return engineText;
    }
}

StoreResult StoreDb::statementFailure(const QSqlError& error) const {
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reasonText(error));
}

StoreResult StoreDb::connect(Access access) {
    close();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        const QString reason = reasonText(m_db.lastError());
        close();
        return StoreResult::failure(StoreResult::Kind::CannotOpen, cannotOpenText(m_path, reason));
    }
    sqlite3* h = handle();
    if (!h || JetVal::registerSqlFunction(h) != SQLITE_OK) {
        close();
        return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                    cannotOpenText(m_path, QStringLiteral("数据库引擎无法使用。")));
    }
    return {};
}

StoreResult StoreDb::openFile(Access access) {
    // SQLite would quietly make an empty file where none is; a chosen file must exist.
    if (!QFileInfo(m_path).isFile())
        return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                    cannotOpenText(m_path, QStringLiteral("文件不存在。")));
    return connect(access);
}

StoreResult StoreDb::openDatabase(Access access) {
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
        (void)exec(QStringLiteral("pragma journal_mode=wal"));
    if (!r.ok())
        close();
    return r;
}

StoreResult StoreDb::checkTables(Access access) {
    QStringList names;
    StoreResult r = tableNames(names);
    if (!r.ok())
        return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                    cannotOpenText(m_path, r.message()));
    for (const QString& table : StoreSchema::tables())
        if (!names.contains(table))
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                cannotOpenText(m_path, QStringLiteral("缺少数据表“%1”。").arg(table)));

    if (access == Access::ReadWrite) {
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
                (void)exec(sql);
    }
    return {};
}

StoreResult StoreDb::tableNames(QStringList& names) {
    names.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "select name from sqlite_master where type = 'table' and name not like 'sqlite%'")))
        return StoreResult::failure(StoreResult::Kind::Failed, reasonText(q.lastError()));
    while (q.next())
        names.append(q.value(0).toString());
    return {};
}

void StoreDb::close() {
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool StoreDb::isOpen() const {
    return m_db.isOpen();
}

sqlite3* StoreDb::handle() const {
    if (!m_db.isOpen())
        return nullptr;
    const QVariant v = m_db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

StoreResult StoreDb::prepare(const QString& sql, QSqlQuery& query) {
    if (sql.trimmed().isEmpty())
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：没有语句。"));
    const JetSql::Translation t = JetSql::translate(sql);
    query = QSqlQuery(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(t.sql))
        return statementFailure(query.lastError());
    return {};
}

StoreResult StoreDb::run(QSqlQuery& query) {
    if (!query.exec())
        return statementFailure(query.lastError());
    return {};
}

StoreResult StoreDb::checkSelect(const QString& sql) {
    QSqlQuery query;
    StoreResult r = prepare(sql, query);
    if (!r.ok())
        return r;
    const QVariant v = query.result()->handle();
    sqlite3_stmt* stmt = v.isValid() && qstrcmp(v.typeName(), "sqlite3_stmt*") == 0
                             ? *static_cast<sqlite3_stmt* const*>(v.constData())
                             : nullptr;
    if (!stmt || !sqlite3_stmt_readonly(stmt) || sqlite3_column_count(stmt) == 0)
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：只能执行查询语句。"));
    return {};
}

StoreResult StoreDb::select(const QString& sql, QSqlQuery& query, const QVariantList& values) {
    StoreResult r = prepare(sql, query);
    if (!r.ok())
        return r;
    for (const QVariant& v : values)
        query.addBindValue(v);
    return run(query);
}

StoreResult StoreDb::exec(const QString& sql, const QVariantList& values) {
    const JetSql::Translation t = JetSql::translate(sql);
    if (t.attachFile.isEmpty()) {
        QSqlQuery q(m_db);
        if (!q.prepare(t.sql))
            return statementFailure(q.lastError());
        for (const QVariant& v : values)
            q.addBindValue(v);
        return run(q);
    }

    // Attaching a missing file would make an empty one; the target must already exist.
    if (!QFileInfo(t.attachFile).isFile())
        return StoreResult::failure(StoreResult::Kind::Failed, QStringLiteral("数据库操作失败：") +
                                                                   t.attachFile +
                                                                   QStringLiteral(" 不存在。"));
    QSqlQuery attach(m_db);
    attach.prepare(QStringLiteral("attach database ? as ") + JetSql::AttachedSchema);
    attach.addBindValue(t.attachFile);
    if (!attach.exec())
        return statementFailure(attach.lastError());
    attach.finish();
    StoreResult r;
    {
        QSqlQuery q(m_db);
        if (!q.prepare(t.sql)) {
            r = statementFailure(q.lastError());
        } else {
            for (const QVariant& v : values)
                q.addBindValue(v);
            r = run(q);
        }
    }
    QSqlQuery detach(m_db);
    detach.exec(QStringLiteral("detach database ") + JetSql::AttachedSchema);
    return r;
}

StoreResult StoreDb::begin() {
    if (!m_db.transaction())
        return statementFailure(m_db.lastError());
    return {};
}

StoreResult StoreDb::commit() {
    if (!m_db.commit()) {
        const StoreResult r = statementFailure(m_db.lastError());
        m_db.rollback();
        return r;
    }
    return {};
}

void StoreDb::rollback() {
    m_db.rollback();
}

StoreResult StoreDb::createFile(const QString& path) {
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    {
        // SQLite reads an empty file as an empty database.
        QFile empty(building);
        if (!empty.open(QIODevice::WriteOnly))
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                cannotOpenText(path,
                                        QStringLiteral("无法创建该文件。") + empty.errorString()));
    }
    {
        StoreDb db(building);
        StoreResult r = db.openFile(StoreDb::Access::ReadWrite);
        if (r.ok())
            r = db.begin();
        for (const QString& sql : StoreSchema::createTableStatements() + StoreSchema::createIndexStatements()) {
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
                cannotOpenText(path, QStringLiteral("无法创建该文件。")));
        }
    }
    // Another start may have made the file meanwhile; then that one is used.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        if (!QFileInfo::exists(path))
            return StoreResult::failure(
                StoreResult::Kind::CannotOpen,
                cannotOpenText(path, QStringLiteral("无法创建该文件。")));
    }
    return {};
}
