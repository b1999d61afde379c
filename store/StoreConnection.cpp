#include "store/StoreConnection.h"

#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace {

std::atomic<quint64> g_connectionCounter{0};

} // namespace

StoreConnection::StoreConnection(QString path, int busyTimeoutMs)
    : m_path(std::move(path)), m_busyTimeoutMs(busyTimeoutMs),
      m_name(QStringLiteral("tb_store_%1").arg(++g_connectionCounter)) {}

StoreConnection::~StoreConnection() {
    close();
}

StoreResult StoreConnection::failed(const QString& reason) {
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reason);
}

StoreResult StoreConnection::crossEngineRefusal() {
    return failed(QStringLiteral("不能在服务器和文件之间直接执行该语句。"));
}

StoreResult StoreConnection::notAQuery() {
    return failed(QStringLiteral("只能执行查询语句。"));
}

bool StoreConnection::addConnection(const QString& driver) {
    close();
    m_db = QSqlDatabase::addDatabase(driver, m_name);
    return m_db.isValid();
}

void StoreConnection::close() {
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool StoreConnection::isOpen() const {
    return m_db.isOpen();
}

StoreResult StoreConnection::execTranslated(const QString& sql, const QVariantList& values) {
    QSqlQuery q(m_db);
    if (!q.prepare(sql))
        return statementFailure(q.lastError(), sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    return run(q);
}

StoreResult StoreConnection::prepare(const QString& sql, QSqlQuery& query) {
    if (sql.trimmed().isEmpty())
        return failed(QStringLiteral("没有语句。"));
    query = QSqlQuery(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(translate(sql).sql))
        return statementFailure(query.lastError(), query.lastQuery());
    return {};
}

StoreResult StoreConnection::run(QSqlQuery& query) {
    if (!query.exec())
        return statementFailure(query.lastError(), query.lastQuery());
    return {};
}

StoreResult StoreConnection::select(const QString& sql, QSqlQuery& query,
                                    const QVariantList& values) {
    StoreResult r = prepare(sql, query);
    if (!r.ok())
        return r;
    for (const QVariant& v : values)
        query.addBindValue(v);
    return run(query);
}

StoreResult StoreConnection::tableNames(QStringList& names) {
    names.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(tableNamesStatement()))
        return StoreResult::failure(StoreResult::Kind::Failed, reasonText(q.lastError()));
    while (q.next())
        names.append(q.value(0).toString());
    return {};
}

StoreResult StoreConnection::begin() {
    if (!m_db.transaction())
        return statementFailure(m_db.lastError(), {});
    return {};
}

StoreResult StoreConnection::commit() {
    beforeCommit();
    if (!m_db.commit()) {
        const StoreResult r = statementFailure(m_db.lastError(), {});
        m_db.rollback();
        return r;
    }
    return {};
}

QString StoreConnection::latestSlotReadings(const QString&, int) const {
    return {};
}

StoreResult StoreConnection::makeLatestReadings(const QString&, int) {
    return failed(QStringLiteral("该数据库不能这样读取数据。"));
}

StoreConnection::FirstRowsStatement
StoreConnection::firstRowsStatement(ReadingsLayout::Fill, const QString& sql, int rows) {
    return {ReadingsLayout::limited(sql, rows), false};
}

QString StoreConnection::rowsInsert(const QString& table, const QStringList& columns,
                                    int rows) const {
    QString one = QStringLiteral("(?");
    for (int c = 1; c < columns.size(); ++c)
        one += QStringLiteral(",?");
    one += QLatin1Char(')');
    QStringList all;
    for (int r = 0; r < rows; ++r)
        all.append(one);
    return insertInto(table, columns) + QStringLiteral(" values ") + all.join(QLatin1Char(','));
}

QString StoreConnection::insertInto(const QString& table, const QStringList& columns) {
    return QStringLiteral("insert into [%1]([%2])").arg(table, columns.join(QStringLiteral("],[")));
}

QVariantList StoreConnection::rowsInsertValues(int, const QVariantList& values) const {
    return values;
}

void StoreConnection::rollback() {
    m_db.rollback();
}
