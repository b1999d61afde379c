#include "curves/MyFunctions.h"
#include "curves/PrintLayout.h"
#include "tests/store/StationRecordRows.h"
#include "tests/store/StoreFixture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <array>
#include <cmath>

namespace {

// Geometry spelled out as the chart defines it, so a change to it shows here.
constexpr int OriginX = 4000;
constexpr int ZeroLine = 5050;
constexpr int TopLine = 1000;
constexpr int TwipsPerPixel = 15; // the test images are made at 96 dots per inch
const QColor Red(255, 0, 0);
const QColor Sensor8(0, 0, 128);

QImage blankImage(int widthTwips) {
    QImage image(widthTwips / TwipsPerPixel, 6200 / TwipsPerPixel, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

// The pixel a twips position falls in.
int px(int twips) {
    return twips / TwipsPerPixel;
}

QColor pixel(const QImage& image, int xTwips, int yTwips) {
    return image.pixelColor(px(xTwips), px(yTwips));
}

// The whole degree whose line runs through the pixels of `colour` in the column at x.
// -999 when the column holds none.
int plottedDegree(const QImage& image, int xTwips, const QColor& colour) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(px(xTwips), y) == colour) {
            sum += y + 0.5;
            ++count;
        }
    if (count == 0)
        return -999;
    return static_cast<int>(std::lround((ZeroLine - sum / count * TwipsPerPixel) / 40.0));
}

// Red pixels in the columns around x between 90 °C and 10 °C.
int redPixelsAt(const QImage& image, int xTwips) {
    int count = 0;
    for (int x = px(xTwips) - 1; x <= px(xTwips) + 1; ++x)
        for (int y = px(ZeroLine - 3600); y <= px(ZeroLine - 400); ++y)
            count += image.pixelColor(x, y) == Red ? 1 : 0;
    return count;
}

} // namespace

class TestChartRendering : public QObject {
    Q_OBJECT

    StoreFixture m_store;

    struct Drawn {
        QImage image;
        QString status;
        qint16 days = 2;
    };

    Drawn draw(MyFunctions& chart, qint16 station, const QDate& end, qint16 days = 2,
               int widthTwips = 13800) {
        Drawn d;
        d.image = blankImage(widthTwips);
        d.days = days;
        QPainter painter(&d.image);
        chart.DrawStationChart(station, 20, 0, end, d.days, painter, true, d.status);
        return d;
    }

    // A chart of station 7 with the given rows (all on 2008-04-29/30) and nothing else.
    Drawn drawStation7(const QStringList& rows, MyFunctions& chart) {
        QFile::remove(m_store.dbPath());
        m_store.create();
        QStringList stamped;
        for (const QString& row : rows)
            stamped << row.section(QLatin1Char('|'), 0, 0) + QStringLiteral("|0007|") +
                           row.section(QLatin1Char('|'), 1);
        AddStationRows(m_store.dbPath(), stamped);
        return draw(chart, 7, QDate(2008, 4, 30));
    }

private slots:
    void newestDataLineMarksTheNewestRecordsSlot() {
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7({"2008-04-29 08:00:00|" + Everywhere("20"),
                                      "2008-04-30 06:00:00|" + Everywhere("20"),
                                      "2008-04-30 12:00:00|" + Everywhere("20")},
                                     chart);
        QCOMPARE(d.status, MyFunctions::HasDataText);
        // Noon of the second day is slot 48 + 24.
        QCOMPARE(chart.LastDataX, OriginX + 100 * 72);
        QCOMPARE(chart.ChartRightX, OriginX + 2 * 48 * 100);
        QVERIFY(redPixelsAt(d.image, chart.LastDataX) > 100);
        // The curves stop there.
        QCOMPARE(plottedDegree(d.image, chart.LastDataX - 50, Sensor8), 20);
        QCOMPARE(plottedDegree(d.image, chart.LastDataX + 50, Sensor8), -999);
    }

    void noRecordsLeaveTheGridWithoutCurveOrNewestDataLine() {
        MyFunctions chart(m_store.dbPath());
        chart.LastDataX = 12345;
        const Drawn d = drawStation7(
            {"2008-04-29 06:00:00|" + Everywhere("20"), "2008-04-30 06:00:00|" + Everywhere("20")},
            chart);
        const Drawn other = draw(chart, 8, QDate(2008, 4, 30));
        QCOMPARE(other.status, MyFunctions::NoDataText);
        QCOMPARE(chart.LastDataX, OriginX + 100 * 60);
        for (int x = OriginX + 100; x < 13600; x += 5)
            QCOMPARE(redPixelsAt(other.image, x), 0);
        QCOMPARE(pixel(other.image, 8050, TopLine), QColor(Qt::black));
        QCOMPARE(plottedDegree(other.image, 6050, Sensor8), -999);
        QCOMPARE(plottedDegree(d.image, 6050, Sensor8), 20);
    }

