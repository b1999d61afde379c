#include "store/RowTexts.h"

#include "store/StoreDb.h"
#include "store/TextCursor.h"

RowTexts::RowTexts(StoreDb& db, QStringList columns)
    : m_db(db), m_columns(std::move(columns)),
      m_cells(static_cast<std::size_t>(m_columns.size())) {}

RowTexts::~RowTexts() = default;

StoreResult RowTexts::select(const QString& sql) {
    m_cursor.reset();
    return m_db.selectTexts(sql, m_columns, m_cursor);
}

bool RowTexts::next() {
    return m_cursor && m_cursor->next(m_cells);
}

StoreResult RowTexts::ended() const {
    return m_cursor ? m_cursor->ended() : StoreResult();
}
