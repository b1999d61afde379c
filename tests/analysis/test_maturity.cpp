// Strength by the maturity method on histories worked out by hand. The lab fit's numbers
// were computed apart from the program, from ln(480 d) of the four lab ages.
#include "analysis/Mix.h"
#include "analysis/PourStrength.h"
#include "analysis/SensorMaturity.h"
#include "analysis/Station.h"
#include "tests/analysis/PourBuilder.h"

#include <QtTest>

#include <cmath>

using namespace analysis;

namespace {

// C40, cured at 20 °C: 1 d 10 MPa, 3 d 20 MPa, 7 d 28 MPa, 28 d 40 MPa.
Mix labMix() {
    Mix mix;
    mix.name = QStringLiteral("C40");
    mix.designStrength = 40.0;
    mix.pairs = {{1, 10}, {3, 20}, {7, 28}, {28, 40}};
    return mix;
}

// One station of `sensors`, read every `step` hours up to `hours` at a constant temperature
// each; placed at hour 0.
PourBuilder steadyPour(const QList<int>& sensors, const QStringList& temperatures, double hours,
                       double step = 6) {
    PourBuilder p;
    p.station(QStringLiteral("0001"), sensors);
    p.settings().placedAt = PourBuilder::hour(0);
    for (double h = 0; h <= hours; h += step) {
        QStringList readings;
        for (int k = 0; k < sensors.size(); ++k)
            readings << QStringLiteral("%1=%2").arg(sensors[k]).arg(temperatures[k]);
        p.upload(h, readings);
    }
    return p;
}

PourStrength strengthOf(const AnalysisInputs& in, const Mix& mix,
                        const QVector<double>& targets = PourStrength::defaultTargets()) {
    QVector<Station> stations;
    for (const GroupRow& group : in.groups)
        stations.append(Station::resolve(group, nullptr));
    return PourStrength::compute(*in.readings, stations, in.pour.settings, mix, targets);
}

// "1:10 3:20" as lab pairs of days and MPa.
QVector<CalibrationPair> pairsOf(const QString& text) {
    QVector<CalibrationPair> pairs;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        pairs.append({pair.section(QLatin1Char(':'), 0, 0).toDouble(),
                      pair.section(QLatin1Char(':'), 1, 1).toDouble()});
    return pairs;
}

} // namespace

class TestMaturity : public QObject {
    Q_OBJECT

private slots:
    void steadyTemperatureGivesHandMaturity_data();
    void steadyTemperatureGivesHandMaturity();
    void eachIntervalTakesTheMeanOfItsReadings_data();
    void eachIntervalTakesTheMeanOfItsReadings();
    void missingReadingsAreBridgedAndLongStretchesMarked();
    void labHistoryGivesBackTheLabStrengths();
    void stationIsItsWeakestSensorAndForecastsFromIt();
    void coldSensorNeverReachesTheTarget();
    void badInputGivesAMessageAndNoEstimate_data();
    void badInputGivesAMessageAndNoEstimate();
};

void TestMaturity::steadyTemperatureGivesHandMaturity_data() {
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<double>("datum");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("ageOverTime");
    QTest::newRow("20 °C for 48 h") << "20" << 0.0 << 960.0 << 1.0;
    QTest::newRow("30 °C runs 1.72 times as fast") << "30" << 0.0 << 1440.0 << 1.7184;
    QTest::newRow("datum -10 °C") << "20" << -10.0 << 1440.0 << 1.0;
    QTest::newRow("below the datum adds nothing") << "20" << 25.0 << 0.0 << 1.0;
}

void TestMaturity::steadyTemperatureGivesHandMaturity() {
    QFETCH(QString, temperature);
    QFETCH(double, datum);
    QFETCH(double, factor);
    QFETCH(double, ageOverTime);
    PourBuilder p = steadyPour({1}, {temperature}, 48);
    Mix mix;
    mix.maturity.datum = datum;
    const PourStrength s = strengthOf(p.build(), mix);
    const WeakestPoint& end = s.stations[0].uploads.last();
    QCOMPARE(end.maturity, factor);
    QVERIFY(std::abs(end.equivalentAge / 48.0 - ageOverTime) < 1e-4);
    QVERIFY(!end.estimate.has());
}

void TestMaturity::eachIntervalTakesTheMeanOfItsReadings_data() {
    QTest::addColumn<double>("datum");
    QTest::addColumn<double>("placedHour");
    QTest::addColumn<double>("placingTemperature");
    QTest::addColumn<double>("at6");
    QTest::addColumn<double>("at18");
    // Readings 10 °C at 0 h, 20 °C at 6 h, 40 °C at 18 h: means 15 and 30.
    QTest::newRow("15 x 6, then 30 x 12") << 0.0 << 0.0 << qQNaN() << 90.0 << 450.0;
    QTest::newRow("a mean below the datum adds nothing") << 17.0 << 0.0 << qQNaN() << 0.0 << 156.0;
    QTest::newRow("from placing at 0 °C, 6 h before") << 0.0 << -6.0 << 0.0 << 120.0 << 480.0;
    QTest::newRow("first reading stands in at placing") << 0.0 << -6.0 << qQNaN() << 150.0 << 510.0;
}

