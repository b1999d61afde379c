#pragma once

#include "store/TextCursor.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QStringList>

// The rows of a select already run through Qt SQL, each value taken as text.
class QueryTextCursor : public TextCursor {
public:
    // Finds `columns` in the result of `query` by name; one it lacks reads as empty text.
    QueryTextCursor(QSqlQuery query, const QStringList& columns);

    [[nodiscard]] bool next(std::vector<std::string_view>& cells) override;
    [[nodiscard]] StoreResult ended() const override;

private:
    QSqlQuery m_query;
    std::vector<int> m_fields;
    std::vector<QByteArray> m_bytes;
};
