#include "reports/CountedRows.h"

#include <QSqlError>
#include <QSqlRecord>

CountedRows::CountedRows(const QString& dbPath) : m_db(dbPath) {}

StoreResult CountedRows::open(const QString& sql, Counting counting) {
    StoreResult r = m_db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;
    QString whole = sql.trimmed();
    while (whole.endsWith(QLatin1Char(';')))
        whole.chop(1);
    m_total = 0;
    if (counting == Counting::Skip)
        return m_db.select(whole, m_query);
    QSqlQuery count;
    r = m_db.select(QStringLiteral("select count(*) from (%1\n) as counted").arg(whole), count);
    if (!r.ok())
        return r;
    m_total = count.next() ? count.value(0).toLongLong() : 0;
    return m_db.select(whole, m_query);
}

int CountedRows::field(const QString& name) const {
    return m_query.record().indexOf(name);
}

QString CountedRows::text(int field) const {
    return field < 0 ? QString() : m_query.value(field).toString();
}

StoreResult CountedRows::error() const {
    if (!m_query.lastError().isValid())
        return {};
    return StoreDb::readFailure(m_query);
}