void TestMaturity::eachIntervalTakesTheMeanOfItsReadings() {
    QFETCH(double, datum);
    QFETCH(double, placedHour);
    QFETCH(double, placingTemperature);
    QFETCH(double, at6);
    QFETCH(double, at18);
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1});
    p.settings().placedAt = PourBuilder::hour(placedHour);
    if (!qIsNaN(placingTemperature))
        p.settings().placingTemperature = placingTemperature;
    p.upload(0, {"1=10"}).upload(6, {"1=20"}).upload(18, {"1=40"});
    Mix mix;
    mix.maturity.datum = datum;
    const PourStrength s = strengthOf(p.build(), mix);
    QCOMPARE(s.stations[0].uploads[1].maturity, at6);
    QCOMPARE(s.stations[0].uploads[2].maturity, at18);
}

void TestMaturity::missingReadingsAreBridgedAndLongStretchesMarked() {
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1, 2});
    p.settings().placedAt = PourBuilder::hour(0);
    // Sensor 2 reads 50 °C every 6 h to hour 48. Sensor 1 has an "E1" at 6 h (30 by its
    // neighbours), no temperature from 12 h to 42 h, and a 255 at the end.
    const QStringList one{"10", "E1", "50", "E1", "E1", "", "E1", "50", "255"};
    for (int i = 0; i < one.size(); ++i)
        p.upload(i * 6, {"1=" + one[i], "2=50"});
    const AnalysisInputs in = p.build();
    const PourStrength s = strengthOf(in, labMix());
    const SensorMaturity first = s.sensor(*in.readings, 1);
    QCOMPARE(first.factor[1], 20.0 * 6);
    QCOMPARE(first.factor[2], 20.0 * 6 + 40.0 * 6);
    QCOMPARE(first.factor[3], 360.0 + 50.0 * 6);
    QCOMPARE(first.factor[7], 360.0 + 50.0 * 30);
    QVERIFY(qIsNaN(first.factor[8]));
    QVERIFY(!first.summary.marked(2));
    QVERIFY(first.summary.marked(3));
    QCOMPARE(first.summary.longStretches.size(), 1);
    QCOMPARE(first.summary.longStretches[0].hours(), 30.0);
    const QVector<WeakestPoint>& station = s.stations[0].uploads;
    QVERIFY(!station[2].marked);
    QVERIFY(station[3].marked);
    // At 48 h only sensor 2 still reads, and it is not marked.
    QCOMPARE(station[8].sensor, 1);
    QVERIFY(!station[8].marked);
    const QString notices = s.notices.join(QLatin1Char('\n'));
    QVERIFY2(notices.contains(QStringLiteral("站点0001有1处长时间没有读数")), qPrintable(notices));
    QVERIFY2(notices.contains(QStringLiteral("传感器0001在2008-05-03 02:00:00之后没有读数")),
             qPrintable(notices));
}

void TestMaturity::labHistoryGivesBackTheLabStrengths() {
    const Calibration c = Calibration::of(labMix());
    QVERIFY(c.usable());
    QCOMPARE(c.maturities(), (std::vector<double>{480, 1440, 3360, 13440}));
    QVERIFY(std::abs(c.fit().a() - -45.58607) < 1e-4);
    QVERIFY(std::abs(c.fit().b() - 9.022446) < 1e-5);
    QVERIFY(c.fit().rSquared() > 0.95);
    QVERIFY(std::abs(c.fit().rSquared() - 0.999681) < 1e-5);

    // A sensor at the lab's 20 °C for 30 days gives the lab's strengths within the fit's
    // largest residual, 0.33 MPa at 7 days, and marks what lies beyond 28 days.
    PourBuilder p = steadyPour({1}, {"20"}, 30 * 24);
    const PourStrength s = strengthOf(p.build(), labMix());
    const QVector<WeakestPoint>& u = s.stations[0].uploads;
    const QList<QPair<int, double>> lab{{1, 10}, {3, 20}, {7, 28}, {28, 40}};
    for (const auto& [days, strength] : lab) {
        const StrengthEstimate& e = u[days * 4].estimate;
        QVERIFY2(std::abs(e.strength - strength) < 0.33, qPrintable(e.text()));
        QCOMPARE(e.share, e.strength / 40.0);
        QVERIFY(!e.extrapolated);
    }
    QVERIFY(u[2].estimate.extrapolated);
    QVERIFY(u[29 * 4].estimate.extrapolated);
    QCOMPARE(u[29 * 4].estimate.text(),
             QStringLiteral("%1（外推）").arg(u[29 * 4].estimate.strength, 0, 'f', 2));
}

