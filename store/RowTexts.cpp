#include "store/RowTexts.h"

#include "store/JetSql.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

namespace {

StoreResult failure(const QString& reason) {
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reason);
}

// The column of a statement's result with the given name, or -1.
int columnNamed(sqlite3_stmt* statement, const QString& name) {
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
        if (QString::fromUtf8(sqlite3_column_name(statement, c))
                .compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

} // namespace

RowTexts::RowTexts(StoreDb& db, QStringList columns)
    : m_db(db), m_columns(std::move(columns)), m_cells(static_cast<std::size_t>(m_columns.size())),
      m_bytes(static_cast<std::size_t>(m_columns.size())) {}

RowTexts::~RowTexts() {
    sqlite3_finalize(m_statement);
}

StoreResult RowTexts::select(const QString& sql) {
    m_fields.clear();
    if (m_db.isServer()) {
        if (StoreResult r = m_db.select(sql, m_query); !r.ok())
            return r;
        const QSqlRecord record = m_query.record();
        for (const QString& name : m_columns)
            m_fields.push_back(record.indexOf(name));
        return {};
    }
    const QByteArray translated = JetSql::translate(sql).sql.toUtf8();
    if (sqlite3_prepare_v2(m_db.handle(), translated.constData(), -1, &m_statement, nullptr) !=
        SQLITE_OK) {
        const QString reason = StoreDb::reasonText(
            sqlite3_errcode(m_db.handle()), QString::fromUtf8(sqlite3_errmsg(m_db.handle())));
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        return failure(reason);
    }
    for (const QString& name : m_columns)
        m_fields.push_back(columnNamed(m_statement, name));
    m_step = SQLITE_ROW;
    return {};
}

bool RowTexts::next() {
    const std::size_t count = m_fields.size();
    if (m_statement) {
        if ((m_step = sqlite3_step(m_statement)) != SQLITE_ROW)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            const int field = m_fields[i];
            const auto* text =
                field < 0 ? nullptr
                          : reinterpret_cast<const char*>(sqlite3_column_text(m_statement, field));
            m_cells[i] =
                text ? std::string_view(
                           text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, field)))
                     : std::string_view();
        }
        return true;
    }
    if (!m_query.next())
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const int field = m_fields[i];
        m_bytes[i] = field < 0 ? QByteArray() : m_query.value(field).toString().toUtf8();
        m_cells[i] =
            std::string_view(m_bytes[i].constData(), static_cast<std::size_t>(m_bytes[i].size()));
    }
    return true;
}

StoreResult RowTexts::ended() const {
    if (m_statement)
        return m_step == SQLITE_DONE || m_step == SQLITE_ROW
                   ? StoreResult()
                   : failure(StoreDb::reasonText(m_step,
                                                 QString::fromUtf8(sqlite3_errmsg(m_db.handle()))));
    return m_query.lastError().isValid() ? failure(m_query.lastError().databaseText())
                                         : StoreResult();
}
