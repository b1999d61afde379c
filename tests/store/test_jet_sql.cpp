#include "common/NumberText.h"
#include "store/JetSql.h"
#include "store/ServerDialect.h"
#include "store/StoreDb.h"
#include "tests/store/StoreFixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

// The statements the program is written in, and what SQLite and a server are given for them.
class TestJetSql : public QObject {
    Q_OBJECT

private slots:
    void translatesOnlyWhatSqliteCannotRead_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QString>("attach");

        QTest::newRow("brackets and val stay")
            << "select * from [表1] order by val(编号) asc,[日期时间] desc"
            << "select * from [表1] order by val(编号) asc,[日期时间] desc"
            << "";
        QTest::newRow("delete star") << "delete * from [表1]"
                                     << "delete from [表1]"
                                     << "";
        QTest::newRow("delete star, odd case and blanks")
            << "DELETE  *\tFROM [表1] where val(编号) =12"
            << "DELETE  FROM [表1] where val(编号) =12"
            << "";
        QTest::newRow("delete without star") << "delete from [表1]"
                                             << "delete from [表1]"
                                             << "";
        QTest::newRow("star of a select stays") << "select * from [表1]"
                                                << "select * from [表1]"
                                                << "";
        QTest::newRow("iso date literals")
            << "select * from [测量数据] where 接收日期 >= #2008-04-01# and 接收日期 <= #2008-4-30#"
            << "select * from [测量数据] where 接收日期 >= '2008-04-01' and 接收日期 <= "
               "'2008-04-30'"
            << "";
        QTest::newRow("month/day/year literal with time")
            << "select 1 where x = #4/30/2008 9:05#"
            << "select 1 where x = '2008-04-30 09:05:00'"
            << "";
        QTest::newRow("hash inside a text stays") << "select '#2008-04-01#'"
                                                  << "select '#2008-04-01#'"
                                                  << "";
        QTest::newRow("hash inside brackets stays") << "select [a#b], [c#d] from t"
                                                    << "select [a#b], [c#d] from t"
                                                    << "";
        QTest::newRow("statement words inside a text stay")
            << "select * from [表1] where 日期时间= 'delete * from x'"
            << "select * from [表1] where 日期时间= 'delete * from x'"
            << "";
        QTest::newRow("doubled quote inside a text")
            << "select * from [表1] where 日期时间= 'a''b #1#'"
            << "select * from [表1] where 日期时间= 'a''b #1#'"
            << "";
        QTest::newRow("insert into another file")
            << "Insert Into [表1] in '/data/数据库.mdb' select * from [表1]"
            << "Insert Into jet_in.[表1] select * from [表1]"
            << "/data/数据库.mdb";
        QTest::newRow("insert into another file, quote in its name")
            << "Insert Into [表1] in 'C:\\it''s\\数据库.mdb' select * from [表1]"
            << "Insert Into jet_in.[表1] select * from [表1]"
            << "C:\\it's\\数据库.mdb";
        QTest::newRow("insert into another file, with columns")
            << "insert into [表1]([日期时间],[编号]) IN 'b.mdb' select [日期时间],[编号] from [表1]"
            << "insert into jet_in.[表1]([日期时间],[编号]) select [日期时间],[编号] from [表1]"
            << "b.mdb";
        QTest::newRow("plain insert")
            << "Insert Into [表1]([日期时间],[编号],[温度值]) values ('a','1','2')"
            << "Insert Into [表1]([日期时间],[编号],[温度值]) values ('a','1','2')"
            << "";
        QTest::newRow("in list of a select stays")
            << "select * from [表1] where [编号] in ('1','2')"
            << "select * from [表1] where [编号] in ('1','2')"
            << "";
        QTest::newRow("insert of values in a list") << "insert into t(a) values ('x') "
                                                    << "insert into t(a) values ('x') "
                                                    << "";
        QTest::newRow("unclosed text is left for SQLite to refuse") << "select 'abc"
                                                                    << "select 'abc"
                                                                    << "";
    }
    void translatesOnlyWhatSqliteCannotRead() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QFETCH(QString, attach);
        const JetSql::Translation t = JetSql::translate(jet);
        QCOMPARE(t.sql, sqlite);
        QCOMPARE(t.attachFile, attach);
    }

    void serverReadsNamesInLowerCaseAndRowOrderAsCtid_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("server");
        QTest::newRow("bracketed names, ASCII folded")
            << "select [MyId], [表1].[T1] from [表1] order by ROWID"
            << "select \"myid\", \"表1\".\"t1\" from \"表1\" order by ctid";
        QTest::newRow("double-quoted text") << "select \"a'b\"\"c\" as X, 'rowid'"
                                            << "select 'a''b\"c' as X, 'rowid'";
        QTest::newRow("quote in a name") << "select [a\"b]" << "select \"a\"\"b\"";
        QTest::newRow("delete star, date literal")
            << "delete * from [表1] where [日期时间] < #4/30/2008#"
            << "delete from \"表1\" where \"日期时间\" < '2008-04-30'";
        QTest::newRow("insert into another file")
            << "Insert Into [表1] in 'b.mdb' select * from [表1]"
            << "Insert Into jet_in.\"表1\" select * from \"表1\"";
    }
    void serverReadsNamesInLowerCaseAndRowOrderAsCtid() {
        QFETCH(QString, jet);
        QFETCH(QString, server);
        QCOMPARE(ServerDialect::translate(jet).sql, server);
    }

    void valReadsTheLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("fraction") << "12.0" << 12.0;
        QTest::newRow("negative fraction") << "-1.5" << -1.5;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("blanks and tab in front") << " \t 23.45" << 23.45;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("error marker") << "E1" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent without digits") << "2e" << 2.0;
        QTest::newRow("exponent sign without digits") << "2e+x" << 2.0;
        QTest::newRow("overflow") << "1e999" << 0.0;
        QTest::newRow("full-width digits are no digits") << "１２" << 0.0;
        QTest::newRow("second number ignored") << "1 2" << 1.0;
    }
    void valReadsTheLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        StoreFixture fx;
        StoreDb db(fx.file(QStringLiteral("v.db")));
        QVERIFY(db.openDatabase().ok());
        QSqlQuery q;
        QVERIFY(db.select(QStringLiteral("select val(?)"), q, {text}).ok());
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), value);
        // The windows read the same texts with Val(); both must agree.
        QCOMPARE(Val(text), value);
    }

    void valOfNullIsNull() {
        StoreFixture fx;
        StoreDb db(fx.file(QStringLiteral("v.db")));
        QVERIFY(db.openDatabase().ok());
        QSqlQuery q;
        QVERIFY(db.select(QStringLiteral("select val(null)"), q).ok());
        QVERIFY(q.next());
        QVERIFY(q.value(0).isNull());
    }

    // Every statement the program's windows are written with, run unchanged on a database
    // file with a few rows; `check` is a plain select run afterwards and `expected` its rows.
    void everyStatementOfTheProgramRuns_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("expected");

        const QString readings = QStringLiteral("select * from [表1] order by rowid");
        const auto L = [](std::initializer_list<const char*> items) {
            QStringList out;
            for (const char* s : items)
                out.append(QString::fromUtf8(s));
            return out;
        };

        // Saving an upload.
        QTest::newRow("save a reading")
            << "Insert Into [表1]([日期时间],[编号],[温度值]) values ('2008-05-01 "
               "08:00:00','105','23.45')"
            << "select * from [表1] where 编号 = '105'" << L({"2008-05-01 08:00:00|105|23.45"});
        // The four fixed views.
        QTest::newRow("view by sensor")
            << "select * from [表1] order by val(编号) asc,[日期时间] desc"
            << ""
            << L({"2008-04-30 14:25:03|1|20.5", "2008-04-29 10:00:00|1|20",
                  "2008-04-30 14:25:03|2|21", "2008-04-30 14:25:03|12.0|E1",
                  "2008-04-29 10:00:00|012|21.5"});
        QTest::newRow("view by time")
            << "select * from [表1] order by [日期时间] desc,val(编号) asc"
            << ""
            << L({"2008-04-30 14:25:03|1|20.5", "2008-04-30 14:25:03|2|21",
                  "2008-04-30 14:25:03|12.0|E1", "2008-04-29 10:00:00|1|20",
                  "2008-04-29 10:00:00|012|21.5"});
        QTest::newRow("upload times") << "select * from [表1] order by [日期时间] desc"
                                      << "" << QStringList();
        QTest::newRow("sensor numbers") << "select * from [表1] order by val(编号) asc"
                                        << "" << QStringList();
        // Custom query.
        QTest::newRow("date lists")
            << "select * from [表1] order by [日期时间] asc,val(编号)"
            << ""
            << L({"2008-04-29 10:00:00|1|20", "2008-04-29 10:00:00|012|21.5",
                  "2008-04-30 14:25:03|1|20.5", "2008-04-30 14:25:03|2|21",
                  "2008-04-30 14:25:03|12.0|E1"});
        QTest::newRow("query table: all, all, date first")
            << "select * from [表1] order by [日期时间] asc,val(编号) asc"
            << "" << QStringList();
        QTest::newRow("query table: range, all, date first")
            << "select * from [表1] Where [日期时间]>= '2008-04-29 10:00:00' and [日期时间]<= "
               "'2008-04-30 14:25:03' order by [日期时间] asc,val(编号) asc"
            << "" << QStringList();
        QTest::newRow("query table: all, range, number first")
            << "select * from [表1] Where val(编号)>= 1 and val(编号)<= 20 order by val(编号) "
               "asc,[日期时间] asc"
            << ""
            << L({"2008-04-29 10:00:00|1|20", "2008-04-30 14:25:03|1|20.5",
                  "2008-04-30 14:25:03|2|21", "2008-04-29 10:00:00|012|21.5",
                  "2008-04-30 14:25:03|12.0|E1"});
        QTest::newRow("query table: range, range, date first")
            << "select * from [表1] Where [日期时间]>= '2008-04-29 10:00:00' and [日期时间]<= "
               "'2008-04-30 14:25:03' and val(编号)>= 1 and val(编号)<= 20 order by [日期时间] "
               "asc,val(编号) asc"
            << ""
            << L({"2008-04-29 10:00:00|1|20", "2008-04-29 10:00:00|012|21.5",
                  "2008-04-30 14:25:03|1|20.5", "2008-04-30 14:25:03|2|21",
                  "2008-04-30 14:25:03|12.0|E1"});
        QTest::newRow("maintenance date list") << "select * from [表1] order by [日期时间] asc"
                                               << "" << QStringList();
        // Maintenance.
        QTest::newRow("clear all") << "delete * from [表1]"
                                   << "select count(*) from [表1]" << L({"0"});
        QTest::newRow("delete a sensor by value")
            << "delete * from [表1] where val(编号) =12"
            << "select 编号 from [表1] order by rowid" << L({"1", "1", "2"});
        QTest::newRow("delete an upload")
            << "delete * from [表1] where 日期时间= '2008-04-30 14:25:03'" << readings
            << L({"2008-04-29 10:00:00|1|20", "2008-04-29 10:00:00|012|21.5"});
        // Groups and the grouping run.
        QTest::newRow("groups by value")
            << "select * from [分组定义] order by val(组名)"
            << "" << L({"0001|0001|0002|0003|||||", "0002|0012|||||||"});
        QTest::newRow("clear groups") << "delete * from [分组定义]"
                                      << "select count(*) from [分组定义]" << L({"0"});
        QTest::newRow("save a group")
            << "Insert Into "
               "[分组定义]([组名],[传感器1],[传感器2],[传感器3],[传感器4],[传感器5],[传感器6],["
               "传感器"
               "7],[传感器8]) values ('0003','0004','0005','','','','','','')"
            << "select * from [分组定义] where 组名 = '0003'" << L({"0003|0004|0005||||||"});
        QTest::newRow("clear stations") << "delete * from [测量数据]"
                                        << "select count(*) from [测量数据]" << L({"0"});
        QTest::newRow("readings of one upload")
            << "select * from [表1] where 日期时间 = '2008-04-30 14:25:03' order by [编号] asc"
            << ""
            << L({"2008-04-30 14:25:03|1|20.5", "2008-04-30 14:25:03|12.0|E1",
                  "2008-04-30 14:25:03|2|21"});
        QTest::newRow("groups by name") << "select * from [分组定义] order by [组名] asc"
                                        << "" << QStringList();
        QTest::newRow("write a station record")
            << "Insert Into "
               "[测量数据]([myid],[接收日期],[接收时间],[站点编号],[t1],[t2],[t3],[t4],[t5],[t6],["
               "t7],"
               "[t8]) values ( "
               "'20080501080000','2008-05-01','08:00:00','0001','20.5','21','22.25','255','255','"
               "255',"
               "'255','255')"
            << "select [myid], [t3] from [测量数据] where 接收日期 = '2008-05-01'"
            << L({"20080501080000|22.25"});
        // Curves and reports.
        QTest::newRow("curve of one station")
            << "select * from [测量数据] where val(站点编号) = 1 AND 接收日期 >= #2008-04-29# and "
               "接收日期 <= #2008-04-30# order by val(MyId)"
            << ""
            << L({"20080429100000|2008-04-29|10:00:00|0001|20|255|255|255|255|255|255|255",
                  "20080430142503|2008-04-30|14:25:03|0001|20.5|21|255|255|255|255|255|255"});
        QTest::newRow("group names") << "select [组名] from [分组定义] order by [组名]"
                                     << "" << L({"0001", "0002"});
        QTest::newRow("report of all stations")
            << "select * from [测量数据] where 接收日期 >= #2008-04-30# and 接收日期 <= "
               "#2008-04-30# "
               "order by val(站点编号), val(MyId)"
            << ""
            << L({"20080430142503|2008-04-30|14:25:03|0001|20.5|21|255|255|255|255|255|255",
                  "20080430142503|2008-04-30|14:25:03|0002|E1|255|255|255|255|255|255|255"});
    }
    void everyStatementOfTheProgramRuns() {
        QFETCH(QString, statement);
        QFETCH(QString, check);
        QFETCH(QStringList, expected);

        StoreFixture fx;
        fx.create();
        fx.addReadings({QStringLiteral("2008-04-29 10:00:00|1|20"),
                        QStringLiteral("2008-04-29 10:00:00|012|21.5"),
                        QStringLiteral("2008-04-30 14:25:03|1|20.5"),
                        QStringLiteral("2008-04-30 14:25:03|12.0|E1"),
                        QStringLiteral("2008-04-30 14:25:03|2|21")});
        StoreDb db(fx.dbPath());
        QVERIFY(db.openDatabase().ok());
        QVERIFY(db.exec(QStringLiteral("insert into [分组定义] values "
                                       "('0002','0012','','','','','','',''),"
                                       "('0001','0001','0002','0003','','','','','')"))
                    .ok());
        QVERIFY(
            db.exec(QStringLiteral(
                        "insert into [测量数据] values "
                        "('20080430142503','2008-04-30','14:25:03','0002','E1','255','255','255',"
                        "'255','255','255','255'),"
                        "('20080430142503','2008-04-30','14:25:03','0001','20.5','21','255',"
                        "'255','255','255','255','255'),"
                        "('20080429100000','2008-04-29','10:00:00','0001','20','255','255','255',"
                        "'255','255','255','255')"))
                .ok());

        if (statement.startsWith(QLatin1String("select"))) {
            QSqlQuery q;
            const StoreResult r = db.select(statement, q);
            QVERIFY2(r.ok(), qPrintable(r.message()));
            QStringList got;
            while (q.next()) {
                QStringList fields;
                for (int c = 0; c < q.record().count(); ++c)
                    fields.append(q.value(c).toString());
                got.append(fields.join(QLatin1Char('|')));
            }
            QVERIFY(!got.isEmpty());
            if (!expected.isEmpty())
                QCOMPARE(got, expected);
            return;
        }
        const StoreResult r = db.exec(statement);
        QVERIFY2(r.ok(), qPrintable(r.message()));
        db.close();
        QCOMPARE(fx.rows(check), expected);
    }

    void insertIntoAnotherFileAppendsThere() {
        StoreFixture fx;
        const QString backup = fx.file(QStringLiteral("backup.mdb"));
        fx.create();
        fx.addReadings({QStringLiteral("2008-04-29 10:00:00|1|20")});
        StoreFixture::createAt(backup);
        StoreFixture::addReadingsAt(backup, {QStringLiteral("2008-05-01 08:00:00|7|30"),
                                             QStringLiteral("2008-05-01 08:00:00|8|31")});
        StoreDb db(backup);
        QVERIFY(db.openFile(StoreDb::Access::ReadWrite).ok());
        const StoreResult r =
            db.exec(QStringLiteral("Insert Into [表1] in ") + JetSql::quoted(fx.dbPath()) +
                    QStringLiteral(" select * from [表1]"));
        QVERIFY2(r.ok(), qPrintable(r.message()));
        db.close();
        QCOMPARE(fx.readingCount(), 3);
        QCOMPARE(StoreFixture::rowsAt(backup, QStringLiteral("select count(*) from [表1]")),
                 QStringList{QStringLiteral("2")});
    }

    void insertIntoAMissingFileMakesNoFile() {
        StoreFixture fx;
        fx.create();
        const QString missing = fx.file(QStringLiteral("missing.mdb"));
        StoreDb db(fx.dbPath());
        QVERIFY(db.openDatabase().ok());
        const StoreResult r =
            db.exec(QStringLiteral("Insert Into [表1] in ") + JetSql::quoted(missing) +
                    QStringLiteral(" select * from [表1]"));
        QVERIFY(!r.ok());
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_GUILESS_MAIN(TestJetSql)
#include "test_jet_sql.moc"
