#pragma once

#include "store/StoreResult.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

class StoreConnection;

// Copies rows between two databases of either engine, a file and a server or two of a
// kind: the rows of a select on one connection are appended to a table on the other, many
// rows to a statement so that a server is not asked once per row. The caller holds the
// transactions that make the copy all or nothing.
namespace RowCopy {

// Appends rows to `table` of `to`, handed value by value in the order of `columns`, many
// rows to a statement.
class Inserter {
public:
    Inserter(StoreConnection& to, QString table, QStringList columns);
    // Takes the next value; inserts once a statement's worth of rows is waiting.
    [[nodiscard]] StoreResult add(const QVariant& value);
    // Inserts the rows still waiting.
    [[nodiscard]] StoreResult flush();
    // Whether no value waits to be inserted.
    [[nodiscard]] bool isEmpty() const { return m_values.isEmpty(); }

private:
    [[nodiscard]] StoreResult insertFullChunk();

    StoreConnection& m_to;
    QString m_table;
    QStringList m_columns;
    QVariantList m_values;
    // The statement for a full chunk, prepared for the first.
    QSqlQuery m_fullChunk;
    bool m_prepared = false;
};

// Appends every row of `select` on `from` to `table` of `to`, each value in the column of
// the same name.
[[nodiscard]] StoreResult append(StoreConnection& from, const QString& select, StoreConnection& to,
                                 const QString& table);

// Appends the three reading columns of table `table` of the backup file `backupFile`, opened
// read-only, to 表1 of `to`, in one transaction of `to`: all of them or none.
[[nodiscard]] StoreResult appendReadings(const QString& backupFile, const QString& table,
                                         StoreConnection& to);

} // namespace RowCopy
