#pragma once

#include "store/StoreDb.h"
#include "store/StoreResult.h"

#include <QSqlQuery>
#include <QString>

// The rows of one statement, counted first and then read one at a time, so an export can
// show how far it has come without holding every row.
class CountedRows {
public:
    // Counting runs the whole statement once more; a reader that shows no progress skips it.
    enum class Counting { Count, Skip };

    explicit CountedRows(const QString& dbPath);

    [[nodiscard]] StoreResult open(const QString& sql, Counting counting = Counting::Count);
    // Zero when opened with Counting::Skip.
    [[nodiscard]] qint64 total() const { return m_total; }

    [[nodiscard]] bool next() { return m_query.next(); }
    // A column's position by name (any case); -1 when the statement has no such column.
    [[nodiscard]] int field(const QString& name) const;
    // A column's text; a null or missing column gives an empty text.
    [[nodiscard]] QString text(int field) const;
    // Why reading stopped before the end; success when it reached the end.
    [[nodiscard]] StoreResult error() const;

private:
    StoreDb m_db;
    // Declared after the connection, so it goes first.
    QSqlQuery m_query;
    qint64 m_total = 0;
};
