#include "GroupDefinitions.h"

#include "NumberFormat.h"
#include "StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString slotColumns() {
    QString columns;
    for (int k = 1; k <= GroupRow::Slots; ++k)
        columns += QStringLiteral(",[传感器%1]").arg(k);
    return columns;
}

// Qt binds a null text as SQL NULL; an empty slot is stored as empty text.
QString nonNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QString GroupDefinitions::storedName(const QString& name) {
    return NumberFormat::format(name, 4, 0);
}

StoreResult GroupDefinitions::load(const QString& dbPath, QVector<GroupRow>& rows) {
    rows.clear();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;
    QSqlQuery q;
    // The stored order breaks ties between names of one value, so a load is repeatable.
    r = db.select(QStringLiteral("select [组名]") + slotColumns() +
                      QStringLiteral(" from [分组定义] order by val(组名), rowid"),
                  q);
    if (!r.ok())
        return r;
    while (q.next()) {
        GroupRow row;
        row.name = q.value(0).toString();
        for (int k = 0; k < GroupRow::Slots; ++k)
            row.sensors[static_cast<std::size_t>(k)] = q.value(k + 1).toString();
        rows.append(row);
    }
    if (q.lastError().isValid())
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：") +
                                        StoreDb::reasonText(q.lastError()));
    return r;
}

StoreResult GroupDefinitions::save(const QString& dbPath, const QVector<GroupRow>& rows) {
    if (rows.isEmpty())
        return {};
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok())
        return r;
    if (r = db.begin(); !r.ok())
        return r;
    r = db.exec(QStringLiteral("delete * from [分组定义]"));
    QSqlQuery insert;
    if (r.ok())
        r = db.prepare(QStringLiteral("Insert Into [分组定义]([组名]") + slotColumns() +
                           QStringLiteral(") values (?,?,?,?,?,?,?,?,?)"),
                       insert);
    for (auto it = rows.crbegin(); r.ok() && it != rows.crend(); ++it) {
        insert.bindValue(0, nonNull(storedName(it->name)));
        for (int k = 0; k < GroupRow::Slots; ++k)
            insert.bindValue(k + 1, nonNull(it->sensors[static_cast<std::size_t>(k)]));
        r = db.run(insert);
    }
    insert.finish();
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}
