#include "tests/store/StationRecordRows.h"

#include "store/StoreDb.h"

#include <QTest>

void AddStationRows(const QString& databasePath, const QStringList& rows) {
    StoreDb db(databasePath);
    QVERIFY(db.openDatabase().ok());
    QVERIFY(db.begin().ok());
    for (const QString& row : rows) {
        const QStringList parts = row.split(QLatin1Char('|'));
        const QString stamp = parts[0];
        QVariantList values = {QString(stamp)
                                   .remove(QLatin1Char('-'))
                                   .remove(QLatin1Char(':'))
                                   .remove(QLatin1Char(' ')),
                               stamp.left(10), stamp.mid(11), parts[1]};
        QStringList temps = parts[2].split(QLatin1Char(','));
        while (temps.size() < 8)
            temps.append(QString());
        for (const QString& t : temps)
            values.append(t);
        const StoreResult r = db.exec(
            QStringLiteral("insert into [测量数据] values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            values);
        QVERIFY2(r.ok(), qPrintable(r.message()));
    }
    QVERIFY(db.commit().ok());
}

QString Everywhere(const QString& temperature) {
    return QStringList(8, temperature).join(QLatin1Char(','));
}
