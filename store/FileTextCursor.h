#pragma once

#include "store/TextCursor.h"

#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// A file's rows stepped directly through SQLite, without a QVariant per value, their texts
// read in place: millions of rows pass through here.
class FileTextCursor : public TextCursor {
public:
    // Prepares `sql`, already in SQLite's form, on `db` and finds `columns` in its result
    // by name, in any case; one it lacks reads as empty text.
    [[nodiscard]] static StoreResult start(sqlite3* db, const QString& sql,
                                           const QStringList& columns,
                                           std::unique_ptr<TextCursor>& rows);
    ~FileTextCursor() override;
    FileTextCursor(const FileTextCursor&) = delete;
    FileTextCursor& operator=(const FileTextCursor&) = delete;

    [[nodiscard]] bool next(std::vector<std::string_view>& cells) override;
    [[nodiscard]] StoreResult ended() const override;

private:
    FileTextCursor(sqlite3* db, sqlite3_stmt* statement, std::vector<int> fields);

    sqlite3* m_db;
    sqlite3_stmt* m_statement;
    std::vector<int> m_fields;
    int m_step;
};
