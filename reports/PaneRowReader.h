#pragma once

#include "reports/CountedRows.h"
#include "reports/PaneQuery.h"
#include "store/ReadingsRowBuilder.h"

// The rows of the query pane, read again from the database one at a time, with the pane's
// own rule for which rows show and what they say.
class PaneRowReader {
public:
    PaneRowReader(const QString& dbPath, const PaneQuery& pane);

    [[nodiscard]] StoreResult open();
    // Progress is counted in rows of the statement, which the views that list distinct
    // values show fewer of.
    [[nodiscard]] qint64 total() const { return m_rows.total(); }
    [[nodiscard]] qint64 done() const { return m_done; }
    [[nodiscard]] bool next(ReadingsRowBuilder::Row& row);
    [[nodiscard]] StoreResult error() const { return m_rows.error(); }

private:
    QString m_sql;
    CountedRows m_rows;
    ReadingsRowBuilder m_builder;
    qint64 m_done = 0;
    int m_dateTime = -1;
    int m_number = -1;
    int m_temperature = -1;
};
