#include "common/NumberText.h"
#include "store/ReadingLists.h"
#include "store/ReadingsLayout.h"
#include "store/ReadingsMaintenance.h"
#include "store/ReadingsModel.h"
#include "store/StoreDb.h"
#include "tests/store/StoreFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>

using Fill = ReadingsLayout::Fill;
Q_DECLARE_METATYPE(ReadingsLayout::Fill)

namespace {

// Each pane row as "column|column|column colour", colour G (0,128,0) or B (0,0,255).
QStringList shown(const ReadingsModel& model) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells.append(model.text(r, c));
        const QColor colour = model.rowColour(r);
        const QString name = colour == QColor(0, 128, 0)   ? QStringLiteral("G")
                             : colour == QColor(0, 0, 255) ? QStringLiteral("B")
                                                           : QStringLiteral("?");
        out.append(cells.join(QLatin1Char('|')) + QLatin1Char(' ') + name);
    }
    return out;
}

const QString Older = QStringLiteral("2008-04-29 10:00:00");
const QString Newer = QStringLiteral("2008-04-30 14:25:03");

// Waits for the signal however long a busy machine takes.
void waitFor(QSignalSpy& spy) {
    while (spy.isEmpty())
        (void)spy.wait();
}

// One upload of 20,000 readings: enough that a fill is still reading when the test acts.
void fillOneLargeUpload(StoreFixture& fx) {
    fx.create();
    QStringList rows;
    for (int n = 1; n <= 20000; ++n)
        rows.append(QStringLiteral("2008-05-01 08:00:00|%1|1").arg(n));
    fx.addReadings(rows);
}

// Runs statements on the file as another SQLite tool would: without the program's val().
void asAnotherTool(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// The rows of `sql` read through the store, "日期时间|编号|温度值", nulls as "~".
QStringList storeRows(StoreDb& db, const QString& sql) {
    QSqlQuery q;
    const StoreResult r = db.select(sql, q);
    if (!r.ok())
        return {r.message()};
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (const char* column : {"日期时间", "编号", "温度值"}) {
            const QVariant v = q.value(QString::fromUtf8(column));
            cells.append(v.isNull() ? QStringLiteral("~") : v.toString());
        }
        out.append(cells.join(QLatin1Char('|')));
    }
    return out;
}

// The values of the sensor numbers of `rows`, one for each run of equal values.
QStringList numberValues(const QStringList& rows) {
    QStringList out;
    for (const QString& row : rows) {
        const QString number = row.section(QLatin1Char('|'), 1, 1);
        const QString value = number == QLatin1String("~") ? number : PlainNumber(Val(number));
        if (out.isEmpty() || out.last() != value)
            out.append(value);
    }
    return out;
}

// The quick first rows of the two views ordered by sensor number are the whole views'.
void checkFirstRows(const QString& path) {
    StoreDb db(path);
    QVERIFY(db.openDatabase(StoreDb::Access::ReadOnly).ok());
    for (const Fill fill : {Fill::BySensorThenTime, Fill::SensorNumbers}) {
        const QString whole = ReadingsLayout::of(fill).sql(path);
        const QStringList all = storeRows(db, whole);
        for (const int n : {1, 4, 9, 100}) {
            const auto [quick, lookedUp] = db.firstRowsStatement(fill, whole, n);
            QVERIFY2(lookedUp && (quick.contains(QStringLiteral("编号值表")) ||
                                  quick.contains(QStringLiteral("rowid in"))),
                     qPrintable(quick));
            const QStringList first = storeRows(db, quick);
            if (fill == Fill::SensorNumbers)
                QCOMPARE(numberValues(first).mid(0, n), numberValues(all).mid(0, n));
            else
                QCOMPARE(first.mid(0, n), all.mid(0, n));
        }
    }
}

} // namespace

