#include "store/NumberFormat.h"
#include "store/StoreDb.h"
#include "store/UploadSaver.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/TmpfsMount.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>

using ListRows = QVector<UploadSaver::ListRow>;

namespace {

ListRows numberedRows(int count) {
    ListRows rows;
    for (int n = 1; n <= count; ++n)
        rows.append({QString::number(n), QStringLiteral("%1.25").arg(n)});
    return rows;
}

QStringList numbersOf(const QVector<UploadSaver::Reading>& readings) {
    QStringList out;
    for (const auto& r : readings)
        out.append(r.number);
    return out;
}

const QString Stamp = QStringLiteral("2008-04-30 14:25:03");

} // namespace

Q_DECLARE_METATYPE(QVector<UploadSaver::ListRow>)

// Saving an upload: which rows go in, under which numbers, and that a save is all or nothing.
class TestUploadSaver : public QObject {
    Q_OBJECT

private slots:
    void theRangeAndOffsetChooseAndRenumberRows_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("5..7 plus 100, last row first")
            << 5 << 7 << 100 << QStringList{"107", "106", "105"};
        QTest::newRow("whole list, no offset")
            << 1 << 999 << 0 << QStringList{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"};
        QTest::newRow("negative offset") << 1 << 3 << -2 << QStringList{"1", "0", "-1"};
        QTest::newRow("empty range") << 7 << 5 << 0 << QStringList{};
        QTest::newRow("range outside the list") << 20 << 30 << 0 << QStringList{};
        QTest::newRow("single row") << 10 << 10 << 32000 << QStringList{"32010"};
    }
    void theRangeAndOffsetChooseAndRenumberRows() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, offset);
        QFETCH(QStringList, numbers);
        const auto readings =
            UploadSaver::plan(numberedRows(10), static_cast<qint16>(first),
                              static_cast<qint16>(last), static_cast<qint16>(offset));
        QCOMPARE(numbersOf(readings), numbers);
    }

    void savedRowsKeepTheirInsertionOrderAndStamp() {
        StoreFixture fx;
        ListRows rows = numberedRows(10);
        rows[5].temperature = QStringLiteral("E1");
        const StoreResult r =
            UploadSaver::save(fx.dbPath(), Stamp, UploadSaver::plan(rows, 5, 7, 100));
        QVERIFY2(r.ok(), qPrintable(r.message()));
        QCOMPARE(fx.rows(QStringLiteral("select * from [表1] order by rowid")),
                 (QStringList{Stamp + "|107|7.25", Stamp + "|106|E1", Stamp + "|105|5.25"}));
    }

    void savingTwiceStoresEveryRowTwice() {
        StoreFixture fx;
        const auto readings = UploadSaver::plan(numberedRows(999), 1, 999, 0);
        QVERIFY(UploadSaver::save(fx.dbPath(), Stamp, readings).ok());
        QVERIFY(UploadSaver::save(fx.dbPath(), Stamp, readings).ok());
        QCOMPARE(fx.readingCount(), 1998);
        QCOMPARE(fx.rows(QStringLiteral("select count(*) from [表1] where 编号 = '999'")),
                 QStringList{"2"});
    }

    void typedTextsAreStoredAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("quote") << "2'3";
        QTest::newRow("statement") << "'); delete * from [表1]; --";
        QTest::newRow("empty") << "";
        QTest::newRow("null cell") << QString();
        QTest::newRow("blanks and hash") << " #2008-01-01# ";
    }
    void typedTextsAreStoredAsTyped() {
        QFETCH(QString, typed);
        StoreFixture fx;
        fx.create();
        fx.addReadings({QStringLiteral("2008-01-01 00:00:00|1|1")});
        QVERIFY(UploadSaver::save(fx.dbPath(), Stamp, {{QStringLiteral("2"), typed}}).ok());
        QCOMPARE(fx.rows(QStringLiteral("select [温度值] from [表1] where 编号 = '2'")),
                 QStringList{typed.isNull() ? QStringLiteral("") : typed});
        QCOMPARE(fx.readingCount(), 2);
    }

    void aFailingInsertLeavesNoPartOfTheUpload() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({QStringLiteral("2008-01-01 00:00:00|1|1")});
        {
            // The file refuses reading 500, half-way through the upload.
            sqlite3* raw = nullptr;
            QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &raw), SQLITE_OK);
            QCOMPARE(sqlite3_exec(raw,
                                  "alter table [表1] rename to old; create table [表1] ([日期时间] "
                                  "text, [编号] text constraint refused check ([编号] <> '500'), "
                                  "[温度值] text); insert into [表1] select * from old; drop table old",
                                  nullptr, nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(raw);
        }
        int written = 0;
        const StoreResult r =
            UploadSaver::save(fx.dbPath(), Stamp, UploadSaver::plan(numberedRows(999), 1, 999, 0),
                              [&written](int done) { written = done; });
        QCOMPARE(r.kind(), StoreResult::Kind::Failed);
        QVERIFY(r.message().contains(QStringLiteral("refused")));
        QCOMPARE(written, 0); // the refusal came in the first statement, of rows 999 ... 500
        QCOMPARE(fx.readingCount(), 1);
    }

    void aSaveNeverWaitsForAViewStillReading() {
        StoreFixture fx;
        fx.create();
        QVERIFY(UploadSaver::save(fx.dbPath(), Stamp, {{QStringLiteral("1"), QStringLiteral("20")}})
                    .ok());
        // A view in the middle of its rows holds a read snapshot of the file.
        sqlite3* view = nullptr;
        QCOMPARE(sqlite3_open_v2(fx.dbPath().toUtf8().constData(), &view, SQLITE_OPEN_READONLY,
                                 nullptr),
                 SQLITE_OK);
        sqlite3_stmt* rows = nullptr;
        QCOMPARE(sqlite3_prepare_v2(view, "select * from [表1]", -1, &rows, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_step(rows), SQLITE_ROW);

        // Were the writer to wait for that reader, it would give up after the busy time-out
        // and report the file as in use.
        const StoreResult r = UploadSaver::save(fx.dbPath(), QStringLiteral("2008-05-01 08:00:00"),
                                                UploadSaver::plan(numberedRows(999), 1, 999, 0));
        QVERIFY2(r.ok(), qPrintable(r.message()));
        QCOMPARE(sqlite3_step(rows), SQLITE_DONE); // the view still sees its own snapshot
        sqlite3_finalize(rows);
        sqlite3_close(view);
        QCOMPARE(fx.readingCount(), 1000);
    }

    void aSaveKilledHalfWayLeavesNoPartOfTheUpload() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({QStringLiteral("2008-01-01 00:00:00|1|1")});
        const QByteArray before = StoreFixture::fileBytes(fx.dbPath());
        QProcess child;
        child.start(QStringLiteral(SAVE_CHILD), {fx.dbPath()});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(-1));
        QCOMPARE(child.readAllStandardOutput(), QByteArray("halfway\n"));
        child.kill();
        QVERIFY(child.waitForFinished());
        // Changed pages went to the write-ahead log, never into the file itself.
        QVERIFY(QFileInfo(fx.dbPath() + QStringLiteral("-wal")).size() > 0);
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), before);
        // The killed transaction, never committed, is not seen when the file is next opened.
        StoreDb db(fx.dbPath());
        QVERIFY(db.openDatabase().ok());
        QSqlQuery check;
        QVERIFY(db.select(QStringLiteral("pragma integrity_check"), check).ok());
        QVERIFY(check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
        check.finish();
        db.close();
        QCOMPARE(fx.readingCount(), 1);
    }

    void aFullDiskIsToldInTheUsersWords() {
        TmpfsMount disk(256);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.why()));
        const QString db = disk.filePath(QStringLiteral("数据库.mdb"));
        StoreFixture::createAt(db);
        QVector<UploadSaver::Reading> readings;
        for (int n = 0; n < 999; ++n)
            readings.append({QString::number(n), QStringLiteral("12.5")});
        StoreResult r;
        for (int upload = 0; upload < 200 && r.ok(); ++upload)
            r = UploadSaver::save(db, QStringLiteral("2008-04-30 14:%1:00").arg(upload), readings);
        QCOMPARE(r.message(), QStringLiteral("数据库操作失败：磁盘已满。"));
    }

    void anUnusableDatabaseIsReportedAndLeftUnchanged() {
        StoreFixture fx;
        QFile f(fx.dbPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        const StoreResult r = UploadSaver::save(fx.dbPath(), Stamp, {{"1", "2"}});
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QVERIFY(r.message().startsWith(QStringLiteral("数据库文件无法打开：") + fx.dbPath()));
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), QByteArray(4096, 'x'));
    }

    void numberFormats_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::newRow("000 rounds down") << "23.45" << 3 << 0 << "023";
        QTest::newRow("000 rounds half away") << "23.5" << 3 << 0 << "024";
        QTest::newRow("000 negative half away") << "-1.5" << 3 << 0 << "-002";
        QTest::newRow("000 tiny negative shows no sign") << "-0.4" << 3 << 0 << "000";
        QTest::newRow("000 wider than three") << "1234" << 3 << 0 << "1234";
        QTest::newRow("000 error marker") << "E1" << 3 << 0 << "E1";
        QTest::newRow("000 empty") << "" << 3 << 0 << "";
        QTest::newRow("000 blanks around") << " 7 " << 3 << 0 << "007";
        QTest::newRow("000 trailing letters are no number") << "12abc" << 3 << 0 << "12abc";
        QTest::newRow("000.00 pads") << "23.4" << 3 << 2 << "023.40";
        QTest::newRow("000.00 written half") << "2.675" << 3 << 2 << "002.68";
        QTest::newRow("000.00 negative") << "-1.5" << 3 << 2 << "-001.50";
        QTest::newRow("000.00 exponent") << "1e2" << 3 << 2 << "100.00";
        QTest::newRow("000.00 error marker") << "E1" << 3 << 2 << "E1";
        QTest::newRow("0000") << "12" << 4 << 0 << "0012";
        QTest::newRow("inf is no number") << "inf" << 3 << 0 << "inf";
    }
    void numberFormats() {
        QFETCH(QString, text);
        QFETCH(int, digits);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        QCOMPARE(NumberFormat::format(text, digits, decimals), shown);
    }
};

QTEST_GUILESS_MAIN(TestUploadSaver)
#include "test_upload_saver.moc"
