#include "LimitSetStore.h"

#include "AnalysisSchema.h"
#include "StoreDb.h"
#include "StoredText.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// The limit columns in the order of LimitKind.
const QString Columns = QStringLiteral("[最高温度], [温升], [里表温差], [降温速率], [表气温差]");

} // namespace

StoreResult LimitSetStore::load(const QString& dbPath, QVector<LimitSet>& out) {
    out.clear();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok() || !AnalysisSchema::has(db, AnalysisSchema::LimitSets))
        return r;
    QSqlQuery q;
    if (r = db.select(QStringLiteral("select [名称], ") + Columns +
                          QStringLiteral(" from [限值组] order by [名称]"),
                      q);
        !r.ok())
        return r;
    while (q.next()) {
        LimitSet set;
        set.name = q.value(0).toString();
        for (int k = 0; k < LimitCount; ++k) {
            std::optional<double> limit;
            if (!LimitSet::parseLimit(q.value(1 + k).toString(), limit))
                limit.reset();
            set.setLimit(static_cast<LimitKind>(k), limit);
        }
        out.append(set);
    }
    return q.lastError().isValid() ? AnalysisSchema::readFailure(q) : StoreResult();
}

StoreResult LimitSetStore::save(const QString& dbPath, const LimitSet& set) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (r.ok())
        r = AnalysisSchema::ensure(db);
    if (!r.ok())
        return r;
    QVariantList values{set.name};
    for (int k = 0; k < LimitCount; ++k) {
        const QString text = StoredText::ofNumber(set.limit(static_cast<LimitKind>(k)));
        values.append(text.isNull() ? QStringLiteral("") : text);
    }
    return db.exec(QStringLiteral("insert or replace into [限值组] ([名称], ") + Columns +
                       QStringLiteral(") values (?,?,?,?,?,?)"),
                   values);
}

StoreResult LimitSetStore::remove(const QString& dbPath, const QString& name) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok() || !AnalysisSchema::has(db, AnalysisSchema::LimitSets))
        return r;
    return db.exec(QStringLiteral("delete from [限值组] where [名称] = ?"), {name});
}
