#include "tests/grouping/GroupingFixture.h"

#include "tests/store/StoreFixture.h"

#include <QTest>

#include <sqlite3.h>

namespace GroupingFixture {

void rawExec(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const QByteArray text = error ? QByteArray(error) : QByteArray();
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, text.constData());
}

void addGroups(const StoreFixture& fx, const QStringList& rows) {
    for (const QString& row : rows) {
        QStringList fields = row.split(QLatin1Char('|'));
        while (fields.size() < 9)
            fields.append(QString());
        for (QString& f : fields)
            f = QLatin1Char('\'') + f.replace(QLatin1Char('\''), QStringLiteral("''")) +
                QLatin1Char('\'');
        rawExec(fx.dbPath(), QStringLiteral("insert into [分组定义] values (%1)")
                                 .arg(fields.join(QLatin1Char(','))));
    }
}

QStringList records(const StoreFixture& fx) {
    return fx.rows(QStringLiteral("select * from [测量数据] order by rowid"));
}

QStringList texts(const QVector<GroupRow>& groups) {
    QStringList out;
    for (const GroupRow& g : groups) {
        QStringList fields{g.name};
        for (const QString& s : g.sensors)
            fields.append(s);
        out.append(fields.join(QLatin1Char('|')));
    }
    return out;
}

} // namespace GroupingFixture
