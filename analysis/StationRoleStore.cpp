#include "StationRoleStore.h"

#include "AnalysisSchema.h"
#include "StoreDb.h"
#include "StoredText.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString columns() {
    QString c = QStringLiteral("[组名], [表层测点], [底层测点]");
    for (int k = 1; k <= GroupRow::Slots; ++k)
        c += QStringLiteral(", [深度%1]").arg(k);
    return c;
}

int slotOf(const QString& text) {
    const int slot = text.trimmed().toInt();
    return slot >= 1 && slot <= GroupRow::Slots ? slot : 0;
}

} // namespace

StoreResult StationRoleStore::load(const QString& dbPath, QVector<StationRole>& out) {
    out.clear();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok() || !AnalysisSchema::has(db, AnalysisSchema::Roles))
        return r;
    QSqlQuery q;
    if (r = db.select(QStringLiteral("select ") + columns() +
                          QStringLiteral(" from [站点角色] order by rowid"),
                      q);
        !r.ok())
        return r;
    while (q.next()) {
        StationRole role;
        role.station = q.value(0).toString();
        role.surfaceSlot = slotOf(q.value(1).toString());
        role.bottomSlot = slotOf(q.value(2).toString());
        for (int k = 0; k < GroupRow::Slots; ++k)
            role.depths[static_cast<std::size_t>(k)] = StoredText::toNumber(q.value(3 + k).toString());
        out.append(role);
    }
    return q.lastError().isValid() ? AnalysisSchema::readFailure(q) : StoreResult();
}

StoreResult StationRoleStore::save(const QString& dbPath, const QVector<StationRole>& roles) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (r.ok())
        r = db.begin();
    if (!r.ok())
        return r;
    r = AnalysisSchema::ensure(db);
    if (r.ok())
        r = db.exec(QStringLiteral("delete * from [站点角色]"));
    QSqlQuery insert;
    if (r.ok())
        r = db.prepare(QStringLiteral("Insert Into [站点角色] (") + columns() +
                           QStringLiteral(") values (?,?,?,?,?,?,?,?,?,?,?)"),
                       insert);
    for (const StationRole& role : roles) {
        if (!r.ok())
            break;
        const auto slotText = [](int slot) {
            return slot > 0 ? QString::number(slot) : QStringLiteral("");
        };
        insert.bindValue(0, role.station);
        insert.bindValue(1, slotText(role.surfaceSlot));
        insert.bindValue(2, slotText(role.bottomSlot));
        for (int k = 0; k < GroupRow::Slots; ++k) {
            const QString depth = StoredText::ofNumber(role.depth(k));
            insert.bindValue(3 + k, depth.isNull() ? QStringLiteral("") : depth);
        }
        r = db.run(insert);
    }
    insert.finish();
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}
