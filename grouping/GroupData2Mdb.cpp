#include "grouping/GroupData2Mdb.h"

#include "grouping/GroupRow.h"
#include "grouping/UploadStamp.h"
#include "store/ReadingLists.h"
#include "store/StoreDb.h"

#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace {

// The whole sensor number of a text.
QString wholeNumber(const StoreDb& db, const QString& column) {
    return db.wholeNumber(QStringLiteral("val(%1)").arg(column));
}

// The distinct upload date-times, newest first; an empty one names no upload.
StoreResult uploadTimes(StoreDb& db, const QString& dbPath, QStringList& times) {
    const StoreResult r = ReadingLists::uploadTimes(db, dbPath, times);
    times.removeAll(QString());
    return r;
}

// UploadTimes: the date-times in the order their records are written, with the parts each
// record carries.
StoreResult fillUploadTimes(StoreDb& db, const QStringList& times) {
    const StoreResult r = db.exec(QStringLiteral(
        "create temp table [UploadTimes] ([日期时间] text, [myid] text, [接收日期] text, "
        "[接收时间] text)"));
    if (!r.ok())
        return r;
    QVector<QVariantList> rows;
    rows.reserve(times.size());
    for (const QString& time : times) {
        const UploadStamp stamp = UploadStamp::of(time);
        rows.append({time, stamp.id, stamp.date, stamp.time});
    }
    // Many rows to a statement: on a server each statement is a round trip.
    return db.appendRows(QStringLiteral("UploadTimes"),
                         {QStringLiteral("日期时间"), QStringLiteral("myid"),
                          QStringLiteral("接收日期"), QStringLiteral("接收时间")},
                         rows);
}

// The highest whole sensor number a slot may name.
constexpr int LastNumber = 1999;

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

// How a record's statement finds its eight readings: `values` the readings' columns in slot
// order (255 for none), `joins` what brings them.
struct SlotReadings {
    QString values;
    QString joins;
};

// Finds each reading by the key of SensorSlots (every upload's value per whole sensor
// number), one lookup per slot.
SlotReadings lookedUp() {
    SlotReadings s;
    for (int k = 1; k <= GroupRow::Slots; ++k) {
        s.values += QStringLiteral(", coalesce(s%1.[温度值], %2)").arg(k).arg(NoReading);
        s.joins += QStringLiteral(" left join [SensorSlots] s%1 on s%1.[日期时间] = u.[日期时间] "
                                  "and s%1.[编号] = g.[k%1]")
                       .arg(k);
    }
    return s;
}

// Every station's slots: [station], [k] and the whole sensor number [n] in slot k.
QString slotNumbers() {
    QString numbers;
    for (int k = 1; k <= GroupRow::Slots; ++k)
        numbers += QStringLiteral("%1select rowid as [station], %2 as [k], [k%2] as [n] from "
                                  "[Stations] where [k%2] is not null")
                       .arg(k > 1 ? QStringLiteral(" union all ") : QString())
                       .arg(k);
    return numbers;
}

// The readings of all slots gathered in one pass, by upload and station, from the engine's
// select of each slot's reading (latest, one row per upload and slot).
SlotReadings gathered(const QString& latest) {
    QString readings;
    SlotReadings s;
    for (int k = 1; k <= GroupRow::Slots; ++k) {
        readings +=
            QStringLiteral(", max(case when z.[k] = %1 then z.[温度值] end) as [t%1]").arg(k);
        s.values += QStringLiteral(", coalesce(h.[t%1], %2)").arg(k).arg(NoReading);
    }
    s.joins = QStringLiteral(" left join (select z.[日期时间], z.[station]") + readings +
              QStringLiteral(" from (") + latest +
              QStringLiteral(") z group by z.[日期时间], z.[station]) h on h.[日期时间] = "
                             "u.[日期时间] and h.[station] = g.rowid");
    return s;
}

StoreResult writeRecords(StoreDb& db) {
    const QString latest = db.latestSlotReadings(slotNumbers(), LastNumber);
    const bool onePass = !latest.isEmpty();
    QString columns;
    for (int k = 1; k <= GroupRow::Slots; ++k)
        columns += QStringLiteral(",[t%1]").arg(k);
    StoreResult r =
        onePass ? StoreResult() : db.makeLatestReadings(QStringLiteral("SensorSlots"), LastNumber);
    const SlotReadings found = onePass ? gathered(latest) : lookedUp();
    if (r.ok())
        r = db.exec(QStringLiteral("delete * from [测量数据]"));
    // Tables made by a statement have no statistics yet: the server would plan for tables
    // of a few rows, and spend seconds compiling a statement it takes for a huge one.
    for (const char* table : {"UploadTimes", "Stations"})
        if (r.ok() && onePass)
            r = db.exec(QStringLiteral("analyze [%1]").arg(QString::fromUtf8(table)));
    if (!r.ok())
        return r;
    return db.exec(
        QStringLiteral("insert into [测量数据] ([myid],[接收日期],[接收时间],[站点编号]") +
        columns + QStringLiteral(") select u.[myid], u.[接收日期], u.[接收时间], g.[组名]") +
        found.values + QStringLiteral(" from [UploadTimes] u cross join [Stations] g") +
        found.joins + QStringLiteral(" order by u.rowid, g.rowid"));
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
    if (r = db.lockForTransaction(StoreDb::Lock::Grouping); !r.ok()) {
        db.rollback();
        return run;
    }
    QStringList times;
    r = uploadTimes(db, dbPath, times);
    if (r.ok() && !times.isEmpty()) {
        r = fillUploadTimes(db, times);
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
