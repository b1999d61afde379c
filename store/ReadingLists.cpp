#include "store/ReadingLists.h"

#include "common/NumberText.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

StoreResult ReadingLists::distinctTexts(const QString& dbPath, const QString& sql,
                                        QStringList& out) {
    out.clear();
    StoreDb db(dbPath);
    const StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    return r.ok() ? texts(db, sql, out) : r;
}

StoreResult ReadingLists::texts(StoreDb& db, const QString& sql, QStringList& out) {
    out.clear();
    QSqlQuery q;
    if (StoreResult r = db.select(sql, q); !r.ok())
        return r;
    while (q.next())
        out.append(q.value(0).toString());
    if (q.lastError().isValid())
        return StoreDb::readFailure(q);
    return {};
}

QString ReadingLists::uploadTimeList(const QString& dbPath) {
    QStringList times;
    // A failure part-way keeps what was read, as the grouping run expects.
    (void)distinctTexts(dbPath,
                        QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                       "not null order by [日期时间] desc"),
                        times);
    QString list;
    for (const QString& t : times)
        list += QLatin1Char('|') + t;
    return list;
}

StoreResult ReadingLists::dateTimes(const QString& dbPath, QStringList& out) {
    return distinctTexts(dbPath,
                         QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                        "not null order by [日期时间] asc"),
                         out);
}

StoreResult ReadingLists::hasUploads(StoreDb& db, bool& any) {
    QStringList first;
    const StoreResult r = texts(
        db, QStringLiteral("select [日期时间] from [表1] where [日期时间] is not null limit 1"),
        first);
    any = !first.isEmpty();
    return r;
}

StoreResult ReadingLists::sensorNumbers(const QString& dbPath, QStringList& out) {
    QStringList values;
    StoreResult r = distinctTexts(dbPath,
                                  QStringLiteral("select distinct val([编号]) from [表1] where "
                                                 "[编号] is not null order by val([编号]) asc"),
                                  values);
    out.clear();
    for (const QString& v : values) {
        const QString number = PlainNumber(Val(v));
        if (out.isEmpty() || out.last() != number)
            out.append(number);
    }
    return r;
}
