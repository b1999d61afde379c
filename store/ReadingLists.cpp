#include "store/ReadingLists.h"

#include "common/NumberText.h"
#include "store/ReadingsLayout.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

// The upload-time view's walk over the index on 日期时间: the distinct date-times newest
// first, and a null among them where there is one.
QString uploadTimesSql(const QString& dbPath) {
    return ReadingsLayout::of(ReadingsLayout::Fill::UploadTimes).sql(dbPath);
}

} // namespace

StoreResult ReadingLists::distinctTexts(const QString& dbPath, const QString& sql, QStringList& out,
                                        bool withNull) {
    out.clear();
    StoreDb db(dbPath);
    const StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    return r.ok() ? texts(db, sql, out, withNull) : r;
}

StoreResult ReadingLists::texts(StoreDb& db, const QString& sql, QStringList& out, bool withNull) {
    out.clear();
    QSqlQuery q;
    if (StoreResult r = db.select(sql, q); !r.ok())
        return r;
    while (q.next())
        if (withNull || !q.value(0).isNull())
            out.append(q.value(0).toString());
    if (q.lastError().isValid())
        return StoreDb::readFailure(q);
    return {};
}

QString ReadingLists::uploadTimeList(const QString& dbPath) {
    QStringList times;
    // A failure part-way keeps what was read, as the grouping run expects.
    (void)distinctTexts(dbPath, uploadTimesSql(dbPath), times, false);
    QString list;
    for (const QString& t : times)
        list += QLatin1Char('|') + t;
    return list;
}

StoreResult ReadingLists::dateTimes(const QString& dbPath, QStringList& out) {
    const StoreResult r = distinctTexts(dbPath, uploadTimesSql(dbPath), out, false);
    std::reverse(out.begin(), out.end());
    return r;
}

StoreResult ReadingLists::uploadTimes(StoreDb& db, const QString& dbPath, QStringList& out) {
    return texts(db, uploadTimesSql(dbPath), out, false);
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
