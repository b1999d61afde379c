#include "store/StoreDb.h"

#include "store/JetSql.h"
#include "store/JetValFunction.h"
#include "store/RowCopy.h"
#include "store/ServerDialect.h"
#include "store/StoreSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    : m_path(std::move(path)), m_address(m_path),
      m_name(QStringLiteral("tb_store_%1").arg(++g_connectionCounter)),
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

StoreResult StoreDb::readFailure(const QSqlQuery& query) {
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reasonText(query.lastError()));
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

JetSql::Translation StoreDb::translate(const QString& sql) const {
    return isServer() ? ServerDialect::translate(sql) : JetSql::translate(sql);
}

StoreResult StoreDb::statementFailure(const QSqlError& error) const {
    if (isServer()) {
        const QString code = error.nativeErrorCode();
        // Class 08 is a broken connection, 57P0x a server shutting down; a failure without
        // any code is a connection that no longer answers.
        bool lost = code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
        if (!lost && code.isEmpty()) {
            QSqlQuery probe(m_db);
            lost = !probe.exec(QStringLiteral("select 1"));
        }
        if (lost)
            return StoreResult::failure(
                StoreResult::Kind::ConnectionLost,
                QStringLiteral("与数据库服务器的连接中断：") + m_address.serverName() +
                    QStringLiteral("\n操作没有完成，服务器上的数据没有改变。"));
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：") + error.databaseText());
    }
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reasonText(error));
}

StoreResult StoreDb::connect(Access access) {
    close();
    if (isServer())
        return connectServer(access);
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

StoreResult StoreDb::connectServer(Access access) {
    m_readOnly = access == Access::ReadOnly;
    const auto refused = [this](StoreResult::Kind kind, const QString& reason) {
        close();
        return StoreResult::failure(kind, QStringLiteral("无法连接数据库服务器：") +
                                              m_address.serverName() + QLatin1Char('\n') + reason);
    };
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    if (!m_db.isValid())
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("本程序缺少 PostgreSQL 数据库驱动。"));
    m_db.setHostName(m_address.host());
    m_db.setPort(m_address.port());
    m_db.setDatabaseName(m_address.database());
    m_db.setUserName(m_address.user());
    const QString password = m_address.password();
    if (!password.isEmpty())
        m_db.setPassword(password);
    QString options = QStringLiteral("connect_timeout=%1;application_name=thermbook")
                          .arg(std::max(1, m_busyTimeoutMs / 1000));
    // A view's connection cannot write, whatever statement the user typed.
    if (access == Access::ReadOnly)
        options += QStringLiteral(";options=--default_transaction_read_only=on");
    m_db.setConnectOptions(options);
    if (m_db.open())
        return {};

    const QString engine = m_db.lastError().databaseText() + m_db.lastError().driverText();
    const auto says = [&engine](const char* words) {
        return engine.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    if (says("no password supplied"))
        return refused(StoreResult::Kind::NeedsPassword,
                       QStringLiteral("服务器要求用户“%1”的密码。").arg(m_address.user()));
    if (says("password authentication failed") || says("authentication failed"))
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("用户名“%1”或密码不对。").arg(m_address.user()));
    if (says("database") && says("does not exist"))
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("服务器上没有数据库“%1”。").arg(m_address.database()));
    if (says("role") && says("does not exist"))
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("服务器上没有用户“%1”。").arg(m_address.user()));
    return refused(
        StoreResult::Kind::CannotOpen,
        QStringLiteral("服务器没有应答。请检查服务器地址、端口和网络，以及服务器是否在运行。"));
}

StoreResult StoreDb::execNative(const QString& sql) {
    QSqlQuery q(m_db);
    if (!q.exec(sql))
        return statementFailure(q.lastError());
    return {};
}

StoreResult StoreDb::prepareServer() {
    QStringList names;
    StoreResult r = tableNames(names);
    if (!r.ok())
        return r;
    bool haveVal = false;
    {
        QSqlQuery q(m_db);
        if (q.exec(QStringLiteral("select to_regprocedure('val(text)') is not null")) && q.next())
            haveVal = q.value(0).toBool();
    }
    QStringList missing;
    for (const QString& table : StoreSchema::tables())
        if (!names.contains(table))
            missing.append(table);
    if (missing.isEmpty() && haveVal)
        return {};
    // A reading connection cannot make anything; a writing one makes it first.
    if (m_readOnly) {
        r = StoreDb(m_path).openDatabase(Access::ReadWrite);
        return r.ok() ? prepareServer() : r;
    }

    // Two copies starting on an empty database at once take turns; the second finds
    // everything made and makes nothing twice.
    r = begin();
    if (r.ok())
        r = lockForTransaction(SchemaLockKey);
    for (const QString& sql : StoreSchema::createTableStatements(ServerDialect::TextType) +
                                  StoreSchema::createIndexStatements()) {
        if (!r.ok())
            break;
        r = exec(sql);
    }
    if (r.ok() && !haveVal)
        r = execNative(ServerDialect::valFunction());
    if (r.ok())
        return commit();
    rollback();
    const QString what =
        missing.isEmpty() ? QStringLiteral("函数 val()")
                          : QStringLiteral("数据表“%1”").arg(missing.join(QStringLiteral("”、“")));
    return StoreResult::failure(
        StoreResult::Kind::CannotOpen,
        QStringLiteral(
            "数据库服务器 %1 上还没有本程序的%2，用户“%3”也无权建立它们（需要在数据库的 public "
            "模式中建立对象的权限）。\n请数据库管理员按说明书中的脚本准备数据库。\n")
                .arg(m_address.serverName(), what, m_address.user()) +
            r.message());
}

