#include "grouping/GroupData2Mdb.h"

#include "grouping/GroupRow.h"
#include "grouping/UploadStamp.h"
#include "store/StoreDb.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// The whole sensor number of a value: the nearest integer, halves away from zero. A
// server's integer cast fails on a number beyond its range rather than saturating, so there
// such numbers, which have no slot anyway, become -1.
QString wholeNumberOf(const StoreDb& db, const QString& value) {
    if (!db.isServer())
        return QStringLiteral("cast(round(%1) as integer)").arg(value);
    return QStringLiteral("case when abs(%1) < 1e9 then cast(round(cast(%1 as numeric)) as "
                          "integer) else -1 end")
        .arg(value);
}

// The whole sensor number of a text.
QString wholeNumber(const StoreDb& db, const QString& column) {
    return wholeNumberOf(db, QStringLiteral("val(%1)").arg(column));
}

// The distinct upload date-times, newest first.
StoreResult uploadTimes(StoreDb& db, QStringList& times) {
    QSqlQuery q;
    StoreResult r = db.select(QStringLiteral("select distinct [日期时间] from [表1] where "
                                             "[日期时间] <> '' order by [日期时间] desc"),
                              q);
    if (!r.ok())
        return r;
    while (q.next())
        times.append(q.value(0).toString());
    return q.lastError().isValid() ? StoreDb::readFailure(q) : r;
}

// UploadTimes: the date-times in the order their records are written, with the parts each
// record carries.
StoreResult fillUploadTimes(StoreDb& db, const QStringList& times) {
    StoreResult r = db.exec(QStringLiteral(
        "create temp table [UploadTimes] ([日期时间] text, [myid] text, [接收日期] text, "
        "[接收时间] text)"));
    QSqlQuery insert;
    if (r.ok())
        r = db.prepare(QStringLiteral("insert into [UploadTimes] values (?,?,?,?)"), insert);
    for (int i = 0; r.ok() && i < times.size(); ++i) {
        const UploadStamp stamp = UploadStamp::of(times[i]);
        insert.bindValue(0, times[i]);
        insert.bindValue(1, stamp.id);
        insert.bindValue(2, stamp.date);
        insert.bindValue(3, stamp.time);
        r = db.run(insert);
    }
    return r;
}

// SensorSlots: every upload's value per whole sensor number 0..1999. Rows go in in the
// order they were stored, so for a sensor held twice the later reading replaces the
// earlier one.
StoreResult fillSensorSlots(StoreDb& db) {
    if (db.isServer()) {
        // The server's equivalent of replacing: of the rows of one sensor and upload, the
        // last stored is kept. The inner query works out each val() once, on all the
        // server's cores, which only a new table's query may use; without the fence (offset
        // 0) the server would copy the number's expression into every comparison made on
        // it, and call val() again for each.
        StoreResult r = db.exec(
            QStringLiteral(
                "create temp table [SensorSlots] as select distinct on (d, n) d as [日期时间], "
                "n as [编号], v as [温度值] from (select d, %1 as n, v, c from (select "
                "[日期时间] as d, val([编号]) as nv, val([温度值]) as v, ctid as c from [表1] "
                "where [日期时间] <> '' offset 0) r) s where n between 0 and 1999 "
                "order by d, n, c desc")
                .arg(wholeNumberOf(db, QStringLiteral("nv"))));
        if (r.ok())
            r = db.exec(QStringLiteral(
                "alter table [SensorSlots] add primary key ([日期时间], [编号])"));
        return r;
    }
    const QString number = wholeNumber(db, QStringLiteral("[编号]"));
    StoreResult r = db.exec(QStringLiteral(
        "create temp table [SensorSlots] ([日期时间] text not null, [编号] integer not null, "
        "[温度值], primary key ([日期时间], [编号])) without rowid"));
    if (!r.ok())
        return r;
    return db.exec(QStringLiteral("insert or replace into [SensorSlots] select [日期时间], %1, "
                                  "val([温度值]) from [表1] where [日期时间] <> '' and %1 between "
                                  "0 and 1999 order by rowid")
                       .arg(number));
}

// Stations: the groups in the order their records are written, each slot as its whole
// sensor number, or null for an empty slot.
StoreResult fillStations(StoreDb& db) {
    QString slotValues;
    for (int k = 1; k <= GroupRow::Slots; ++k) {
        const QString column = QStringLiteral("[传感器%1]").arg(k);
        slotValues +=
            QStringLiteral(", case when trim(coalesce(%1, '')) = '' then null else %2 end "
                           "as [k%3]")
                .arg(column, wholeNumber(db, column))
                .arg(k);
    }
    return db.exec(QStringLiteral("create temp table [Stations] as select [组名]") + slotValues +
                   QStringLiteral(" from [分组定义] order by [组名], rowid"));
}

StoreResult writeRecords(StoreDb& db) {
    QString columns;
    QString values;
    QString joins;
    for (int k = 1; k <= GroupRow::Slots; ++k) {
        columns += QStringLiteral(",[t%1]").arg(k);
        values += QStringLiteral(", coalesce(s%1.[温度值], %2)").arg(k).arg(NoReading);
        joins += QStringLiteral(" left join [SensorSlots] s%1 on s%1.[日期时间] = u.[日期时间] "
                                "and s%1.[编号] = g.[k%1]")
                     .arg(k);
    }
    StoreResult r = db.exec(QStringLiteral("delete * from [测量数据]"));
    if (!r.ok())
        return r;
    return db.exec(
        QStringLiteral("insert into [测量数据] ([myid],[接收日期],[接收时间],[站点编号]") +
        columns + QStringLiteral(") select u.[myid], u.[接收日期], u.[接收时间], g.[组名]") +
        values + QStringLiteral(" from [UploadTimes] u cross join [Stations] g") + joins +
        QStringLiteral(" order by u.rowid, g.rowid"));
}

} // namespace

GroupingRun GroupData2Mdb(const QString& dbPath) {
    GroupingRun run;
    StoreDb db(dbPath);
    StoreResult& r = run.result;
    r = db.openDatabase();
    if (!r.ok())
        return run;
    if (r = db.begin(); !r.ok())
        return run;
    // Two runs from two computers take turns; readers see the old records until the new
    // ones are committed.
    if (r = db.lockForTransaction(StoreDb::GroupingLockKey); !r.ok()) {
        db.rollback();
        return run;
    }
    QStringList times;
    r = uploadTimes(db, times);
    if (r.ok() && !times.isEmpty()) {
        r = fillUploadTimes(db, times);
        if (r.ok())
            r = fillSensorSlots(db);
        if (r.ok())
            r = fillStations(db);
        if (r.ok())
            r = writeRecords(db);
    }
    if (r.ok() && !times.isEmpty()) {
        r = db.commit();
        if (r.ok())
            run.uploads = static_cast<int>(times.size());
        return run;
    }
    db.rollback();
    return run;
}
