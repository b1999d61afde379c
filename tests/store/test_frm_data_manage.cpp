#include "store/ReadingsMaintenance.h"
#include "store/StoreDb.h"
#include "store/ui/FrmDataManage.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <sqlite3.h>

namespace {

const QString Older = QStringLiteral("2008-04-29 10:00:00");
const QString Newer = QStringLiteral("2008-04-30 14:25:03");

QStringList items(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out.append(c->itemText(i));
    return out;
}

void rawExec(const QString& path, const char* sql) {
    sqlite3* raw = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
    QCOMPARE(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
}

void writeGarbage(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("MZ\x90\x00 certainly no database here ", 32).repeated(64));
}

// A backup of a few pages of readings, kept in a single file.
void bigBackup(const QString& path) {
    StoreFixture::createAt(path);
    rawExec(path, "pragma journal_mode=delete;"
                  "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
                  "insert into [表1] select '2008-05-01 00:00:00', i, i || '.5' from n");
}

// Overwrites the first page of the readings, as a failing disk would.
void spoilPage(const QString& path) {
    const QStringList root = StoreFixture::rowsAt(
        path, QStringLiteral("select rootpage from sqlite_master where name = '表1'"));
    QCOMPARE(root.size(), 1);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek((root.first().toLongLong() - 1) * 4096));
    f.write(QByteArray(2000, '\x5a'));
}

} // namespace

