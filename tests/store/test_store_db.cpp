#include "store/StoreDb.h"
#include "store/StoreSchema.h"
#include "store/ui/StoreStartup.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/store/StoreFixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>

// Opening the database file: the first start on a fresh machine, and every way a file can
// be unusable without the program changing it.
class TestStoreDb : public QObject {
    Q_OBJECT

private:
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void missingFileIsMadeWithItsEmptyTables() {
        StoreFixture fx;
        QVERIFY(!QFile::exists(fx.dbPath()));
        {
            StoreDb db(fx.dbPath());
            const StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
            QVERIFY2(r.ok(), qPrintable(r.message()));
        }
        QCOMPARE(fx.rows(QStringLiteral("select name from sqlite_master where type = 'table' "
                                        "order by rowid")),
                 (QStringList{QStringLiteral("表1"), QStringLiteral("分组定义"),
                              QStringLiteral("测量数据"), QStringLiteral("编号值表"),
                              QStringLiteral("编号值表进度")}));
        QCOMPARE(
            fx.rows(QStringLiteral("select name || ':' || type from pragma_table_info('表1')")),
            (QStringList{QStringLiteral("日期时间:TEXT"), QStringLiteral("编号:TEXT"),
                         QStringLiteral("温度值:TEXT")}));
        QCOMPARE(fx.rows(QStringLiteral("select count(*) from pragma_table_info('分组定义')")),
                 QStringList{QStringLiteral("9")});
        QCOMPARE(
            fx.rows(QStringLiteral("select group_concat(name) from pragma_table_info('测量数据')")),
            QStringList{QStringLiteral("myid,接收日期,接收时间,站点编号,t1,t2,t3,t4,t5,t6,t7,t8")});
        QCOMPARE(fx.readingCount(), 0);
        // Nothing is left over from making it.
        QCOMPARE(QDir(fx.dir()).entryList(QDir::Files), QStringList{QStringLiteral("数据库.mdb")});
    }

    void aFolderThatCannotBeWrittenGivesTheOrderlyMessage() {
        StoreFixture fx;
        const QString path = fx.file(QStringLiteral("no/such/folder/数据库.mdb"));
        StoreDb db(path);
        const StoreResult r = db.openDatabase();
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QVERIFY(r.message().startsWith(QStringLiteral("数据库文件无法打开：") + path));
    }

    void unusableFilesAreRefusedAndLeftUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("garbage")
            << QByteArray("this is not a database file at all, honestly. ").repeated(200)
            << "文件不是有效的数据库。";
        QTest::newRow("empty file") << QByteArray() << "缺少数据表“表1”。";
    }
    void unusableFilesAreRefusedAndLeftUnchanged() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        StoreFixture fx;
        writeFile(fx.dbPath(), bytes);
        for (const StoreDb::Access access :
             {StoreDb::Access::ReadOnly, StoreDb::Access::ReadWrite}) {
            StoreDb db(fx.dbPath());
            const StoreResult r = db.openDatabase(access);
            QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
            QCOMPARE(r.message(), QStringLiteral("数据库文件无法打开：") + fx.dbPath() +
                                      QLatin1Char('\n') + reason);
            QVERIFY(!db.isOpen());
        }
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), bytes);
        QCOMPARE(QDir(fx.dir()).entryList(QDir::Files), QStringList{QStringLiteral("数据库.mdb")});
    }

    void aFileLackingATableIsRefusedAndLeftUnchanged_data() {
        QTest::addColumn<QString>("dropped");
        for (const QString& t : StoreSchema::tables())
            QTest::newRow(t.toUtf8().constData()) << t;
    }
    void aFileLackingATableIsRefusedAndLeftUnchanged() {
        QFETCH(QString, dropped);
        StoreFixture fx;
        fx.create();
        {
            sqlite3* raw = nullptr;
            QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &raw), SQLITE_OK);
            const QByteArray sql = "drop table [" + dropped.toUtf8() + "]";
            QCOMPARE(sqlite3_exec(raw, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(raw);
        }
        const QByteArray before = StoreFixture::fileBytes(fx.dbPath());
        StoreDb db(fx.dbPath());
        const StoreResult r = db.openDatabase();
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QVERIFY(r.message().endsWith(QStringLiteral("缺少数据表“%1”。").arg(dropped)));
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), before);
    }

    void aLockedFileIsReported() {
        StoreFixture fx;
        fx.create();
        sqlite3* holder = nullptr;
        QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &holder), SQLITE_OK);
        // Another program that keeps a rollback journal locks out readers as well.
        QCOMPARE(sqlite3_exec(holder, "pragma journal_mode=delete", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
        {
            StoreDb db(fx.dbPath(), 50);
            const StoreResult r = db.openDatabase();
            QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
            QVERIFY(r.message().endsWith(QStringLiteral("文件正被其他程序使用。")));
        }
        // At start-up it is found without the long wait of a save, to be told at once, and
        // the program still starts on the file.
        ScriptedPrompts prompts;
        const StoreStartup::Opened opened = StoreStartup::open(prompts, {}, fx.dbPath(), {});
        QCOMPARE(opened.address, fx.dbPath());
        QVERIFY(opened.state.retryable());
        QVERIFY(opened.state.message().endsWith(QStringLiteral("文件正被其他程序使用。")));
        sqlite3_exec(holder, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
    }

    void aFileWithoutIndexesGetsThemOnItsFirstWritableUse() {
        StoreFixture fx;
        {
            sqlite3* raw = nullptr;
            QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &raw), SQLITE_OK);
            for (const QString& sql : StoreSchema::createTableStatements())
                QCOMPARE(sqlite3_exec(raw, sql.toUtf8().constData(), nullptr, nullptr, nullptr),
                         SQLITE_OK);
            QCOMPARE(sqlite3_exec(raw, "insert into [表1] values ('2008-05-01', '07', '1')",
                                  nullptr, nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(raw);
        }
        const QString indexes =
            QStringLiteral("select count(*) from sqlite_master where type = 'index'");
        {
            StoreDb db(fx.dbPath());
            QVERIFY(db.openDatabase(StoreDb::Access::ReadOnly).ok());
        }
        QCOMPARE(fx.rows(indexes), QStringList{QStringLiteral("0")});
        {
            StoreDb db(fx.dbPath());
            QVERIFY(db.openDatabase().ok());
        }
        QCOMPARE(fx.rows(QStringLiteral("select name from sqlite_master where type = 'index' "
                                        "order by name")),
                 (QStringList{QStringLiteral("编号值表_编号"), QStringLiteral("表1_日期时间")}));
        // The number table, which the earlier version lacked, holds the stored number.
        QCOMPARE(fx.rows(QStringLiteral("select * from [编号值表]")),
                 QStringList{QStringLiteral("07|7")});
        QCOMPARE(fx.readingCount(), 1);
    }

    void aPlainSqliteConnectionCanStillWriteAndCheckTheFile() {
        // Nothing in the file may depend on the program's own val(): other tools must be
        // able to repair and change it.
        StoreFixture fx;
        fx.create();
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw, "insert into [表1] values ('a', '1', '2'); delete from [表1];",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(raw);
        QCOMPARE(fx.rows(QStringLiteral("pragma integrity_check")), QStringList{"ok"});
    }

    void aFileFromOutsideCannotTurnTheProgramAgainstItself() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({QStringLiteral("2008-04-30 14:25:03|1|12.5")});
        // Its schema cannot be rewritten through the program's connection.
        {
            StoreDb db(fx.dbPath());
            QVERIFY(db.openDatabase().ok());
            (void)db.exec(QStringLiteral("pragma writable_schema = on"));
            QVERIFY(!db.exec(QStringLiteral("update sqlite_master set sql = 'x' where name = '表1'"))
                         .ok());
        }
        // A trigger of its own would rewrite every save while the save reports success.
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(fx.dbPath().toUtf8().constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw, "pragma journal_mode=delete; create trigger [改写] after "
                                   "insert on [表1] begin update [表1] set [温度值] = '99.9'; end",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(raw);
        const QByteArray before = StoreFixture::fileBytes(fx.dbPath());
        StoreDb db(fx.dbPath());
        const StoreResult r = db.openDatabase();
        QCOMPARE(r.kind(), StoreResult::Kind::CannotOpen);
        QVERIFY2(r.message().contains(QStringLiteral("触发器“改写”")), qPrintable(r.message()));
        QVERIFY(db.openDatabase(StoreDb::Access::ReadOnly).ok());
        db.close();
        QCOMPARE(StoreFixture::fileBytes(fx.dbPath()), before);
    }

    void eachConnectionIsRemovedWhenItsOperationEnds() {
        StoreFixture fx;
        {
            StoreDb a(fx.dbPath());
            StoreDb b(fx.dbPath());
            QVERIFY(a.openDatabase().ok());
            QVERIFY(b.openDatabase(StoreDb::Access::ReadOnly).ok());
            QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
            QSqlQuery q;
            QVERIFY(b.select(QStringLiteral("select * from [表1]"), q).ok());
        }
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void tablesAreListedInTheirStoredOrder() {
        StoreFixture fx;
        fx.create();
        StoreDb db(fx.dbPath());
        QVERIFY(db.openDatabase().ok());
        QVERIFY(db.exec(QStringLiteral("create table [aaa] (x text)")).ok());
        QStringList names;
        QVERIFY(db.tableNames(names).ok());
        QCOMPARE(names, (QStringList{QStringLiteral("表1"), QStringLiteral("分组定义"),
                                     QStringLiteral("测量数据"), QStringLiteral("编号值表"),
                                     QStringLiteral("编号值表进度"), QStringLiteral("aaa")}));
    }
};

QTEST_GUILESS_MAIN(TestStoreDb)
#include "test_store_db.moc"
