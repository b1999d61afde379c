#include "grouping/GroupData2Mdb.h"
#include "grouping/UploadStamp.h"
#include "tests/grouping/GroupingFixture.h"
#include "tests/store/StoreFixture.h"

#include <QTest>

using namespace GroupingFixture;

namespace {

const QString Older = QStringLiteral("2008-04-29 10:00:00");
const QString Newer = QStringLiteral("2008-04-30 14:25:03");
const QString OlderId = QStringLiteral("20080429100000|2008-04-29|10:00:00|");
const QString NewerId = QStringLiteral("20080430142503|2008-04-30|14:25:03|");

void runOk(const StoreFixture& fx, int uploads) {
    const GroupingRun run = GroupData2Mdb(fx.dbPath());
    QVERIFY2(run.result.ok(), qPrintable(run.result.message()));
    QCOMPARE(run.uploads, uploads);
}

} // namespace

// Rebuilding the station records from the readings and the groups.
class TestGroupingRun : public QObject {
    Q_OBJECT

private slots:
    void oneUploadGivesOneRecordPerGroup() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Newer + "|3|22.25", Newer + "|2|21", Newer + "|1|20.5"});
        addGroups(fx, {"0001|0001|0002|0003"});
        runOk(fx, 1);
        QCOMPARE(records(fx), QStringList{NewerId + "0001|20.5|21|22.25|255|255|255|255|255"});
    }

    // Newest upload first, groups in name order; a group read at no sensor still gets its
    // record; E1 counts 0; a slot naming a number without a slot (2000, -1) reads 255
    // although 表1 holds a reading for it; slots may be empty anywhere; a reading without a
    // date-time belongs to no upload.
    void uploadsNewestFirstThenGroupsByName() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|5", Older + "|2|E1", Older + "|2000|99", Newer + "|1|-1.5",
                        Newer + "|2|7", Newer + "|0|42", "|1|3"});
        addGroups(fx, {"0003|0900|0901", "0001|0001|2000|-1", "0002||0002||0001"});
        runOk(fx, 2);
        QCOMPARE(records(fx), (QStringList{NewerId + "0001|-1.5|255|255|255|255|255|255|255",
                                           NewerId + "0002|255|7|255|-1.5|255|255|255|255",
                                           NewerId + "0003|255|255|255|255|255|255|255|255",
                                           OlderId + "0001|5|255|255|255|255|255|255|255",
                                           OlderId + "0002|255|0|255|5|255|255|255|255",
                                           OlderId + "0003|255|255|255|255|255|255|255|255"}));
    }

    // The same upload saved twice, the second time edited: its later rows win. Texts with
    // quotes are taken as typed.
    void theReadingStoredLastWins() {
        StoreFixture fx;
        fx.create();
        fx.addReadings(
            {Newer + "|2|10", Newer + "|1|11", Newer + "|2|20", Newer + "|1|E1", Newer + "|02|30"});
        addGroups(fx, {"0'1|1' or '1|0002"});
        runOk(fx, 1);
        QCOMPARE(records(fx), QStringList{NewerId + "0'1|0|30|255|255|255|255|255|255"});
    }

    void runningAgainGivesTheSameRecords() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|5", Newer + "|1|6", Newer + "|3|7.75"});
        addGroups(fx, {"0002|0003", "0001|0001"});
        runOk(fx, 2);
        const QStringList first = records(fx);
        QCOMPARE(first.size(), 4);
        runOk(fx, 2);
        QCOMPARE(records(fx), first);
    }

    // Without uploads the run changes nothing; a failing run puts everything back.
    void thePreviousRecordsStay_data() {
        QTest::addColumn<bool>("failing");
        QTest::newRow("no uploads") << false;
        QTest::newRow("a failing insert") << true;
    }
    void thePreviousRecordsStay() {
        QFETCH(bool, failing);
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001"});
        rawExec(fx.dbPath(), "insert into [测量数据] ([myid]) values ('old')");
        if (failing) {
            fx.addReadings({Newer + "|1|6"});
            rawExec(fx.dbPath(), "create trigger refuse after insert on [测量数据] when "
                                 "new.[myid] <> 'old' begin select raise(abort, 'refused'); end");
        }
        const GroupingRun run = GroupData2Mdb(fx.dbPath());
        QCOMPARE(run.result.ok(), !failing);
        QCOMPARE(run.uploads, 0);
        QCOMPARE(fx.rows("select [myid] from [测量数据]"), QStringList{"old"});
    }

    void stampParts_data() {
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("parts");
        QTest::newRow("stored form") << Newer << NewerId;
        QTest::newRow("short forms") << "2008-4-3 9:05:00"
                                     << "20080403090500|2008-04-03|09:05:00|";
        QTest::newRow("slashes, no seconds") << "2008/04/30 14:25"
                                             << "20080430142500|2008-04-30|14:25:00|";
        QTest::newRow("not a date") << "abc 1:2:x"
                                    << "abc12x|abc|1:2:x|";
    }
    void stampParts() {
        QFETCH(QString, dateTime);
        QFETCH(QString, parts);
        const UploadStamp s = UploadStamp::of(dateTime);
        QCOMPARE(QStringList({s.id, s.date, s.time, QString()}).join(QLatin1Char('|')), parts);
    }
};

QTEST_GUILESS_MAIN(TestGroupingRun)
#include "test_grouping_run.moc"
