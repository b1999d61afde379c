#include "AnalysisSchema.h"

#include "StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

StoreResult AnalysisSchema::ensure(StoreDb& db) {
    QString roles = QStringLiteral("Create Table If Not Exists [站点角色] ([组名] text, "
                                   "[表层测点] text, [底层测点] text");
    for (int k = 1; k <= 8; ++k)
        roles += QStringLiteral(", [深度%1] text").arg(k);
    roles += QLatin1Char(')');
    const QStringList statements = {
        QStringLiteral("Create Table If Not Exists [浇筑信息] ([项目] text primary key, [内容] text)"),
        roles,
        QStringLiteral("Create Table If Not Exists [限值组] ([名称] text primary key, [最高温度] "
                       "text, [温升] text, [里表温差] text, [降温速率] text, [表气温差] text)"),
    };
    for (const QString& sql : statements)
        if (StoreResult r = db.exec(sql); !r.ok())
            return r;
    return {};
}

bool AnalysisSchema::has(StoreDb& db, const QString& table) {
    QStringList names;
    return db.tableNames(names).ok() && names.contains(table);
}

StoreResult AnalysisSchema::readFailure(const QSqlQuery& query) {
    return StoreResult::failure(StoreResult::Kind::Failed, QStringLiteral("数据库操作失败：") +
                                                               StoreDb::reasonText(query.lastError()));
}
