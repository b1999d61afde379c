#pragma once

#include "store/StoreResult.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

class StoreDb;
struct sqlite3_stmt;

// Walks the rows of one select on an open store and hands the texts of the chosen columns
// as UTF-8. Millions of rows pass through here: a file's statement is stepped directly,
// without a QVariant per value, and its texts are read in place; a server's go through
// Qt SQL.
class RowTexts {
public:
    // `columns` are found in the statement's result by name, in any case; one it lacks
    // reads as empty text.
    RowTexts(StoreDb& db, QStringList columns);
    ~RowTexts();
    RowTexts(const RowTexts&) = delete;
    RowTexts& operator=(const RowTexts&) = delete;

    // Starts the statement (the program's own SQL form).
    [[nodiscard]] StoreResult select(const QString& sql);
    // Moves to the next row; false at the end of the rows or on a failure.
    [[nodiscard]] bool next();
    // The text of `columns[column]` in the current row, valid until the next call of next().
    [[nodiscard]] std::string_view text(int column) const {
        return m_cells[static_cast<std::size_t>(column)];
    }
    // Once next() gave false: why the rows ended early; success when all were read or the
    // walk was left before its end.
    [[nodiscard]] StoreResult ended() const;

private:
    StoreDb& m_db;
    QStringList m_columns;
    sqlite3_stmt* m_statement = nullptr;
    int m_step = 0;
    QSqlQuery m_query;
    std::vector<int> m_fields;
    std::vector<std::string_view> m_cells;
    std::vector<QByteArray> m_bytes;
};
