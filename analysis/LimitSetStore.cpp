#include "analysis/LimitSetStore.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/StoredText.h"
#include "store/StoreDb.h"

#include <QSqlQuery>

namespace analysis {

namespace {

// The limit columns in the order of LimitKind.
const QStringList LimitColumns = {QStringLiteral("最高温度"), QStringLiteral("温升"),
                                  QStringLiteral("里表温差"), QStringLiteral("降温速率"),
                                  QStringLiteral("表气温差")};

QString bracketed(const QStringList& names, const QString& format) {
    QStringList out;
    for (const QString& name : names)
        out << format.arg(name);
    return out.join(QStringLiteral(", "));
}

const QString Columns = bracketed(LimitColumns, QStringLiteral("[%1]"));

} // namespace

StoreResult LimitSetStore::load(const QString& dbPath, QVector<LimitSet>& out) {
    out.clear();
    return AnalysisSchema::readFrom(
        dbPath, [&out](StoreDb& db, const QStringList& tables) { return load(db, tables, out); });
}

StoreResult LimitSetStore::load(StoreDb& db, const QStringList& tables, QVector<LimitSet>& out) {
    out.clear();
    return AnalysisSchema::readRows(
        db, tables, AnalysisSchema::LimitSets,
        QStringLiteral("select [名称], ") + Columns +
            QStringLiteral(" from [限值组] order by [名称]"),
        [&out](const QSqlQuery& q) {
            LimitSet set;
            set.name = q.value(0).toString();
            for (int k = 0; k < LimitCount; ++k) {
                std::optional<double> limit;
                if (!LimitSet::parseLimit(q.value(1 + k).toString(), limit))
                    limit.reset();
                set.setLimit(static_cast<LimitKind>(k), limit);
            }
            out.append(set);
        });
}

StoreResult LimitSetStore::save(const QString& dbPath, const LimitSet& set) {
    StoreDb db(dbPath);
    if (const StoreResult r = AnalysisSchema::openToWrite(db); !r.ok())
        return r;
    QVariantList values{set.name};
    for (int k = 0; k < LimitCount; ++k) {
        const QString text = StoredText::ofNumber(set.limit(static_cast<LimitKind>(k)));
        values.append(text.isNull() ? QStringLiteral("") : text);
    }
    // One statement that both engines read alike: a second save of a name replaces its limits,
    // even when another copy saves the same name at the same moment.
    return db.exec(QStringLiteral("Insert Into [限值组] ([名称], ") + Columns +
                       QStringLiteral(") values (?,?,?,?,?,?) on conflict ([名称]) do update set ") +
                       bracketed(LimitColumns, QStringLiteral("[%1] = excluded.[%1]")),
                   values);
}

StoreResult LimitSetStore::remove(const QString& dbPath, const QString& name) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok() || !AnalysisSchema::has(db, AnalysisSchema::LimitSets))
        return r;
    return db.exec(QStringLiteral("delete from [限值组] where [名称] = ?"), {name});
}

} // namespace analysis
