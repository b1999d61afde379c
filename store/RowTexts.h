#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>
#include <vector>

class StoreDb;
class TextCursor;

// Walks the rows of one select on an open store and hands the texts of the chosen columns
// as UTF-8. Millions of rows pass through here: the engine walks them its quickest way
// (TextCursor), and a text is read in place, without a copy per value where it can be.
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
    std::unique_ptr<TextCursor> m_cursor;
    std::vector<std::string_view> m_cells;
};
