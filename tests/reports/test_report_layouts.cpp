#include "reports/PaneSheetLayout.h"
#include "reports/PaneTextLayout.h"
#include "reports/ProgressPacer.h"
#include "reports/StationQuery.h"
#include "reports/TemperatureCode.h"
#include "tests/link/fakes/StepClock.h"

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
        QTest::newRow("200") << "200"
                             << "(\?\?)"
                             << "(\?\?) ";
        QTest::newRow("201 fault") << "201"
                                   << "故障"
                                   << "故障 ";
        QTest::newRow("202") << "202"
                             << " -- "
                             << "---- ";
        QTest::newRow("255 no reading") << "255"
                                        << " -- "
                                        << "---- ";
        QTest::newRow("23.456") << "23.456"
                                << "23.5"
                                << "23.5℃";
        QTest::newRow("5.26") << "5.26"
                              << "05.3"
                              << "05.3℃";
        QTest::newRow("-3.5") << "-3.5"
                              << "-03.5"
                              << "-03.5℃";
        QTest::newRow("104.2") << "104.2"
                               << "104.2"
                               << "104.2℃";
        QTest::newRow("23.45 rounds up") << "23.45"
                                         << "23.5"
                                         << "23.5℃";
        QTest::newRow("not a number") << "abc"
                                      << "00.0"
                                      << "00.0℃";
        QTest::newRow("255.0 is the marker") << "255.0"
                                             << " -- "
                                             << "---- ";
    }
    void temperatureCodes() {
        QFETCH(QString, field);
        QFETCH(QString, list);
        QFETCH(QString, sheet);
        QCOMPARE(TemperatureCode::listText(field), list);
        QCOMPARE(TemperatureCode::sheetText(field), sheet);
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
                             << QStringLiteral(
                                    "select * from [测量数据] where 接收日期 >= #2008-04-10# "
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

    void paneTextLayouts_data() {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("lines");
        const QString rule = blanks(19) + QString(40, QLatin1Char('-'));
        QTest::newRow("number first: heads")
            << Fill::BySensorThenTime << QStringList()
            << QStringList{blanks(19) + QStringLiteral("编号") + blanks(6) +
                               QStringLiteral("日期和时间") + blanks(10) + QStringLiteral("温度值"),
                           rule};
        QTest::newRow("number first: row")
            << Fill::BySensorThenTime
            << QStringList{QStringLiteral("001"), QStringLiteral("2008-04-30 14:25:03"),
                           QStringLiteral("023")}
            << QStringList{blanks(19) + QStringLiteral("001") + blanks(7) +
                           QStringLiteral("2008-04-30 14:25:03") + blanks(1) +
                           QStringLiteral("023")};
        QTest::newRow("number first: group goes on")
            << Fill::BySensorThenTime
            << QStringList{QString(), QStringLiteral("2008-04-29 10:00:00"), QStringLiteral("021")}
            << QStringList{blanks(29) + QStringLiteral("2008-04-29 10:00:00") + blanks(1) +
                           QStringLiteral("021")};
        QTest::newRow("time first: heads")
            << Fill::ByTimeThenSensor << QStringList()
            << QStringList{blanks(19) + QStringLiteral("日期和时间") + blanks(15) +
                               QStringLiteral("编号") + blanks(1) + QStringLiteral("温度值"),
                           rule};
        QTest::newRow("time first: row")
            << Fill::QueryByTime
            << QStringList{QStringLiteral("2008-04-30 14:25:03"), QStringLiteral("001"),
                           QStringLiteral("023.40")}
            << QStringList{blanks(19) + QStringLiteral("2008-04-30 14:25:03") + blanks(6) +
                           QStringLiteral("001") + blanks(2) + QStringLiteral("023.40")};
        QTest::newRow("time first: a long first cell wraps")
            << Fill::QueryByTime
            << QStringList{QStringLiteral("2008-04-30 14:25:03 and more text"),
                           QStringLiteral("001"), QStringLiteral("023.40")}
            << QStringList{blanks(19) + QStringLiteral("2008-04-30 14:25:03 and more text"),
                           blanks(44) + QStringLiteral("001") + blanks(2) +
                               QStringLiteral("023.40")};
        // 13 Chinese characters fill 26 columns and reach the next stop.
        QTest::newRow("time first: a wide first cell wraps")
            << Fill::QueryByTime
            << QStringList{QString(13, QChar(0x6E29)), QStringLiteral("001"),
                           QStringLiteral("023.40")}
            << QStringList{blanks(19) + QString(13, QChar(0x6E29)),
                           blanks(44) + QStringLiteral("001") + blanks(2) +
                               QStringLiteral("023.40")};
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

    void sensorNumbersAreNotMarkedAsTimes() {
        const PaneSheetLayout numbers(ReadingsLayout::of(Fill::SensorNumbers));
        QCOMPARE(numbers.cellText(0, QStringLiteral("12")), QStringLiteral("12"));
        const PaneSheetLayout times(ReadingsLayout::of(Fill::UploadTimes));
        QCOMPARE(times.cellText(0, QStringLiteral("2008-04-30 14:25:03")),
                 QStringLiteral("时间:2008-04-30 14:25:03"));
    }

    void progressShowsChangedFiguresAtAPaceAndAlwaysTheLast() {
        StepClock clock;
        ProgressPacer pacer(clock, 100);
        QCOMPARE(pacer.figure(0, 250), 0);
        QCOMPARE(pacer.figure(1, 250), -1); // still 0 %
        QCOMPARE(pacer.figure(5, 250), -1); // 2 %, but no time has passed
        clock.advance(100);
        QCOMPARE(pacer.figure(6, 250), -1); // held back figures wait for the next change
        QCOMPARE(pacer.figure(8, 250), 3);
        QCOMPARE(pacer.figure(250, 250), 100);
        QCOMPARE(pacer.figure(250, 250), -1);
        ProgressPacer empty(clock, 1000);
        QCOMPARE(empty.figure(0, 0), 1000);
    }
};

QTEST_GUILESS_MAIN(TestReportLayouts)
#include "test_report_layouts.moc"
