#include "store/ServerStore.h"

#include "store/FileStore.h"
#include "store/QueryTextCursor.h"
#include "store/RowCopy.h"
#include "store/ServerDialect.h"
#include "store/StoreSchema.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The keys of the server-side locks.
constexpr qint64 GroupingLockKey = 0x7462677270;
constexpr qint64 SchemaLockKey = 0x7462736368;
constexpr qint64 PoursLockKey = 0x7462706f7572;

// The index of the readings by their sensor number's value.
const QString NumberIndex = QStringLiteral("表1_编号值");

StoreResult retryable(StoreResult r) {
    if (r.kind() == StoreResult::Kind::CannotOpen || r.kind() == StoreResult::Kind::ConnectionLost)
        r.markRetryable();
    return r;
}

} // namespace

ServerStore::ServerStore(QString path, int busyTimeoutMs)
    : StoreConnection(std::move(path), busyTimeoutMs), m_address(m_path) {}

JetSql::Translation ServerStore::translate(const QString& sql) const {
    return ServerDialect::translate(sql);
}

StoreResult ServerStore::statementFailure(const QSqlError& error, const QString& sql) {
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("42501"))
        return missingRight(error, sql);
    if (code == QLatin1String("25006"))
        return failed(QStringLiteral("这里只能查看数据，不能修改。"));
    // Class 08 is a broken connection, 57P0x a server shutting down; a failure without
    // any code is a connection that no longer answers.
    bool lost = code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
    if (!lost && code.isEmpty()) {
        QSqlQuery probe(m_db);
        lost = !probe.exec(QStringLiteral("select 1"));
    }
    if (lost)
        return retryable(StoreResult::failure(
            StoreResult::Kind::ConnectionLost,
            QStringLiteral("与数据库服务器的连接中断：") + m_address.serverName() +
                QStringLiteral("\n操作没有完成，服务器上的数据没有改变。")));
    return failed(error.databaseText());
}

StoreResult ServerStore::missingRight(const QSqlError& error, const QString& sql) const {
    // The server names the object; the right is the statement's own verb.
    const QString verb =
        sql.trimmed()
            .section(QRegularExpression(QStringLiteral("[\\s(]")), 0, 0, QString::SectionSkipEmpty)
            .toUpper();
    const QRegularExpressionMatch object =
        QRegularExpression(QStringLiteral("permission denied for (\\w+) (\\S+)"))
            .match(error.databaseText());
    const QString right = verb.isEmpty() ? QStringLiteral("这项操作") : verb;
    const QString on = object.hasMatch()
                           ? QStringLiteral("（%1 %2）").arg(object.captured(1), object.captured(2))
                           : QString();
    return failed(QStringLiteral("数据库用户“%1”没有 %2 的权限%3，操作没有完成，数据没有改变。")
                      .arg(m_address.user(), right, on));
}

QString ServerStore::reasonText(const QSqlError& error) const {
    return error.text();
}

QString ServerStore::tableNamesStatement() const {
    return QStringLiteral("select c.relname from pg_class c join pg_namespace n on n.oid = "
                          "c.relnamespace where n.nspname = current_schema() and c.relkind in "
                          "('r', 'p') order by c.oid");
}

StoreResult ServerStore::refused(StoreResult::Kind kind, const QString& reason) {
    close();
    return StoreResult::failure(kind, QStringLiteral("无法连接数据库服务器：") +
                                          m_address.serverName() + QLatin1Char('\n') + reason);
}

StoreResult ServerStore::refusal(const QString& engineText) {
    const auto says = [&engineText](const char* words) {
        return engineText.contains(QLatin1String(words), Qt::CaseInsensitive);
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
    if (says("ssl") || says("certificate"))
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("无法建立加密连接（sslmode=%1）：服务器不支持加密，或其证书"
                                      "不被信任、与服务器名称不符。")
                           .arg(m_address.sslMode()));
    return refused(
        StoreResult::Kind::CannotOpen,
        QStringLiteral("服务器没有应答。请检查服务器地址、端口和网络，以及服务器是否在运行。"));
}

StoreResult ServerStore::connect(Access access) {
    m_readOnly = access == Access::ReadOnly;
    if (!addConnection(QStringLiteral("QPSQL")))
        return refused(StoreResult::Kind::CannotOpen,
                       QStringLiteral("本程序缺少 PostgreSQL 数据库驱动。"));
    m_db.setHostName(m_address.host());
    m_db.setPort(m_address.port());
    m_db.setDatabaseName(m_address.database());
    m_db.setUserName(m_address.user());
    const QString password = m_address.password();
    if (!password.isEmpty())
        m_db.setPassword(password);
    QString options = QStringLiteral("connect_timeout=%1;application_name=thermbook;sslmode=%2")
                          .arg(std::max(1, m_busyTimeoutMs / 1000))
                          .arg(m_address.sslMode());
    // Each statement of ours runs once, and the large ones (a grouping run, a whole view)
    // would spend longer being compiled by the server's JIT than it saves them.
    QString session = QStringLiteral("--jit=off");
    // A view's connection cannot write, whatever statement the user typed.
    if (access == Access::ReadOnly)
        session += QStringLiteral(" --default_transaction_read_only=on");
    m_db.setConnectOptions(options + QStringLiteral(";options='%1'").arg(session));
    if (m_db.open())
        return {};
    return refusal(m_db.lastError().databaseText() + m_db.lastError().driverText());
}