StoreResult StoreDb::lockForTransaction(qint64 key) {
    if (!isServer())
        return {};
    return execNative(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(key));
}

StoreResult StoreDb::openFile(Access access) {
    if (isServer())
        return connect(access);
    // SQLite would quietly make an empty file where none is; a chosen file must exist.
    if (!QFileInfo(m_path).isFile())
        return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                    cannotOpenText(m_path, QStringLiteral("文件不存在。")));
    return connect(access);
}

StoreResult StoreDb::openDatabase(Access access) {
    if (isServer()) {
        StoreResult r = connect(access);
        if (r.ok())
            r = prepareServer();
        if (!r.ok())
            close();
        return r;
    }
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
    const QString sql =
        isServer() ? QStringLiteral("select c.relname from pg_class c join pg_namespace n on "
                                    "n.oid = c.relnamespace where n.nspname = current_schema() "
                                    "and c.relkind in ('r', 'p') order by c.oid")
                   : QStringLiteral("select name from sqlite_master where type = 'table' and "
                                    "name not like 'sqlite%'");
    if (!q.exec(sql))
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
    const JetSql::Translation t = translate(sql);
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
    if (isServer()) {
        // The server has parsed the statement; the views read on connections that cannot
        // write, so a statement that would write fails there rather than changing anything.
        const QString head = sql.trimmed().section(QRegularExpression(QStringLiteral("[\\s(]")), 0,
                                                   0, QString::SectionSkipEmpty);
        if (head.compare(QLatin1String("select"), Qt::CaseInsensitive) != 0 &&
            head.compare(QLatin1String("with"), Qt::CaseInsensitive) != 0)
            return StoreResult::failure(StoreResult::Kind::Failed,
                                        QStringLiteral("数据库操作失败：只能执行查询语句。"));
        return {};
    }
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
    const JetSql::Translation t = translate(sql);
    if (t.attachFile.isEmpty()) {
        // A server prepares only statements that read or change rows; the rest (making
        // tables, transaction settings) go as they are.
        if (isServer() && values.isEmpty())
            return execNative(t.sql);
        QSqlQuery q(m_db);
        if (!q.prepare(t.sql))
            return statementFailure(q.lastError());
        for (const QVariant& v : values)
            q.addBindValue(v);
        return run(q);
    }

    // Rows go between a server and a file only through ReadingsMaintenance's copy.
    if (isServer() || StoreAddress(t.attachFile).isServer())
        return StoreResult::failure(
            StoreResult::Kind::Failed,
            QStringLiteral("数据库操作失败：不能在服务器和文件之间直接执行该语句。"));
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

StoreResult StoreDb::replaceRows(const QString& table, const QStringList& columns,
                                 const QVector<QVariantList>& rows) {
    StoreResult r = begin();
    if (!r.ok())
        return r;
    r = exec(QStringLiteral("delete * from [%1]").arg(table));
    RowCopy::Inserter insert(*this, table, columns);
    for (const QVariantList& row : rows)
        for (int c = 0; r.ok() && c < row.size(); ++c) {
            // A null text would be stored as SQL NULL.
            const QVariant& v = row[c];
            const bool none =
                v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isNull());
            r = insert.add(none ? QVariant(QStringLiteral("")) : v);
        }
    if (r.ok())
        r = insert.flush();
    if (r.ok())
        return commit();
    rollback();
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
                cannotOpenText(path, QStringLiteral("无法创建该文件。") + empty.errorString()));
    }
    {
        StoreDb db(building);
        StoreResult r = db.openFile(StoreDb::Access::ReadWrite);
        if (r.ok())
            r = db.begin();
        for (const QString& sql :
             StoreSchema::createTableStatements() + StoreSchema::createIndexStatements()) {
            if (!r.ok())
                break;
            r = db.exec(sql);
        }
        if (r.ok())
            r = db.commit();
        if (!r.ok()) {
            db.close();
            QFile::remove(building);
            return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                        cannotOpenText(path, QStringLiteral("无法创建该文件。")));
        }
    }
    // Another start may have made the file meanwhile; then that one is used.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        if (!QFileInfo::exists(path))
            return StoreResult::failure(StoreResult::Kind::CannotOpen,
                                        cannotOpenText(path, QStringLiteral("无法创建该文件。")));
    }
    return {};
}