    void valuesPlotAtTheirRoundedDegree_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("degree");
        QTest::newRow("23.4") << "23.4" << 23;
        QTest::newRow("25.5 rounds up to even") << "25.5" << 26;
        QTest::newRow("24.5 rounds down to even") << "24.5" << 24;
        QTest::newRow("-19.4") << "-19.4" << -19;
        QTest::newRow("-19.5 rounds to -20, out of range") << "-19.5" << 0;
        QTest::newRow("99.5 rounds up to even") << "99.5" << 100;
        QTest::newRow("129.5 rounds to 130, out of range") << "129.5" << 0;
        QTest::newRow("no reading 255") << "255" << 0;
        QTest::newRow("far out of range") << "1e9" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void valuesPlotAtTheirRoundedDegree() {
        QFETCH(QString, stored);
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7({"2008-04-30 06:00:00|" + Everywhere(stored),
                                      "2008-04-30 06:30:00|" + Everywhere(stored)},
                                     chart);
        // Between the two slots the curve runs flat at the value.
        QTEST(plottedDegree(d.image, OriginX + 100 * 60 + 50, Sensor8), "degree");
    }

    void laterRecordInASlotWinsAndGapsHoldTheLastValue() {
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7({"2008-04-30 06:20:00|" + Everywhere("60"),
                                      "2008-04-30 06:05:00|" + Everywhere("30"),
                                      "2008-04-30 08:00:00|" + Everywhere("60")},
                                     chart);
        // Slot 61 (06:30) holds the 06:20 record; slots 62..63 repeat it up to 08:00.
        QCOMPARE(plottedDegree(d.image, OriginX + 100 * 61 + 50, Sensor8), 60);
        QCOMPARE(plottedDegree(d.image, OriginX + 100 * 63 + 50, Sensor8), 60);
        // Before the first record the curve runs along 0 °C.
        QCOMPARE(plottedDegree(d.image, OriginX + 100 * 30 + 50, Sensor8), 0);
    }

    void recordAt1015IsDrawnAtTheHalfHourEnding1030() {
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7({"2008-04-29 10:15:00|" + Everywhere("50")}, chart);
        QCOMPARE(chart.LastDataX, OriginX + 100 * 21);
        QVERIFY(redPixelsAt(d.image, OriginX + 100 * 21) > 0);
    }

    void recordAtTheStartsMidnightCountsIntoSlotOne() {
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7(
            {"2008-04-29 00:00:00|" + Everywhere("40"), "2008-04-29 01:00:00|" + Everywhere("40")},
            chart);
        QCOMPARE(chart.LastDataX, OriginX + 200);
        // Had it been dropped, slot 1 would hold 0 and the line would rise across.
        QCOMPARE(plottedDegree(d.image, OriginX + 150, Sensor8), 40);
    }

    void legendShowsEachSensorsColour() {
        MyFunctions chart(m_store.dbPath());
        const Drawn d = drawStation7({}, chart);
        const std::array<QColor, 8> expected = {
            QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128), QColor(128, 0, 0),
            QColor(128, 0, 128), QColor(128, 128, 0), QColor(0, 0, 0),     QColor(0, 0, 128)};
        for (int i = 1; i <= 8; ++i) {
            QColor found = Qt::white;
            for (int y = 2450 + 200 * i; y < 2650 + 200 * i && found == Qt::white; y += 5)
                found = pixel(d.image, 1400, y);
            QCOMPARE(found, expected[static_cast<std::size_t>(i - 1)]);
        }
    }

    void unreadableDatabaseIsReportedAndTheGridStays() {
        const QString path = m_store.file(QStringLiteral("broken.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        MyFunctions chart(path);
        const Drawn d = draw(chart, 1, QDate(2008, 4, 30));
        QVERIFY2(d.status.startsWith(QStringLiteral("数据库文件无法打开：")), qPrintable(d.status));
        QCOMPARE(pixel(d.image, 8050, TopLine), QColor(Qt::black));
    }

    void dayCountIsCutTo365AndWrittenBack() {
        MyFunctions chart(m_store.dbPath());
        drawStation7({"2008-04-30 12:00:00|" + Everywhere("20")}, chart);
        const Drawn d = draw(chart, 7, QDate(2008, 4, 30), 400, 3000);
        QCOMPARE(d.days, qint16(365));
        QCOMPARE(chart.ChartRightX, OriginX + 365 * 48 * 100);
        QCOMPARE(chart.LastDataX, OriginX + 100 * (364 * 48 + 24));
    }

    void pageCountsFollowThePaperWidth_data() {
        QTest::addColumn<int>("paperWidth");
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<bool>("halfWidth");
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("pages");
        QTest::newRow("exactly two strips") << 11906 << 15812 << false << 7906 << 2;
        QTest::newRow("one twip more") << 11906 << 15813 << false << 7906 << 3;
        QTest::newRow("half width, one twip more") << 11906 << 19813 << true << 19812 << 2;
        QTest::newRow("paper narrower than the margins") << 3900 << 13800 << false << -100 << 0;
    }
    void pageCountsFollowThePaperWidth() {
        QFETCH(int, paperWidth);
        QFETCH(int, pictureWidth);
        QFETCH(bool, halfWidth);
        const PrintLayout layout(paperWidth, 16838, pictureWidth, 6200, halfWidth);
        QTEST(layout.stripWidth(), "strip");
        QTEST(layout.pageCount(), "pages");
    }
};

QTEST_MAIN(TestChartRendering)
#include "test_chart_rendering.moc"