void TestMaturity::stationIsItsWeakestSensorAndForecastsFromIt() {
    // Three days at 30 and 20 °C: 2160 and 1440 °C·h. 1440 gives 20.03 MPa, past half of
    // C40. 30 MPa needs 4348.4 °C·h: 145.4 h more at 20 °C, 72.9 h at 30 °C. 44 MPa lies
    // beyond the 40.18 MPa the lab range reaches.
    PourBuilder p = steadyPour({1, 2}, {"30", "20"}, 72);
    p.station(QStringLiteral("0002"), {7});
    const PourStrength s = strengthOf(p.build(), labMix(), {0.5, 0.75, 1.1});
    // A station whose sensor never reads has no figure and no forecast.
    QCOMPARE(s.stations[1].latest(), -1);
    QCOMPARE(s.stations[1].forecasts[0].status, StrengthForecast::Status::None);
    const StationStrength& station = s.stations[0];
    const WeakestPoint& end = station.uploads.last();
    QCOMPARE(station.sensors[static_cast<std::size_t>(end.sensor)].sensor, 2);
    QCOMPARE(end.maturity, 1440.0);
    QVERIFY(std::abs(end.estimate.strength - 20.0288) < 1e-4);
    QCOMPARE(station.forecasts[0].text(), QStringLiteral("已达到"));
    QCOMPARE(station.forecasts[1].status, StrengthForecast::Status::At);
    const qint64 expected = std::llround((72 + 145.419) * 3600);
    QVERIFY(std::abs(PourBuilder::hour(0).secsTo(station.forecasts[1].at) - expected) < 60);
    QCOMPARE(station.forecasts[2].status, StrengthForecast::Status::Beyond);
    QVERIFY(station.forecasts[2].text().isEmpty());
}

void TestMaturity::coldSensorNeverReachesTheTarget() {
    PourBuilder p = steadyPour({1, 2}, {"20", "20"}, 24);
    p.upload(30, {"1=20", "2=-1"});
    const PourStrength s = strengthOf(p.build(), labMix(), {0.75});
    QCOMPARE(s.stations[0].forecasts[0].text(), QStringLiteral("按当前温度不增长"));
}

void TestMaturity::badInputGivesAMessageAndNoEstimate_data() {
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<double>("curing");
    QTest::addColumn<double>("design");
    QTest::addColumn<double>("placedHour");
    QTest::addColumn<QString>("message");
    const QString lab = QStringLiteral("1:10 3:20 7:28 28:40");
    QTest::newRow("two pairs") << "1:10 3:20" << 20.0 << 40.0 << 0.0 << "至少需要3组，现有2组";
    QTest::newRow("age zero") << "0:10 3:20 7:28" << 20.0 << 40.0 << 0.0 << "第1组";
    QTest::newRow("negative strength") << "1:10 3:-20 7:28" << 20.0 << 40.0 << 0.0 << "第2组";
    QTest::newRow("curing at the datum") << lab << 0.0 << 40.0 << 0.0 << "必须高于基准温度";
    QTest::newRow("falling strengths")
        << "1:40 3:28 7:20" << 20.0 << 40.0 << 0.0 << "不随成熟度增长";
    QTest::newRow("one age") << "3:10 3:20 3:30" << 20.0 << 40.0 << 0.0 << "两个不同的值";
    QTest::newRow("no design strength") << lab << 20.0 << 0.0 << 0.0 << "设计强度";
    QTest::newRow("placed after the readings") << lab << 20.0 << 40.0 << 25.0 << "晚于最后一次上传";
}

void TestMaturity::badInputGivesAMessageAndNoEstimate() {
    QFETCH(QString, pairs);
    QFETCH(double, curing);
    QFETCH(double, design);
    QFETCH(double, placedHour);
    QFETCH(QString, message);
    PourBuilder p = steadyPour({1}, {"20"}, 24);
    p.settings().placedAt = PourBuilder::hour(placedHour);
    Mix mix = labMix();
    mix.pairs = pairsOf(pairs);
    mix.calibrationTemperature = curing;
    mix.designStrength = design;
    const PourStrength s = strengthOf(p.build(), mix);
    QVERIFY2(s.notices.join(QLatin1Char('\n')).contains(message), qPrintable(s.notices.join('\n')));
    for (const StationStrength& station : s.stations) {
        for (const WeakestPoint& u : station.uploads)
            QVERIFY(!u.estimate.has());
        for (const StrengthForecast& f : station.forecasts)
            QVERIFY(f.text().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestMaturity)
#include "test_maturity.moc"
