#include "StationFixture.h"

#include "StoreDb.h"

#include <QTest>

void StationFixture::addStations(const QStringList& rows) const {
    StoreDb db(dbPath());
    QVERIFY(db.openDatabase().ok());
    QVERIFY(db.begin().ok());
    for (const QString& row : rows) {
        const QStringList f = row.split(QLatin1Char('|'));
        const QString& id = f[0];
        QVariantList values{
            id, id.mid(0, 4) + QLatin1Char('-') + id.mid(4, 2) + QLatin1Char('-') + id.mid(6, 2),
            id.mid(8, 2) + QLatin1Char(':') + id.mid(10, 2) + QLatin1Char(':') + id.mid(12, 2),
            f[1]};
        for (const QString& t : f[2].split(QLatin1Char(',')))
            values.append(t);
        const StoreResult r = db.exec(
            QStringLiteral("insert into [测量数据] values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            values);
        QVERIFY2(r.ok(), qPrintable(r.message()));
    }
    QVERIFY(db.commit().ok());
}

void StationFixture::addGroups(const QStringList& names) const {
    StoreDb db(dbPath());
    QVERIFY(db.openDatabase().ok());
    for (const QString& name : names)
        QVERIFY(db.exec(QStringLiteral("insert into [分组定义] ([组名]) values (?)"), {name}).ok());
}
