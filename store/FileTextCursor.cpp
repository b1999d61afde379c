#include "store/FileTextCursor.h"

#include "store/SqliteReason.h"
#include "store/StoreConnection.h"

#include <sqlite3.h>

namespace {

// The column of a statement's result with the given name, or -1.
int columnNamed(sqlite3_stmt* statement, const QString& name) {
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
        if (QString::fromUtf8(sqlite3_column_name(statement, c))
                .compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

StoreResult failure(sqlite3* db, int code) {
    return StoreConnection::failed(
        SqliteReason::of(code, QString::fromUtf8(sqlite3_errmsg(db))));
}

} // namespace

FileTextCursor::FileTextCursor(sqlite3* db, sqlite3_stmt* statement, std::vector<int> fields)
    : m_db(db), m_statement(statement), m_fields(std::move(fields)), m_step(SQLITE_ROW) {}

FileTextCursor::~FileTextCursor() {
    sqlite3_finalize(m_statement);
}

StoreResult FileTextCursor::start(sqlite3* db, const QString& sql, const QStringList& columns,
                                  std::unique_ptr<TextCursor>& rows) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        const StoreResult r = failure(db, sqlite3_errcode(db));
        sqlite3_finalize(statement);
        return r;
    }
    std::vector<int> fields;
    for (const QString& name : columns)
        fields.push_back(columnNamed(statement, name));
    rows.reset(new FileTextCursor(db, statement, std::move(fields)));
    return {};
}

bool FileTextCursor::next(std::vector<std::string_view>& cells) {
    if ((m_step = sqlite3_step(m_statement)) != SQLITE_ROW)
        return false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int field = m_fields[i];
        const auto* text =
            field < 0 ? nullptr
                      : reinterpret_cast<const char*>(sqlite3_column_text(m_statement, field));
        cells[i] = text ? std::string_view(text, static_cast<std::size_t>(
                                                     sqlite3_column_bytes(m_statement, field)))
                        : std::string_view();
    }
    return true;
}

StoreResult FileTextCursor::ended() const {
    return m_step == SQLITE_DONE || m_step == SQLITE_ROW ? StoreResult() : failure(m_db, m_step);
}
