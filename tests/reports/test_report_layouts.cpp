#include "PaneSheetLayout.h"
#include "PaneTextLayout.h"
#include "ProgressPacer.h"
#include "ReportFolder.h"
#include "StationQuery.h"
#include "StationRecord.h"
#include "StationReport.h"
#include "TabStops.h"
#include "TemperatureCode.h"
#include "fakes/StepClock.h"

#include <QTemporaryDir>
#include <QFile>
#include <QTest>

using Fill = ReadingsLayout::Fill;
Q_DECLARE_METATYPE(Fill)

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestReportLayouts : public QObject {
    Q_OBJECT

private slots:
    void temperatureCodes_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("200") << "200" << "(\?\?)" << "(\?\?) ";
        QTest::newRow("201 fault") << "201" << "故障" << "故障 ";
        QTest::newRow("202") << "202" << " -- " << "---- ";
        QTest::newRow("255 no reading") << "255" << " -- " << "---- ";
        QTest::newRow("23.456") << "23.456" << "23.5" << "23.5℃";
        QTest::newRow("5.26") << "5.26" << "05.3" << "05.3℃";
        QTest::newRow("-3.5") << "-3.5" << "-03.5" << "-03.5℃";
        QTest::newRow("104.2") << "104.2" << "104.2" << "104.2℃";
        QTest::newRow("23.45 rounds up") << "23.45" << "23.5" << "23.5℃";
        QTest::newRow("not a number") << "abc" << "00.0" << "00.0℃";
        QTest::newRow("255.0 is the marker") << "255.0" << " -- " << "---- ";
    }
    void temperatureCodes() {
        QFETCH(QString, field);
        QFETCH(QString, list);
        QFETCH(QString, sheet);
        QCOMPARE(TemperatureCode::listText(field), list);
        QCOMPARE(TemperatureCode::sheetText(field), sheet);
    }

    void listLinesLineUpUnderTheHeader() {
        const QString& header = StationReport::ListHeader;
        QCOMPARE(header.size(), 66);
        QVERIFY(header.startsWith(QStringLiteral("\u2014\u2014测量日期和时间\u2014\u2014   站点编号")));
        QVERIFY(header.endsWith(QStringLiteral("--传感器8-")));

        StationRecord record{QStringLiteral("20080430120000"), QStringLiteral("0007"),
                             {QStringLiteral("20.5"), QStringLiteral("21"), QStringLiteral("201"),
                              QStringLiteral("23.456"), QStringLiteral("255"), QStringLiteral("200"),
                              QStringLiteral("-1.5"), QStringLiteral("202")}};
        QCOMPARE(record.timeText(), QStringLiteral("2008-04-30 12:00:00"));
        QCOMPARE(StationReport::listLine(record),
                 QStringLiteral("2008-04-30 12:00:00") + blanks(9) + QStringLiteral("07") + blanks(5) +
                     QStringLiteral("20.5     21.0     故障     23.5      --      (\?\?)     -01.5      -- "));
    }

    void textTitleIsCentred_data() {
        QTest::addColumn<int>("station");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("7") << 7 << blanks(25) + QStringLiteral("07#站点 大体积砼电脑测温数据");
        QTest::newRow("12") << 12 << blanks(25) + QStringLiteral("12#站点 大体积砼电脑测温数据");
        QTest::newRow("123") << 123 << blanks(24) + QStringLiteral("123#站点 大体积砼电脑测温数据");
        QTest::newRow("all") << 2000 << blanks(24) + QStringLiteral("2000#站点 大体积砼电脑测温数据");
    }
    void textTitleIsCentred() {
        QFETCH(int, station);
        QFETCH(QString, firstLine);
        const QStringList list{StationReport::ListHeader, QStringLiteral("a line")};
        QCOMPARE(StationReport::textFileLines(station, list),
                 (QStringList{firstLine, QString()} + list));
    }

    void stationQueries_data() {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<int>("station");
        QTest::addColumn<QString>("sql");
        const QString one = QStringLiteral(
            "select * from [测量数据] where val(站点编号) = %1 AND 接收日期 >= #2008-04-10# and "
            "接收日期 <= #2008-04-30# order by val(MyId)");
        QTest::newRow("group name") << "0007" << 7 << one.arg(7);
        QTest::newRow("half to even") << "2.5" << 2 << one.arg(2);
        QTest::newRow("beyond 16 bits") << "99999" << 32767 << one.arg(32767);
        QTest::newRow("no number") << "abc" << 0 << one.arg(0);
        QTest::newRow("all") << "2000-所有" << 2000
                             << QStringLiteral("select * from [测量数据] where 接收日期 >= #2008-04-10# "
                                               "and 接收日期 <= #2008-04-30# order by val(站点编号), "
                                               "val(MyId)");
    }
    void stationQueries() {
        QFETCH(QString, chooser);
        QFETCH(int, station);
        QFETCH(QString, sql);
        const StationQuery query{StationQuery::stationOf(chooser), QDate(2008, 4, 10),
                                 QDate(2008, 4, 30)};
        QCOMPARE(query.station, station);
        QCOMPARE(query.sql(), sql);
    }

    void fieldsWrapWhenTheirStopIsTaken() {
        QCOMPARE(PlaceAtStops({{3, QStringLiteral("ab")}, {6, QStringLiteral("c")}}),
                 QStringList{QStringLiteral("  ab c")});
        // "ab" ends on column 4, so column 5 is still free.
        QCOMPARE(PlaceAtStops({{3, QStringLiteral("ab")}, {5, QStringLiteral("c")}}),
                 QStringList{QStringLiteral("  abc")});
        // "abc" ends on column 5: the next field cannot start there.
        QCOMPARE(PlaceAtStops({{3, QStringLiteral("abc")}, {5, QStringLiteral("d")}}),
                 (QStringList{QStringLiteral("  abc"), QStringLiteral("    d")}));
        QCOMPARE(PlaceAtStops({{3, QStringLiteral("ab")}, {5, QString()}}),
                 QStringList{QStringLiteral("  ab")});
    }

    void paneTextLayouts_data() {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("lines");
        const QString rule = blanks(19) + QString(40, QLatin1Char('-'));
        QTest::newRow("number first: heads")
            << Fill::BySensorThenTime << QStringList()
            << QStringList{blanks(19) + QStringLiteral("编号") + blanks(8) + QStringLiteral("日期和时间") +
                               blanks(15) + QStringLiteral("温度值"),
                           rule};
        QTest::newRow("number first: row")
            << Fill::BySensorThenTime
            << QStringList{QStringLiteral("001"), QStringLiteral("2008-04-30 14:25:03"), QStringLiteral("023")}
            << QStringList{blanks(19) + QStringLiteral("001") + blanks(7) +
                           QStringLiteral("2008-04-30 14:25:03") + blanks(1) + QStringLiteral("023")};
        QTest::newRow("number first: group goes on")
            << Fill::BySensorThenTime
            << QStringList{QString(), QStringLiteral("2008-04-29 10:00:00"), QStringLiteral("021")}
            << QStringList{blanks(29) + QStringLiteral("2008-04-29 10:00:00") + blanks(1) +
                           QStringLiteral("021")};
        QTest::newRow("time first: heads")
            << Fill::ByTimeThenSensor << QStringList()
            << QStringList{blanks(19) + QStringLiteral("日期和时间") + blanks(20) + QStringLiteral("编号") +
                               blanks(3) + QStringLiteral("温度值"),
                           rule};
        QTest::newRow("time first: row")
            << Fill::QueryByTime
            << QStringList{QStringLiteral("2008-04-30 14:25:03"), QStringLiteral("001"), QStringLiteral("023.40")}
            << QStringList{blanks(19) + QStringLiteral("2008-04-30 14:25:03") + blanks(6) +
                           QStringLiteral("001") + blanks(2) + QStringLiteral("023.40")};
        QTest::newRow("time first: a long first cell wraps")
            << Fill::QueryByTime
            << QStringList{QStringLiteral("2008-04-30 14:25:03 and more text"), QStringLiteral("001"),
                           QStringLiteral("023.40")}
            << QStringList{blanks(19) + QStringLiteral("2008-04-30 14:25:03 and more text"),
                           blanks(44) + QStringLiteral("001") + blanks(2) + QStringLiteral("023.40")};
        QTest::newRow("upload times: one column")
            << Fill::UploadTimes << QStringList{QStringLiteral("2008-04-30 14:25:03")}
            << QStringList{blanks(19) + QStringLiteral("2008-04-30 14:25:03")};
    }
    void paneTextLayouts() {
        QFETCH(Fill, fill);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, lines);
        const PaneTextLayout layout(ReadingsLayout::of(fill));
        QCOMPARE(cells.isEmpty() ? layout.headLines() : layout.rowLines(cells), lines);
    }

    void paneSheetLayouts_data() {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<QVector<double>>("widths");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("sheetCells");
        const QString t = QStringLiteral("2008-04-30 14:25:03");
        QTest::newRow("number first")
            << Fill::QueryBySensor << QVector<double>{5, 20, 7}
            << QStringList{QStringLiteral("001"), t, QStringLiteral("023.40")}
            << QStringList{QStringLiteral("001"), QStringLiteral("时间:") + t, QStringLiteral("023.40")};
        QTest::newRow("time first")
            << Fill::ByTimeThenSensor << QVector<double>{20, 5, 7}
            << QStringList{t, QStringLiteral("001"), QStringLiteral("023")}
            << QStringList{QStringLiteral("时间:") + t, QStringLiteral("001"), QStringLiteral("023")};
        QTest::newRow("time first, group goes on")
            << Fill::ByTimeThenSensor << QVector<double>{20, 5, 7}
            << QStringList{QString(), QStringLiteral("002"), QStringLiteral("023")}
            << QStringList{QString(), QStringLiteral("002"), QStringLiteral("023")};
        QTest::newRow("sensor numbers are no times")
            << Fill::SensorNumbers << QVector<double>{20, 5, 7} << QStringList{QStringLiteral("12")}
            << QStringList{QStringLiteral("12")};
    }
    void paneSheetLayouts() {
        QFETCH(Fill, fill);
        QFETCH(QVector<double>, widths);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, sheetCells);
        const PaneSheetLayout layout(ReadingsLayout::of(fill));
        QCOMPARE(layout.columnWidths(), widths);
        QStringList out;
        for (int c = 0; c < cells.size(); ++c)
            out.append(layout.cellText(c, cells[c]));
        QCOMPARE(out, sheetCells);
    }

    void progressShowsChangedFiguresAtAPaceAndAlwaysTheLast() {
        StepClock clock;
        ProgressPacer pacer(clock, 100);
        QCOMPARE(pacer.figure(0, 250), 0);
        QCOMPARE(pacer.figure(1, 250), -1); // still 0 %
        QCOMPARE(pacer.figure(5, 250), -1); // 2 %, but no time has passed
        clock.sleep(100);
        QCOMPARE(pacer.figure(6, 250), -1); // held back figures wait for the next change
        QCOMPARE(pacer.figure(8, 250), 3);
        QCOMPARE(pacer.figure(250, 250), 100);
        QCOMPARE(pacer.figure(250, 250), -1);
        ProgressPacer empty(clock, 1000);
        QCOMPARE(empty.figure(0, 0), 1000);
    }

    void everyNewWorkbookGetsANameOfItsOwn() {
        QTemporaryDir dir;
        const QString folder = ReportFolder::make(dir.path());
        QVERIFY(folder.endsWith(QStringLiteral("/报表")));
        const QDateTime moment(QDate(2008, 4, 30), QTime(14, 25, 3));
        const QString first = ReportFolder::newWorkbookPath(folder, moment);
        QCOMPARE(first, folder + QStringLiteral("/数据输出_20080430_142503.xlsx"));
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(ReportFolder::newWorkbookPath(folder, moment),
                 folder + QStringLiteral("/数据输出_20080430_142503_2.xlsx"));
    }
};

QTEST_GUILESS_MAIN(TestReportLayouts)
#include "test_report_layouts.moc"
