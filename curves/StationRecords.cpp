#include "curves/StationRecords.h"

#include "common/NumberText.h"
#include "curves/ChartGeometry.h"
#include "curves/SlotTemps.h"
#include "store/StoreDb.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <array>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// The record's time stamp from its 14 digits (yyyymmddhhnnss). Wall-clock time, so a
// daylight-saving change never shifts a record into another slot.
QDateTime stampOf(const QString& myid) {
    return {QDate::fromString(myid.left(8), QStringLiteral("yyyyMMdd")),
            QTime::fromString(myid.mid(8, 6), QStringLiteral("HHmmss")), Qt::UTC};
}

} // namespace

StoreResult StationRecords::Read(const QString& databasePath, qint16 station,
                                 const ChartGeometry& geometry, SlotTemps& temps,
                                 StationRecords& found) {
    found = {};
    StoreDb db(databasePath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;
    QSqlQuery query;
    // The date range comes first: a plain text comparison that rules out most rows before
    // val() has to read their station number.
    r = db.select(QStringLiteral("select * from [测量数据] where 接收日期 >= ? and 接收日期 <= ? "
                                 "AND val(站点编号) = ? order by val(MyId)"),
                  query,
                  {geometry.startDate().toString(DateFormat),
                   geometry.endDate().toString(DateFormat), int(station)});
    if (!r.ok())
        return r;

    const QSqlRecord fields = query.record();
    const int stampField = fields.indexOf(QStringLiteral("MYID"));
    std::array<int, SlotTemps::Sensors> sensorFields{};
    for (int k = 1; k <= SlotTemps::Sensors; ++k)
        sensorFields[k - 1] = fields.indexOf(QStringLiteral("t%1").arg(k));

    const QDateTime start(geometry.startDate(), QTime(0, 0), Qt::UTC);
    while (query.next()) {
        const QDateTime when = stampOf(query.value(stampField).toString());
        // A stamp that names no time, or a time the date range has no slot for, cannot be
        // placed; the other records still are.
        const int slot = when.isValid() ? temps.slotOf(start, when) : 0;
        if (slot == 0)
            continue;
        for (int k = 1; k <= SlotTemps::Sensors; ++k)
            temps.store(k, slot, Val(query.value(sensorFields[k - 1]).toString()));
        found.lastSlot = slot;
    }
    return r;
}
