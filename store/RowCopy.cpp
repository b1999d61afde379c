#include "RowCopy.h"

#include "StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

namespace {

// Rows per insert: large enough that a server's round trips do not count, small enough to
// stay within both engines' limit on the number of values in one statement.
constexpr int ChunkRows = 500;

QString insertStatement(const QString& table, const QStringList& columns, int rows) {
    QString one = QStringLiteral("(?");
    for (int c = 1; c < columns.size(); ++c)
        one += QStringLiteral(",?");
    one += QLatin1Char(')');
    QStringList all;
    for (int r = 0; r < rows; ++r)
        all.append(one);
    return QStringLiteral("insert into [%1]([%2]) values %3")
        .arg(table, columns.join(QStringLiteral("],[")), all.join(QLatin1Char(',')));
}

} // namespace

StoreResult RowCopy::append(StoreDb& from, const QString& select, StoreDb& to,
                            const QString& table) {
    QSqlQuery source;
    StoreResult r = from.select(select, source);
    if (!r.ok())
        return r;
    const QSqlRecord record = source.record();
    QStringList columns;
    for (int c = 0; c < record.count(); ++c)
        columns.append(record.fieldName(c));

    QVariantList values;
    const auto flush = [&]() {
        const int rows = static_cast<int>(values.size() / columns.size());
        StoreResult done;
        if (rows > 0)
            done = to.exec(insertStatement(table, columns, rows), values);
        values.clear();
        return done;
    };
    while (r.ok() && source.next()) {
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant v = source.value(c);
            // Every column holds text; a null cell stays null.
            values.append(v.isNull() ? QVariant(QMetaType::fromType<QString>())
                                     : QVariant(v.toString()));
        }
        if (values.size() >= ChunkRows * columns.size())
            r = flush();
    }
    if (r.ok() && source.lastError().isValid())
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：") + source.lastError().text());
    if (r.ok())
        r = flush();
    return r;
}
