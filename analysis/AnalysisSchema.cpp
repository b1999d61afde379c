#include "analysis/AnalysisSchema.h"

#include "analysis/PourStore.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

#include <utility>
#include <vector>

namespace analysis {

namespace {

// Each table with the statement that makes it, its columns of the engine's text type.
std::vector<std::pair<QString, QString>> tableStatements(const QString& text) {
    QString roles = QStringLiteral("Create Table If Not Exists [站点角色] ([组名] %1, "
                                   "[表层测点] %1, [底层测点] %1")
                        .arg(text);
    for (int k = 1; k <= 8; ++k)
        roles += QStringLiteral(", [深度%1] %2").arg(k).arg(text);
    roles += QLatin1Char(')');
    return {
        {AnalysisSchema::Pour,
         QStringLiteral("Create Table If Not Exists [浇筑信息] ([项目] %1 primary key, [内容] %1)")
             .arg(text)},
        {AnalysisSchema::Pours,
         QStringLiteral("Create Table If Not Exists [浇筑] ([浇筑编号] %1, [项目] %1, [内容] %1, "
                        "primary key ([浇筑编号], [项目]))")
             .arg(text)},
        {AnalysisSchema::PourStations,
         QStringLiteral("Create Table If Not Exists [浇筑站点] ([组名] %1 primary key, [浇筑编号] %1)")
             .arg(text)},
        {AnalysisSchema::Roles, roles},
        {AnalysisSchema::LimitSets,
         QStringLiteral("Create Table If Not Exists [限值组] ([名称] %1 primary key, [最高温度] "
                        "%1, [温升] %1, [里表温差] %1, [降温速率] %1, [表气温差] %1)")
             .arg(text)},
    };
}

StoreResult ensure(StoreDb& db) {
    // Only missing tables are made: a server user may have the right to write rows but not
    // to make tables, and a server refuses even a table that exists to such a user. Two
    // copies making them at once take turns under the server lock.
    StoreResult r = db.begin();
    if (r.ok())
        r = db.lockForTransaction(StoreDb::Lock::Schema);
    QStringList names;
    if (r.ok())
        r = db.tableNames(names);
    for (const auto& [table, sql] : tableStatements(db.textType())) {
        if (!r.ok())
            break;
        if (!names.contains(table))
            r = db.exec(sql);
    }
    if (r.ok() && !names.contains(AnalysisSchema::Pours))
        r = PourStore::upgrade(db, names);
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}

} // namespace

QStringList AnalysisSchema::tables() {
    QStringList names;
    for (const auto& [table, sql] : tableStatements({}))
        names.append(table);
    return names;
}

bool AnalysisSchema::has(StoreDb& db, const QString& table) {
    QStringList names;
    return db.tableNames(names).ok() && names.contains(table);
}

StoreResult AnalysisSchema::openToWrite(StoreDb& db) {
    const StoreResult r = db.openDatabase();
    return r.ok() ? ensure(db) : r;
}

StoreResult AnalysisSchema::readFrom(const QString& dbPath, const Reader& read, int busyTimeoutMs) {
    StoreDb db(dbPath, busyTimeoutMs);
    QStringList tables;
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (r.ok())
        r = db.tableNames(tables);
    return r.ok() ? read(db, tables) : r;
}

StoreResult AnalysisSchema::readRows(StoreDb& db, const QStringList& tables, const QString& table,
                                     const QString& sql,
                                     const std::function<void(const QSqlQuery&)>& row) {
    if (!tables.contains(table))
        return {};
    QSqlQuery q;
    if (const StoreResult r = db.select(sql, q); !r.ok())
        return r;
    while (q.next())
        row(q);
    return q.lastError().isValid() ? StoreDb::readFailure(q) : StoreResult();
}

} // namespace analysis