// The query pane's fills: which rows, which texts, which colours, and that a large table
// arrives without blocking.
class TestReadingsModel : public QObject {
    Q_OBJECT

private slots:
    void fillsShowTheirRowsAndColours_data() {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<QString>("orderKey");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("expected");

        const QStringList twoByTwo{Older + "|1|20", Older + "|2|21.5", Newer + "|1|20.5",
                                   Newer + "|2|E1"};
        QTest::newRow("by sensor: number in a group's first row, colour per sensor")
            << Fill::BySensorThenTime << QString() << twoByTwo
            << QStringList{"001|" + Newer + "|021 G", "|" + Older + "|020 G",
                           "002|" + Newer + "|E1 B", "|" + Older + "|022 B"};
        QTest::newRow("by time: newer upload first, date-time in its first row")
            << Fill::ByTimeThenSensor << QString() << twoByTwo
            << QStringList{Newer + "|001|021 G", "|002|E1 G", Older + "|001|020 B", "|002|022 B"};
        QTest::newRow("upload times: one row each, newest first, colours alternate")
            << Fill::UploadTimes << QString()
            << QStringList{Older + "|1|1", "2008-05-01 08:00:00|1|1", Newer + "|1|1",
                           Newer + "|2|1"}
            << QStringList{"2008-05-01 08:00:00 G", Newer + " B", Older + " G"};
        QTest::newRow("sensor numbers: by value, plain decimal")
            << Fill::SensorNumbers << QString()
            << QStringList{Older + "|0012|1", Older + "|7|1", Newer + "|007|1", Newer + "|12.0|1",
                           Newer + "|3|1"}
            << QStringList{"3 G", "7 B", "12 G"};
        QTest::newRow("sensor groups compare by value, the first text shows")
            << Fill::BySensorThenTime << QString() << QStringList{Older + "|7|1", Newer + "|007|2"}
            << QStringList{"007|" + Newer + "|002 G", "|" + Older + "|001 G"};
        QTest::newRow("query by sensor: two decimals")
            << Fill::QueryBySensor << QStringLiteral("编号")
            << QStringList{Older + "|1|23.4", Older + "|2|-1.5", Older + "|3|E1"}
            << QStringList{"001|" + Older + "|023.40 G", "002|" + Older + "|-001.50 B",
                           "003|" + Older + "|E1 G"};
        QTest::newRow("query by time: two decimals")
            << Fill::QueryByTime << QStringLiteral("日期时间")
            << QStringList{Older + "|1|23.4", Newer + "|1|20"}
            << QStringList{Older + "|001|023.40 G", Newer + "|001|020.00 B"};
        QTest::newRow("empty table")
            << Fill::BySensorThenTime << QString() << QStringList{} << QStringList{};
    }
    void fillsShowTheirRowsAndColours() {
        QFETCH(Fill, fill);
        QFETCH(QString, orderKey);
        QFETCH(QStringList, readings);
        QFETCH(QStringList, expected);
        StoreFixture fx;
        fx.create();
        fx.addReadings(readings);

        ReadingsModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy finished(&model, &ReadingsModel::loadingFinished);
        ReadingsLayout layout = ReadingsLayout::of(fill);
        QString sql;
        if (!orderKey.isEmpty()) {
            layout = ReadingsLayout::forQuery(orderKey);
            sql = orderKey == QStringLiteral("编号")
                      ? QStringLiteral("select * from [表1] order by val(编号) asc,[日期时间] asc")
                      : QStringLiteral("select * from [表1] order by [日期时间] asc,val(编号) asc");
        }
        const StoreResult r = model.fill(fx.dbPath(), layout, sql);
        QVERIFY2(r.ok(), qPrintable(r.message()));
        waitFor(finished);
        QCOMPARE(shown(model), expected);
        QVERIFY(model.readError().ok());
        QVERIFY(!model.isLoading());
    }

