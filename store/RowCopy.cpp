#include "store/RowCopy.h"

#include "store/FileStore.h"
#include "store/SqliteReason.h"
#include "store/StoreConnection.h"
#include "store/StoreSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

namespace {

// Rows per insert: large enough that a server's round trips do not count, small enough to
// stay within both engines' limit on the number of values in one statement.
constexpr int ChunkRows = 500;

} // namespace

RowCopy::Inserter::Inserter(StoreConnection& to, QString table, QStringList columns)
    : m_to(to), m_table(std::move(table)), m_columns(std::move(columns)) {}

StoreResult RowCopy::Inserter::add(const QVariant& value) {
    m_values.append(value);
    return m_values.size() >= ChunkRows * m_columns.size() ? flush() : StoreResult();
}

StoreResult RowCopy::Inserter::flush() {
    const int rows = static_cast<int>(m_values.size() / m_columns.size());
    StoreResult done;
    if (rows == ChunkRows)
        done = insertFullChunk();
    else if (rows > 0)
        done = m_to.exec(m_to.rowsInsert(m_table, m_columns, rows),
                         m_to.rowsInsertValues(static_cast<int>(m_columns.size()), m_values));
    m_values.clear();
    return done;
}

StoreResult RowCopy::Inserter::insertFullChunk() {
    // The statement for a full chunk is made and prepared once and run with each chunk's
    // values: making it, and the engine's parsing of it, would otherwise cost more than
    // inserting the rows.
    if (!m_prepared) {
        if (StoreResult r =
                m_to.prepare(m_to.rowsInsert(m_table, m_columns, ChunkRows), m_fullChunk);
            !r.ok())
            return r;
        m_prepared = true;
    }
    const QVariantList values = m_to.rowsInsertValues(static_cast<int>(m_columns.size()), m_values);
    for (int i = 0; i < values.size(); ++i)
        m_fullChunk.bindValue(i, values[i]);
    return m_to.run(m_fullChunk);
}

StoreResult RowCopy::append(StoreConnection& from, const QString& select, StoreConnection& to,
                            const QString& table) {
    QSqlQuery source;
    StoreResult r = from.select(select, source, {});
    if (!r.ok())
        return r;
    const QSqlRecord record = source.record();
    QStringList columns;
    for (int c = 0; c < record.count(); ++c)
        columns.append(record.fieldName(c));

    Inserter insert(to, table, columns);
    while (r.ok() && source.next()) {
        for (int c = 0; r.ok() && c < columns.size(); ++c) {
            const QVariant v = source.value(c);
            // Every column holds text; a null cell stays null.
            r = insert.add(v.isNull() ? QVariant(QMetaType::fromType<QString>())
                                      : QVariant(v.toString()));
        }
    }
    if (r.ok() && source.lastError().isValid())
        return StoreConnection::failed(SqliteReason::of(source.lastError()));
    if (r.ok())
        r = insert.flush();
    return r;
}

StoreResult RowCopy::appendReadings(const QString& backupFile, const QString& table,
                                    StoreConnection& to) {
    // Only the known columns of a table are read, never a view, and the file is never
    // written, so nothing of its schema runs.
    FileStore backup(backupFile);
    StoreResult r = backup.openFile(StoreConnection::Access::ReadOnly);
    if (!r.ok())
        return r;
    r = to.begin();
    if (r.ok())
        r = append(backup,
                   QStringLiteral("select %1 from [%2]").arg(StoreSchema::ReadingColumns, table),
                   to, StoreSchema::Readings);
    if (r.ok())
        return to.commit();
    to.rollback();
    return r;
}
