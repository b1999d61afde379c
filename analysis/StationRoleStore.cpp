#include "analysis/StationRoleStore.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/StoredText.h"
#include "store/StoreDb.h"

#include <QSet>
#include <QSqlQuery>

namespace analysis {

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
    return AnalysisSchema::readFrom(
        dbPath, [&out](StoreDb& db, const QStringList& tables) { return load(db, tables, out); });
}

StoreResult StationRoleStore::load(StoreDb& db, const QStringList& tables,
                                   QVector<StationRole>& out) {
    out.clear();
    return AnalysisSchema::readRows(
        db, tables, AnalysisSchema::Roles,
        QStringLiteral("select ") + columns() + QStringLiteral(" from [站点角色] order by [组名]"),
        [&out](const QSqlQuery& q) {
            StationRole role;
            role.station = q.value(0).toString();
            role.surfaceSlot = slotOf(q.value(1).toString());
            role.bottomSlot = slotOf(q.value(2).toString());
            for (int k = 0; k < GroupRow::Slots; ++k)
                role.depths[static_cast<std::size_t>(k)] =
                    StoredText::toNumber(q.value(3 + k).toString());
            out.append(role);
        });
}

StoreResult StationRoleStore::save(const QString& dbPath, const QVector<StationRole>& roles) {
    StoreDb db(dbPath);
    if (const StoreResult r = AnalysisSchema::openToWrite(db); !r.ok())
        return r;
    QStringList columns{QStringLiteral("组名"), QStringLiteral("表层测点"),
                        QStringLiteral("底层测点")};
    for (int k = 1; k <= GroupRow::Slots; ++k)
        columns << QStringLiteral("深度%1").arg(k);
    const auto slotText = [](int slot) {
        return slot > 0 ? QString::number(slot) : QStringLiteral("");
    };
    QVector<QVariantList> rows;
    QSet<QString> stored;
    for (const StationRole& role : roles) {
        // A station has one role, the first, as the analysis reads it; which of two stored
        // rows came first would rest on the order of the rows, which a server does not keep.
        if (stored.contains(role.station))
            continue;
        stored.insert(role.station);
        QVariantList values{role.station, slotText(role.surfaceSlot), slotText(role.bottomSlot)};
        for (int k = 0; k < GroupRow::Slots; ++k)
            values << StoredText::ofNumber(role.depth(k));
        rows << values;
    }
    return db.replaceRows(QStringLiteral("站点角色"), columns, rows);
}

} // namespace analysis
