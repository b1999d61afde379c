#include "tests/reports/StationFixture.h"

#include "store/StoreDb.h"
#include "tests/store/StationRecordRows.h"

#include <QDateTime>

#include <QTest>

void StationFixture::addStations(const QStringList& rows) const {
    QStringList stamped;
    for (const QString& row : rows) {
        const QString id = row.section(QLatin1Char('|'), 0, 0);
        const QDateTime at = QDateTime::fromString(id, QStringLiteral("yyyyMMddHHmmss"));
        stamped << at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + row.mid(id.size());
    }
    AddStationRows(dbPath(), stamped);
}

void StationFixture::addGroups(const QStringList& names) const {
    StoreDb db(dbPath());
    QVERIFY(db.openDatabase().ok());
    for (const QString& name : names)
        QVERIFY(db.exec(QStringLiteral("insert into [分组定义] ([组名]) values (?)"), {name}).ok());
}
