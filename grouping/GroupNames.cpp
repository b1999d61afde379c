#include "grouping/GroupNames.h"

#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

StoreResult getGroupsNames(const QString& databasePath, QStringList& names) {
    names.clear();
    StoreDb db(databasePath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;
    QSqlQuery query;
    r = db.select(QStringLiteral("select [组名] from [分组定义] order by [组名]"), query);
    if (!r.ok())
        return r;
    while (query.next())
        names << query.value(0).toString();
    return query.lastError().isValid() ? StoreDb::readFailure(query) : r;
}
