#include "store/StoreDb.h"

#include "store/FileStore.h"
#include "store/RowCopy.h"
#include "store/ServerStore.h"
#include "store/SqliteReason.h"
#include "store/StoreAddress.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

std::unique_ptr<StoreConnection> storeAt(const QString& path, int busyTimeoutMs) {
    if (StoreAddress(path).isServer())
        return std::make_unique<ServerStore>(path, busyTimeoutMs);
    return std::make_unique<FileStore>(path, busyTimeoutMs);
}

} // namespace

StoreDb::StoreDb(const QString& path, int busyTimeoutMs) : m_store(storeAt(path, busyTimeoutMs)) {}

StoreDb::~StoreDb() = default;

StoreResult StoreDb::openDatabase(Access access) {
    return m_store->openDatabase(access);
}

StoreResult StoreDb::openFile(Access access) {
    return m_store->openFile(access);
}

void StoreDb::close() {
    m_store->close();
}

bool StoreDb::isOpen() const {
    return m_store->isOpen();
}

StoreResult StoreDb::exec(const QString& sql, const QVariantList& values) {
    return m_store->exec(sql, values);
}

StoreResult StoreDb::select(const QString& sql, QSqlQuery& query, const QVariantList& values) {
    return m_store->select(sql, query, values);
}

StoreResult StoreDb::prepare(const QString& sql, QSqlQuery& query) {
    return m_store->prepare(sql, query);
}

StoreResult StoreDb::run(QSqlQuery& query) {
    return m_store->run(query);
}

StoreResult StoreDb::checkSelect(const QString& sql) {
    return m_store->checkSelect(sql);
}

StoreResult StoreDb::selectTexts(const QString& sql, const QStringList& columns,
                                 std::unique_ptr<TextCursor>& rows) {
    return m_store->selectTexts(sql, columns, rows);
}

StoreResult StoreDb::tableNames(QStringList& names) {
    return m_store->tableNames(names);
}

QString StoreDb::textType() const {
    return m_store->textType();
}

StoreResult StoreDb::replaceRows(const QString& table, const QStringList& columns,
                                 const QVector<QVariantList>& rows) {
    StoreResult r = begin();
    if (!r.ok())
        return r;
    r = exec(QStringLiteral("delete * from [%1]").arg(table));
    if (r.ok())
        r = appendRows(table, columns, rows);
    if (r.ok())
        return commit();
    rollback();
    return r;
}

StoreResult StoreDb::appendRows(const QString& table, const QStringList& columns,
                                const QVector<QVariantList>& rows,
                                const std::function<void(int)>& afterInsert) {
    RowCopy::Inserter insert(*m_store, table, columns);
    StoreResult r;
    int done = 0;
    for (const QVariantList& row : rows) {
        for (int c = 0; r.ok() && c < row.size(); ++c) {
            // A null text would be stored as SQL NULL.
            const QVariant& v = row[c];
            r = insert.add(JetSql::isNull(v) ? QVariant(QStringLiteral("")) : v);
        }
        if (!r.ok())
            return r;
        ++done;
        if (insert.isEmpty() && afterInsert)
            afterInsert(done);
    }
    const bool waiting = !insert.isEmpty();
    r = insert.flush();
    if (r.ok() && waiting && afterInsert)
        afterInsert(done);
    return r;
}

StoreResult StoreDb::begin() {
    return m_store->begin();
}

StoreResult StoreDb::commit() {
    return m_store->commit();
}

void StoreDb::rollback() {
    m_store->rollback();
}

StoreResult StoreDb::lockForTransaction(Lock lock) {
    return m_store->lockForTransaction(lock);
}

QString StoreDb::wholeNumber(const QString& value) const {
    return m_store->wholeNumber(value);
}

StoreResult StoreDb::makeLatestReadings(const QString& table, int lastNumber) {
    return m_store->makeLatestReadings(table, lastNumber);
}

StoreConnection::FirstRowsStatement StoreDb::firstRowsStatement(ReadingsLayout::Fill fill,
                                                                const QString& sql, int rows) {
    return m_store->firstRowsStatement(fill, sql, rows);
}

bool StoreDb::quickPreview() const {
    return m_store->quickPreview();
}

QString StoreDb::latestSlotReadings(const QString& slotNumbers, int lastNumber) const {
    return m_store->latestSlotReadings(slotNumbers, lastNumber);
}

void StoreDb::interrupt() {
    m_store->interrupt();
}

StoreResult StoreDb::backupInto(const QString& file) {
    return m_store->backupInto(file);
}

bool StoreDb::encrypted() {
    return m_store->encrypted();
}

StoreResult StoreDb::tablesNotWritable(const QStringList& tables, QStringList& refused) {
    refused.clear();
    return m_store->tablesNotWritable(tables, refused);
}

StoreResult StoreDb::checkIntact() {
    return m_store->checkIntact();
}

StoreResult StoreDb::appendReadings(const QString& backupFile, const QString& table) {
    return m_store->appendReadings(backupFile, table);
}

StoreResult StoreDb::queryPlan(const QString& sql, QStringList& steps) {
    return m_store->queryPlan(sql, steps);
}

QString StoreDb::nativeSql(const QString& sql) const {
    return m_store->nativeSql(sql);
}

StoreResult StoreDb::readFailure(const QSqlQuery& query) {
    return StoreConnection::failed(SqliteReason::of(query.lastError()));
}
