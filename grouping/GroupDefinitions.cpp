#include "grouping/GroupDefinitions.h"

#include "store/NumberFormat.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString slotColumns() {
    QString columns;
    for (int k = 1; k <= GroupRow::Slots; ++k)
        columns += QStringLiteral(",[传感器%1]").arg(k);
    return columns;
}

} // namespace

QString GroupDefinitions::storedName(const QString& name) {
    return NumberFormat::format(name, 4, 0);
}

GroupRow GroupDefinitions::stored(const GroupRow& row) {
    GroupRow out;
    out.name = storedName(row.name);
    for (std::size_t k = 0; k < row.sensors.size(); ++k)
        out.sensors[k] = storedName(row.sensors[k]);
    return out;
}

StoreResult GroupDefinitions::load(const QString& dbPath, QVector<GroupRow>& rows) {
    rows.clear();
    StoreDb db(dbPath);
    const StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    return r.ok() ? load(db, rows) : r;
}

StoreResult GroupDefinitions::load(StoreDb& db, QVector<GroupRow>& rows) {
    rows.clear();
    QSqlQuery q;
    // The stored order breaks ties between names of one value, so a load is repeatable.
    StoreResult r = db.select(QStringLiteral("select [组名]") + slotColumns() +
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
    return q.lastError().isValid() ? StoreDb::readFailure(q) : r;
}

StoreResult GroupDefinitions::save(const QString& dbPath, const QVector<GroupRow>& rows) {
    if (rows.isEmpty())
        return {};
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok())
        return r;
    QStringList columns{QStringLiteral("组名")};
    for (int k = 1; k <= GroupRow::Slots; ++k)
        columns << QStringLiteral("传感器%1").arg(k);
    // Stored from the last row to the first, as the list has always been written.
    QVector<QVariantList> table;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const GroupRow row = stored(*it);
        QVariantList values{row.name};
        for (const QString& sensor : row.sensors)
            values << sensor;
        table << values;
    }
    return db.replaceRows(QStringLiteral("分组定义"), columns, table);
}