// Emptying, deleting, backing up and importing readings.
class TestFrmDataManage : public QObject {
    Q_OBJECT

private slots:
    void deletingASensorTakesEveryTextOfItsValue() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|12|1", Older + "|012|2", Newer + "|12.0|3", Newer + "|120|4",
                        Newer + "|1.2|5", Newer + "|7|6"});
        QVERIFY(ReadingsMaintenance::deleteSensor(fx.dbPath(), 12).ok());
        QCOMPARE(fx.rows(QStringLiteral("select 编号 from [表1] order by rowid")),
                 (QStringList{"120", "1.2", "7"}));
    }

    void deletingAnUploadTakesExactlyItsDateTime() {
        StoreFixture fx;
        fx.create();
        const QString odd = QStringLiteral("2008-05-01 08:00:00'x");
        fx.addReadings({Older + "|1|1", odd + "|1|2", Newer + "|1|3"});
        QVERIFY(ReadingsMaintenance::deleteUpload(fx.dbPath(), odd).ok());
        QVERIFY(ReadingsMaintenance::deleteUpload(fx.dbPath(), Older).ok());
        QCOMPARE(fx.rows(QStringLiteral("select 温度值 from [表1]")), QStringList{"3"});
    }

    void importingTheSameBackupTwiceAppendsItTwice() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|1"});
        const QString backup = fx.file(QStringLiteral("backup.mdb"));
        StoreFixture::createAt(backup);
        StoreFixture::addReadingsAt(backup, {Newer + "|5|50", Newer + "|6|60"});
        const QByteArray backupBytes = StoreFixture::fileBytes(backup);
        QVERIFY(ReadingsMaintenance::importFrom(fx.dbPath(), backup).ok());
        QVERIFY(ReadingsMaintenance::importFrom(fx.dbPath(), backup).ok());
        QCOMPARE(fx.rows(QStringLiteral("select * from [表1] order by rowid")),
                 (QStringList{Older + "|1|1", Newer + "|5|50", Newer + "|6|60", Newer + "|5|50",
                              Newer + "|6|60"}));
        QCOMPARE(StoreFixture::fileBytes(backup), backupBytes);
    }

    void importKeepsEveryRowOfManyStatementsInOrder() {
        // More rows than one insert carries: the full statement is run again and again,
        // and a shorter one takes the rest.
        StoreFixture fx;
        fx.create();
        const QString backup = fx.file(QStringLiteral("many.mdb"));
        StoreFixture::createAt(backup);
        QStringList rows;
        for (int i = 0; i < 1234; ++i)
            rows.append(QStringLiteral("%1|%2|%3").arg(i % 2 ? Newer : Older).arg(1234 - i).arg(i));
        StoreFixture::addReadingsAt(backup, rows);
        QVERIFY(ReadingsMaintenance::importFrom(fx.dbPath(), backup).ok());
        QCOMPARE(fx.rows(QStringLiteral("select * from [表1] order by rowid")), rows);
    }

    void importMatchesColumnsByName() {
        StoreFixture fx;
        fx.create();
        const QString backup = fx.file(QStringLiteral("other.mdb"));
        rawExec(backup, "create table [表1] ([温度值] text, [编号] text, [日期时间] text, extra);"
                        "insert into [表1] values ('21.5', '3', '2008-05-01 08:00:00', 'x');");
        QVERIFY(ReadingsMaintenance::importFrom(fx.dbPath(), backup).ok());
        QCOMPARE(fx.rows(QStringLiteral("select * from [表1]")),
                 QStringList{"2008-05-01 08:00:00|3|21.5"});
    }

    void importingTheDatabaseItselfAppendsItsReadingsOnce() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|1", Newer + "|2|2"});
        QVERIFY(ReadingsMaintenance::importFrom(fx.dbPath(), fx.dbPath()).ok());
        QCOMPARE(fx.readingCount(), 4);
    }

    void filesThatHoldNoReadingsAreRefusedAndNothingChanges_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("a database without 表1") << "no table";
        QTest::newRow("表1 without the reading columns") << "no columns";
    }
    void filesThatHoldNoReadingsAreRefusedAndNothingChanges() {
        QFETCH(QString, kind);
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|1"});
        const QString file = fx.file(QStringLiteral("import.mdb"));
        if (kind == QLatin1String("garbage"))
            writeGarbage(file);
        else if (kind == QLatin1String("empty"))
            QFile(file).open(QIODevice::WriteOnly);
        else if (kind == QLatin1String("no table"))
            rawExec(file, "create table other (x)");
        else if (kind == QLatin1String("no columns"))
            rawExec(file, "create table [表1] (a, b, c)");
        const QByteArray dbBefore = StoreFixture::fileBytes(fx.dbPath());
        const QByteArray fileBefore = StoreFixture::fileBytes(file);

        const StoreResult r = ReadingsMaintenance::importFrom(fx.dbPath(), file);
        QCOMPARE(r.kind(), StoreResult::Kind::NotAReadingsFile);
        QCOMPARE(r.message(), QStringLiteral("备份文件格式不对！操作失败！"));
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), dbBefore);
        QCOMPARE(StoreFixture::fileBytes(file), fileBefore);
    }

    void outsideFilesAreRefusedWithTheirReasonAndNothingChanges_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "文件不存在。";
        QTest::newRow("truncated") << "truncated"
                                   << "数据库文件已损坏。";
        QTest::newRow("damaged") << "damaged"
                                 << "数据库文件已损坏。";
        QTest::newRow("locked") << "locked"
                                << "文件正被其他程序使用。";
        QTest::newRow("over-long text") << "long"
                                        << "长于 64 个字符";
        QTest::newRow("NUL in a text") << "nul"
                                       << "空字符";
    }
    void outsideFilesAreRefusedWithTheirReasonAndNothingChanges() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|1"});
        const QString file = fx.file(QStringLiteral("import.mdb"));
        if (kind != QLatin1String("missing"))
            bigBackup(file);
        if (kind == QLatin1String("truncated"))
            QVERIFY(QFile::resize(file, QFileInfo(file).size() / 2));
        else if (kind == QLatin1String("damaged"))
            spoilPage(file);
        else if (kind == QLatin1String("long"))
            rawExec(file, "insert into [表1] values ('2008-05-01 00:00:00', '1', "
                          "printf('%.*c', 200000, 'x'))");
        else if (kind == QLatin1String("nul"))
            rawExec(file, "insert into [表1] values ('2008-05-01 00:00:00', '1', "
                          "cast(x'3100320033' as text))");
        sqlite3* holder = nullptr;
        if (kind == QLatin1String("locked")) {
            QCOMPARE(sqlite3_open(file.toUtf8().constData(), &holder), SQLITE_OK);
            QCOMPARE(sqlite3_exec(holder, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const QByteArray dbBefore = StoreFixture::fileBytes(fx.dbPath());

        const StoreResult r = ReadingsMaintenance::importFrom(fx.dbPath(), file);
        sqlite3_close(holder);
        QVERIFY2(r.message().startsWith(QStringLiteral("操作失败！\n")) &&
                     r.message().contains(reason) && r.message().contains(file),
                 qPrintable(r.message()));
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), dbBefore);
    }

    void aDamagedDatabaseIsNotBackedUp() {
        StoreFixture fx;
        bigBackup(fx.dbPath());
        spoilPage(fx.dbPath());
        const QString target = fx.file(QStringLiteral("copy.mdb"));
        const StoreResult r = ReadingsMaintenance::backup(fx.dbPath(), target);
        QCOMPARE(r.message(), QStringLiteral("操作失败！\n数据库文件已损坏，没有写出备份。"));
        QVERIFY(!QFile::exists(target));
        QVERIFY(!QFile::exists(target + QStringLiteral(".tmp")));
    }

    void importIntoAnUnusableDatabaseChangesNothing() {
        StoreFixture fx;
        writeGarbage(fx.dbPath());
        const QByteArray before = StoreFixture::fileBytes(fx.dbPath());
        const QString backup = fx.file(QStringLiteral("backup.mdb"));
        StoreFixture::createAt(backup);
        StoreFixture::addReadingsAt(backup, {Newer + "|5|50"});
        const StoreResult r = ReadingsMaintenance::importFrom(fx.dbPath(), backup);
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), before);
    }

    void aBackupIsAWholeDatabaseInPlaceOfTheTarget() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|1|1", Newer + "|2|2"});
        const QString target = fx.file(QStringLiteral("copy.mdb"));
        writeGarbage(target);
        QVERIFY(ReadingsMaintenance::backup(fx.dbPath(), target).ok());
        QCOMPARE(StoreFixture::rowsAt(target, QStringLiteral("select * from [表1] order by rowid")),
                 (QStringList{Older + "|1|1", Newer + "|2|2"}));
        QCOMPARE(StoreFixture::rowsAt(target, QStringLiteral("select count(*) from sqlite_master "
                                                             "where type = 'table'")),
                 QStringList{"5"});
        QVERIFY(!QFile::exists(target + QStringLiteral(".tmp")));
    }

    void theDialogListsTheStoredValuesWithItsButtonsOff() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Newer + "|0012|1", Older + "|7|1", Older + "|12|1"});
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("数据管理"));
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo1")), (QStringList{"7", "12"}));
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo2")), (QStringList{Older, Newer}));
        QVERIFY(!Part<QPushButton>(dlg, "CmdDel1")->isEnabled());
        QVERIFY(!Part<QPushButton>(dlg, "CmdDel2")->isEnabled());
        QVERIFY(Part<QComboBox>(dlg, "Combo1")->currentText().isEmpty());
        Part<QComboBox>(dlg, "Combo1")->setEditText(QStringLiteral("7"));
        QVERIFY(Part<QPushButton>(dlg, "CmdDel1")->isEnabled());
        Part<QComboBox>(dlg, "Combo1")->setEditText(QStringLiteral("   "));
        QVERIFY(!Part<QPushButton>(dlg, "CmdDel1")->isEnabled());
        Part<QComboBox>(dlg, "Combo2")->setCurrentIndex(1);
        QVERIFY(Part<QPushButton>(dlg, "CmdDel2")->isEnabled());
    }

    void theDateTimeDropDownShowsWholeEntries() {
        StoreFixture fx;
        fx.create();
        // Besides the usual stamps, one typed at the save with more than a date-time.
        const QString typed = Newer + QStringLiteral(" 第二次测量（复核）");
        fx.addReadings({Older + "|1|1", Newer + "|1|1", typed + "|1|1"});
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        Part<QComboBox>(dlg, "Combo2")->showPopup();
        QAbstractItemView* list = Part<QComboBox>(dlg, "Combo2")->view();
        QTRY_VERIFY(list->isVisible());
        QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
        Part<QComboBox>(dlg, "Combo2")->hidePopup();
    }

    void clearingAsksFirstAndKeepsTheListsUntilTheNextRefill() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|7|1"});
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        prompts.answer(Prompts::Answer::No);
        Part<QPushButton>(dlg, "CmdClearAll")->click();
        QCOMPARE(fx.readingCount(), 1);
        prompts.answer(Prompts::Answer::Yes);
        Part<QPushButton>(dlg, "CmdClearAll")->click();
        QCOMPARE(fx.readingCount(), 0);
        QCOMPARE(prompts.texts(),
                 (QStringList{"数据库内数据清空后将无法恢复，请确认！",
                              "数据库内数据清空后将无法恢复，请确认！", "数据库内数据已被清空！"}));
        QCOMPARE(prompts.asked()[0].title, QStringLiteral("警示："));
        QCOMPARE(prompts.asked()[2].title, QStringLiteral("提示："));
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo1")), QStringList{"7"});
    }

    void deletingBySensorAsksThenRefillsTheLists() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|7|1", Older + "|012|1", Newer + "|12.0|1"});
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        Part<QComboBox>(dlg, "Combo1")->setCurrentIndex(1);
        prompts.answer(Prompts::Answer::Yes);
        Part<QPushButton>(dlg, "CmdDel1")->click();
        QCOMPARE(prompts.texts(), (QStringList{"数据库内指定数据删除后将无法恢复，请确认！",
                                               "数据库内指定数据已被删除！"}));
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo1")), QStringList{"7"});
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo2")), QStringList{Older});
        QVERIFY(!Part<QPushButton>(dlg, "CmdDel1")->isEnabled());
    }

    void backupOntoAnExistingFileAnsweredNoAsksForANameAgain() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Older + "|7|1"});
        const QString first = fx.file(QStringLiteral("first.mdb"));
        const QString second = fx.file(QStringLiteral("second.mdb"));
        writeGarbage(first);
        writeGarbage(second);
        const QByteArray firstBefore = StoreFixture::fileBytes(first);
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        prompts.choose(first);
        prompts.answer(Prompts::Answer::No);
        prompts.choose(second);
        prompts.answer(Prompts::Answer::Yes);
        Part<QPushButton>(dlg, "CmdOut")->click();
        QCOMPARE(prompts.asked().size(), 4);
        QCOMPARE(prompts.asked()[0].kind, QStringLiteral("save"));
        QCOMPARE(prompts.asked()[0].title, QStringLiteral("指定数据备份文件名:"));
        QCOMPARE(prompts.asked()[1].text, QStringLiteral("目标文件已经存在,文件被覆盖？"));
        QCOMPARE(prompts.asked()[1].buttons, Prompts::Buttons::YesNoCancel);
        QCOMPARE(prompts.asked()[2].kind, QStringLiteral("save"));
        QCOMPARE(StoreFixture::fileBytes(first), firstBefore);
        QCOMPARE(StoreFixture::rowsAt(second, QStringLiteral("select 编号 from [表1]")),
                 QStringList{"7"});
        QCOMPARE(prompts.unanswered(), 0);
    }

    void backupEndsQuietlyOnCancelAndSaysSoWithoutAName() {
        StoreFixture fx;
        fx.create();
        const QString existing = fx.file(QStringLiteral("existing.mdb"));
        writeGarbage(existing);
        const QByteArray before = StoreFixture::fileBytes(existing);
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        prompts.choose(existing);
        prompts.answer(Prompts::Answer::Cancel);
        Part<QPushButton>(dlg, "CmdOut")->click();
        QCOMPARE(prompts.asked().size(), 2);
        QCOMPARE(StoreFixture::fileBytes(existing), before);

        prompts.clear();
        prompts.choose(QString());
        Part<QPushButton>(dlg, "CmdOut")->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("没有指定文件名，或操作被取消！"));
        QCOMPARE(prompts.asked().last().title, QStringLiteral("thermbook"));
    }

    void aFailedBackupIsReported() {
        StoreFixture fx;
        fx.create();
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        prompts.choose(fx.file(QStringLiteral("no/such/folder/copy.mdb")));
        Part<QPushButton>(dlg, "CmdOut")->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("操作失败！\n文件夹不存在。"));
    }

    void importFromTheDialog() {
        StoreFixture fx;
        fx.create();
        const QString backup = fx.file(QStringLiteral("backup.mdb"));
        StoreFixture::createAt(backup);
        StoreFixture::addReadingsAt(backup, {Newer + "|5|50"});
        const QString garbage = fx.file(QStringLiteral("garbage.mdb"));
        writeGarbage(garbage);
        ScriptedPrompts prompts;
        FrmDataManage dlg(prompts, fx.dbPath());
        QCOMPARE(Part<QComboBox>(dlg, "Combo1")->count(), 0);

        prompts.choose(backup);
        Part<QPushButton>(dlg, "CmdIn")->click();
        QCOMPARE(prompts.asked()[0].kind, QStringLiteral("open"));
        QCOMPARE(prompts.asked()[0].title, QStringLiteral("备份文件名:"));
        QCOMPARE(prompts.texts().last(), QStringLiteral("完成！"));
        QCOMPARE(items(Part<QComboBox>(dlg, "Combo1")), QStringList{"5"});

        prompts.choose(garbage);
        Part<QPushButton>(dlg, "CmdIn")->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("备份文件格式不对！操作失败！"));
        QCOMPARE(fx.readingCount(), 1);

        prompts.choose(QString());
        Part<QPushButton>(dlg, "CmdIn")->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("没有指定文件名，或操作被取消！"));
    }
};

QTEST_MAIN(TestFrmDataManage)
#include "test_frm_data_manage.moc"