StoreResult ServerStore::openFile(Access access) {
    return retryable(connect(access));
}

StoreResult ServerStore::openDatabase(Access access) {
    StoreResult r = connect(access);
    if (r.ok())
        r = prepareDatabase();
    if (!r.ok())
        close();
    return retryable(r);
}

StoreResult ServerStore::execNative(const QString& sql) {
    QSqlQuery q(m_db);
    if (!q.exec(sql))
        return statementFailure(q.lastError(), q.lastQuery());
    return {};
}

StoreResult ServerStore::prepareDatabase() {
    QStringList names;
    StoreResult r = tableNames(names);
    if (!r.ok())
        return r;
    bool haveVal = false;
    bool current = false;
    {
        QSqlQuery q(m_db);
        if (q.exec(QStringLiteral("select to_regprocedure('val(text)') is not null, %1, "
                                  "to_regclass(%2) is not null")
                       .arg(ServerDialect::valIsCurrent(),
                            JetSql::quoted(ServerDialect::name(NumberIndex)))) &&
            q.next()) {
            haveVal = q.value(0).toBool();
            current = q.value(1).toBool() && q.value(2).toBool();
        }
    }
    QStringList missing;
    for (const QString& table : StoreSchema::tables())
        if (!names.contains(table))
            missing.append(table);
    if (missing.isEmpty() && haveVal && current)
        return {};
    // A reading connection cannot make anything; a writing one makes it first.
    if (m_readOnly)
        r = ServerStore(m_path).openDatabase(Access::ReadWrite);
    else
        r = makeMissing(!current, missing);
    // A database made by an earlier version works as it is: the plain-SQL val() and the
    // index only make it quicker, so where the user may not make them it is used without.
    return missing.isEmpty() && haveVal ? StoreResult() : r;
}

