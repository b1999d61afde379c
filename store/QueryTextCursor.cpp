#include "store/QueryTextCursor.h"

#include "store/StoreConnection.h"

#include <QSqlError>
#include <QSqlRecord>

QueryTextCursor::QueryTextCursor(QSqlQuery query, const QStringList& columns)
    : m_query(std::move(query)), m_bytes(static_cast<std::size_t>(columns.size())) {
    const QSqlRecord record = m_query.record();
    for (const QString& name : columns)
        m_fields.push_back(record.indexOf(name));
}

bool QueryTextCursor::next(std::vector<std::string_view>& cells) {
    if (!m_query.next())
        return false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int field = m_fields[i];
        m_bytes[i] = field < 0 ? QByteArray() : m_query.value(field).toString().toUtf8();
        cells[i] =
            std::string_view(m_bytes[i].constData(), static_cast<std::size_t>(m_bytes[i].size()));
    }
    return true;
}

StoreResult QueryTextCursor::ended() const {
    return m_query.lastError().isValid()
               ? StoreConnection::failed(m_query.lastError().databaseText())
               : StoreResult();
}