    void badStatementsAreReportedAndChangeNothing_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("unknown column") << "select * from [表1] where nosuch = 1";
        QTest::newRow("unquoted text")
            << "select * from [表1] where [日期时间] >= '2008-04-29 10:0";
        QTest::newRow("not a select") << "delete * from [表1]";
        QTest::newRow("empty") << "";
    }
    void badStatementsAreReportedAndChangeNothing() {
        QFETCH(QString, sql);
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|20"});
        ReadingsModel model;
        const StoreResult r =
            model.fill(fx.dbPath(), ReadingsLayout::forQuery(QStringLiteral("编号")), sql);
        QCOMPARE(r.kind(), StoreResult::Kind::Failed);
        QVERIFY(r.message().startsWith(QStringLiteral("数据库操作失败：")));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(fx.readingCount(), 1);
    }

    void anUnusableDatabaseIsReported() {
        StoreFixture fx;
        QFile f(fx.dbPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, '\x7f'));
        f.close();
        ReadingsModel model;
        const StoreResult r = model.fill(fx.dbPath(), ReadingsLayout::of(Fill::UploadTimes));
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), QByteArray(2048, '\x7f'));
    }

    void nullFieldsShowEmptyAndReadingGoesOn() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|20", Older + "|3|22"});
        {
            StoreDb db(fx.dbPath());
            QVERIFY(db.openDatabase().ok());
            QVERIFY(db.exec(QStringLiteral("insert into [表1] select [日期时间], null, null from "
                                           "[表1] where rowid = 1"))
                        .ok());
        }
        ReadingsModel model;
        QVERIFY(model.fill(fx.dbPath(), ReadingsLayout::of(Fill::ByTimeThenSensor)).ok());
        model.waitUntilLoaded();
        QCOMPARE(shown(model), (QStringList{Older + "|| G", "|001|020 G", "|003|022 G"}));
    }

    void aLargeTableArrivesInBatchesWithoutBlocking() {
        StoreFixture fx;
        fx.create();
        QStringList rows;
        for (int u = 0; u < 30; ++u)
            for (int n = 1; n <= 999; ++n)
                rows.append(QStringLiteral("2008-05-%1 08:00:00|%2|%3.5")
                                .arg(u + 1, 2, 10, QLatin1Char('0'))
                                .arg(n)
                                .arg(n % 90));
        fx.addReadings(rows);

        ReadingsModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy finished(&model, &ReadingsModel::loadingFinished);
        QVERIFY(model.fill(fx.dbPath(), ReadingsLayout::of(Fill::BySensorThenTime)).ok());
        // fill() returns before the rows are read.
        QVERIFY(model.isLoading());
        waitFor(finished);
        QVERIFY(inserted.size() > 1);
        // Where the preview came first (the threads race), the whole statement's rows took
        // the place of the preview's and nothing beyond them.
        if (!changed.isEmpty())
            QCOMPARE(changed.first().at(0).toModelIndex().row(), 0);
        for (const QList<QVariant>& range : changed)
            QVERIFY(range.at(1).toModelIndex().row() < ReadingsLoader::PreviewRows);
        QCOMPARE(model.rowCount(), 30 * 999);
        QCOMPARE(model.text(0, 0), QStringLiteral("001"));
        QCOMPARE(model.text(0, 1), QStringLiteral("2008-05-30 08:00:00"));
        QCOMPARE(model.text(1, 0), QString());
        QCOMPARE(model.text(30, 0), QStringLiteral("002"));
        QCOMPARE(model.rowColour(30), QColor(0, 0, 255));
        QCOMPARE(model.text(30 * 999 - 1, 2), QStringLiteral("010")); // 999 % 90 = 9, 9.5 -> 010
    }

    void aNewFillReplacesOneStillLoading() {
        StoreFixture fx;
        fillOneLargeUpload(fx);
        ReadingsModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.fill(fx.dbPath(), ReadingsLayout::of(Fill::ByTimeThenSensor)).ok());
        QVERIFY(model.fill(fx.dbPath(), ReadingsLayout::of(Fill::UploadTimes)).ok());
        model.waitUntilLoaded();
        QCOMPARE(shown(model), QStringList{"2008-05-01 08:00:00 G"});
        // Late notices of the first fill, all posted once its threads ended, change nothing.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(model.rowCount(), 1);
        // Clearing removes rows and columns.
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
    }

    void aModelDestroyedWhileLoadingStopsCleanly() {
        StoreFixture fx;
        fillOneLargeUpload(fx);
        {
            ReadingsModel model;
            QVERIFY(model.fill(fx.dbPath(), ReadingsLayout::of(Fill::BySensorThenTime)).ok());
        }
        // The sanitizer catches a notice that reaches the destroyed model.
        QCoreApplication::sendPostedEvents();
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    // A null date-time is no upload; an empty one is listed, as a text like any other.
    void uploadTimeListIsNewestFirstWithBars() {
        StoreFixture fx;
        fx.create();
        QCOMPARE(ReadingLists::uploadTimeList(fx.dbPath()), QString());
        fx.addReadings({Older + "|1|1", Newer + "|1|1", Older + "|2|1", Newer + "|2|1", "|3|1"});
        {
            StoreDb db(fx.dbPath());
            QVERIFY(db.openDatabase().ok());
            QVERIFY(db.exec(QStringLiteral("insert into [表1] values (null, '4', '1')")).ok());
        }
        QCOMPARE(ReadingLists::uploadTimeList(fx.dbPath()),
                 QLatin1Char('|') + Newer + QLatin1Char('|') + Older + QLatin1Char('|'));
        QStringList times;
        QVERIFY(ReadingLists::dateTimes(fx.dbPath(), times).ok());
        QCOMPARE(times, (QStringList{QString(), Older, Newer}));
    }

    // The file finds the first rows by sensor number through its number table rather than by
    // sorting every reading. They must be the whole views' first rows, ties and nulls
    // included, in a file from an earlier version and after others wrote to it or rows were
    // deleted.
    void firstRowsBySensorAreTheWholeViewsFirstRows() {
        StoreFixture fx;
        fx.create();
        const QString path = fx.dbPath();
        asAnotherTool(path,
                      "drop table [编号值表]; drop table [编号值表进度]; "
                      "insert into [表1] values ('2008-01-03','2','a'), ('2008-01-03','1','b'), "
                      "('2008-01-03','01','c'), ('2008-01-03','abc','d'), "
                      "('2008-01-03',null,'e'), ('2008-01-03','10','f'), "
                      "('2008-01-02','1a','g'), ('2008-01-02','1','h'), "
                      "('2008-01-02',' 3','i'), ('2008-01-01','1','j'), "
                      "('2008-01-01','2','k'), ('2008-01-01','','l'), (null,'1','m'), "
                      "(null,'01','n'), ('','1','o'), ('2008-01-02','0.5','p');");
        QVERIFY(StoreDb(path).openDatabase().ok());
        checkFirstRows(path);

        // Another tool adds a smaller number; the next writable opening takes it in.
        asAnotherTool(path, "insert into [表1] values ('2008-01-02','-1','q')");
        QVERIFY(StoreDb(path).openDatabase().ok());
        checkFirstRows(path);

        QVERIFY(ReadingsMaintenance::deleteSensor(path, 1).ok());
        QCOMPARE(fx.rows(QStringLiteral("select count(*) from [编号值表] where [值] = 1")),
                 QStringList{"0"});
        checkFirstRows(path);

        QVERIFY(ReadingsMaintenance::clearAll(path).ok());
        fx.addReadings({Older + "|5|1", Newer + "|4|2"});
        checkFirstRows(path);
        QCOMPARE(fx.rows(QStringLiteral("select [编号] from [编号值表] order by [值]")),
                 (QStringList{"4", "5"}));
    }

    void distinctListsForTheDialogs() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Newer + "|7|1", Older + "|007|1", Older + "|0012|1", Newer + "|12.0|1",
                        Newer + "|12.5|1", Newer + "|E1|1"});
        QStringList numbers;
        QVERIFY(ReadingLists::sensorNumbers(fx.dbPath(), numbers).ok());
        QCOMPARE(numbers, (QStringList{"0", "7", "12", "12.5"}));
        QStringList times;
        QVERIFY(ReadingLists::dateTimes(fx.dbPath(), times).ok());
        QCOMPARE(times, (QStringList{Older, Newer}));
    }
};

QTEST_MAIN(TestReadingsModel)
#include "test_readings_model.moc"