StoreResult ServerStore::makeMissing(bool makeVal, const QStringList& missing) {
    // Two copies starting on an empty database at once take turns; the second finds
    // everything made and makes nothing twice.
    StoreResult r = begin();
    if (r.ok())
        r = lockForTransaction(Lock::Schema);
    QStringList statements;
    for (const QString& sql : StoreSchema::createTableStatements(ServerDialect::TextType) +
                                  StoreSchema::createIndexStatements())
        statements += translate(sql).sql;
    if (makeVal)
        statements += ServerDialect::valFunctions();
    // Made after val(), which it calls: the readings in the order the views by sensor read
    // them, so their first screen is the index's first entries.
    statements += translate(QStringLiteral("Create Index If Not Exists [%1] On [表1] "
                                           "(val([编号]), [日期时间] desc)")
                                .arg(NumberIndex))
                      .sql;
    for (const QString& sql : statements) {
        if (!r.ok())
            break;
        r = execNative(sql);
    }
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

StoreResult ServerStore::exec(const QString& sql, const QVariantList& values) {
    const JetSql::Translation t = translate(sql);
    // Rows go between a server and a file only through a copy (RowCopy).
    if (!t.attachFile.isEmpty())
        return crossEngineRefusal();
    // A server prepares only statements that read or change rows; the rest (making
    // tables, transaction settings) go as they are.
    return values.isEmpty() ? execNative(t.sql) : execTranslated(t.sql, values);
}

StoreResult ServerStore::checkSelect(const QString& sql) {
    QSqlQuery query;
    StoreResult r = prepare(sql, query);
    if (!r.ok())
        return r;
    // The server has parsed the statement; the views read on connections that cannot
    // write, so a statement that would write fails there rather than changing anything.
    const QString head = sql.trimmed().section(QRegularExpression(QStringLiteral("[\\s(]")), 0, 0,
                                               QString::SectionSkipEmpty);
    if (head.compare(QLatin1String("select"), Qt::CaseInsensitive) != 0 &&
        head.compare(QLatin1String("with"), Qt::CaseInsensitive) != 0)
        return notAQuery();
    return {};
}

StoreResult ServerStore::lockForTransaction(Lock lock) {
    // Waits for the lock until the transaction ends.
    const qint64 key = lock == Lock::Grouping ? GroupingLockKey
                       : lock == Lock::Schema ? SchemaLockKey
                                              : PoursLockKey;
    return execNative(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(key));
}

QString ServerStore::textType() const {
    return ServerDialect::TextType;
}

QString ServerStore::wholeNumber(const QString& value) const {
    // The integer cast fails on a number beyond its range rather than saturating, so such
    // numbers become -1.
    return QStringLiteral("case when abs(%1) < 1e9 then cast(round(cast(%1 as numeric)) as "
                          "integer) else -1 end")
        .arg(value);
}

QString ServerStore::latestSlotReadings(const QString& slotNumbers, int lastNumber) const {
    // A million readings hold only a few thousand different texts, so val() is worked out
    // once for each text, and the rows take their values by joining on the text. The fences
    // (offset 0) keep the server from copying the number's expression into every comparison
    // made on it, which would call val() again for each. The range of numbers is asked of
    // the slots, whose count the server knows, not of the readings, whose count it would
    // guess far too small and then plan for. Sorted by slot, the last stored reading of each
    // comes first, and the rows come in the order a grouping by upload and station needs.
    return QStringLiteral(
               "select distinct on (s.d, l.[station], l.[k]) s.d as [日期时间], l.[station], "
               "l.[k], s.v as [温度值] from (select r.[日期时间] as d, k.n, w.v, r.ctid as c "
               "from [表1] r join (select t, %1 as n from (select t, val(t) as nv from (select "
               "distinct [编号] as t from [表1]) x offset 0) y) k on k.t = r.[编号] left join "
               "(select t, val(t) as v from (select distinct [温度值] as t from [表1]) x offset "
               "0) w on w.t = r.[温度值] where r.[日期时间] <> '') s join (select * from (%2) x "
               "where x.[n] between 0 and %3) l on l.[n] = s.n order by s.d, l.[station], "
               "l.[k], s.c desc")
        .arg(wholeNumber(QStringLiteral("nv")), slotNumbers, QString::number(lastNumber));
}

StoreResult ServerStore::selectTexts(const QString& sql, const QStringList& columns,
                                     std::unique_ptr<TextCursor>& rows) {
    QSqlQuery query;
    if (StoreResult r = select(sql, query, {}); !r.ok())
        return r;
    rows = std::make_unique<QueryTextCursor>(std::move(query), columns);
    return {};
}

bool ServerStore::quickPreview() const {
    // The server works out every row's place for a limited statement as for the whole one.
    return false;
}

QString ServerStore::rowsInsert(const QString& table, const QStringList& columns, int) const {
    // A value per column, each an array of that column's texts: the server parses a short
    // statement, and the program binds a value per column rather than one per cell. Every
    // column of the program's tables holds text.
    QStringList arrays;
    for (int c = 0; c < columns.size(); ++c)
        arrays.append(QStringLiteral("cast(? as text array)"));
    return insertInto(table, columns) +
           QStringLiteral(" select * from unnest(%1)").arg(arrays.join(QLatin1Char(',')));
}

QVariantList ServerStore::rowsInsertValues(int columns, const QVariantList& values) const {
    QVariantList arrays;
    for (int c = 0; c < columns; ++c)
        arrays.append(ServerDialect::textArray(values, c, columns));
    return arrays;
}

void ServerStore::interrupt() {
    // A statement on the server runs to its end; the reader stops taking its rows.
}

StoreResult ServerStore::backupInto(const QString& file) {
    // The tables are written into a new file of the program's form. The reads share one
    // snapshot, so the copy is consistent while other computers keep saving.
    StoreResult r = begin();
    if (r.ok())
        r = exec(QStringLiteral("set transaction isolation level repeatable read"), {});
    if (!r.ok())
        return r;
    FileStore copy(file);
    r = copy.openDatabase(Access::ReadWrite);
    if (r.ok())
        r = copy.begin();
    for (const QString& table : StoreSchema::tables()) {
        if (!r.ok())
            break;
        r = RowCopy::append(*this, QStringLiteral("select * from [%1]").arg(table), copy, table);
    }
    if (r.ok())
        r = copy.commit();
    rollback();
    if (r.ok())
        r = copy.exec(QStringLiteral("pragma journal_mode=delete"), {});
    return r;
}

bool ServerStore::encrypted() {
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("select ssl from pg_stat_ssl where pid = pg_backend_pid()")) &&
           q.next() && q.value(0).toBool();
}

StoreResult ServerStore::tablesNotWritable(const QStringList& tables, QStringList& refused) {
    // A table not made yet is left to whoever makes it.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("select has_table_privilege(c.oid, 'INSERT') and "
                                  "has_table_privilege(c.oid, 'DELETE') from pg_class c where "
                                  "c.oid = to_regclass(quote_ident(?))")))
        return statementFailure(q.lastError(), {});
    for (const QString& table : tables) {
        q.addBindValue(table);
        if (!q.exec())
            return statementFailure(q.lastError(), {});
        if (q.next() && !q.value(0).toBool())
            refused.append(table);
    }
    return {};
}

StoreResult ServerStore::checkIntact() {
    return {};
}

StoreResult ServerStore::appendReadings(const QString& backupFile, const QString& table) {
    // The server cannot read the file: its rows are read here and sent over.
    return RowCopy::appendReadings(backupFile, table, *this);
}

StoreResult ServerStore::queryPlan(const QString& sql, QStringList& steps) {
    // An explain cannot be prepared; it goes as it is.
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("explain ") + translate(sql).sql))
        return statementFailure(q.lastError(), q.lastQuery());
    while (q.next())
        steps.append(q.value(0).toString());
    return {};
}
