// The figures of the field's rules on worked examples computed by hand. Limits and
// expected values are spelled out here rather than taken from the program.
#include "analysis/PourAnalysis.h"
#include "analysis/PourWatch.h"
#include "analysis/ReadingTime.h"
#include "analysis/ScheduleWatch.h"
#include "analysis/StationSummary.h"
#include "analysis/TemperatureText.h"
#include "analysis/ValueScale.h"
#include "tests/analysis/PourBuilder.h"

#include <QtTest>

using namespace analysis;

namespace {

// Sensors 1 (surface), 2 (core), 3 (bottom) and the air sensor 9.
PourBuilder threeSlotStation() {
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1, 2, 3});
    p.settings().placingTemperature = 20.0;
    p.settings().airSensor = 9;
    return p;
}

const Figure& figure(const AnalysisResult& r, int upload, FigureKind kind, int station = 0) {
    return r.series[station].uploads[upload][kind];
}

AnalysisResult analyse(PourBuilder& p) {
    return PourAnalysis::compute(p.build(), PourBuilder::hour(1000));
}

// A figure at every upload, "-" where it is empty, with "!" where it is judged to be over its
// limit and "?" where it is not judged at all though it has a limit.
QString series(const AnalysisResult& r, FigureKind kind) {
    QStringList out;
    for (const UploadFigures& u : r.series[0].uploads) {
        const Figure& f = u[kind];
        out << (f.has() ? QString::number(f.value) : QStringLiteral("-")) +
                   (f.state == FigureState::Over ? QStringLiteral("!") : QString()) +
                   (f.has() && f.state == FigureState::None ? QStringLiteral("?") : QString());
    }
    return out.join(' ');
}

} // namespace

class TestThermalFigures : public QObject {
    Q_OBJECT

private slots:
    void coolingOverADayIsJudgedPerDay_data();
    void coolingOverADayIsJudgedPerDay();
    void dayBackIsInterpolatedBetweenTheUploadsAroundIt();
    void coolingNeedsADayOfData();
    void coreDifferenceStates_data();
    void coreDifferenceStates();
    void faultyReadingsGiveNoFigure();
    void surfaceAboveAirIsJudgedOnlyAfterInsulationRemoval();
    void twoSlotStationHasAMaximumButNoCore();
    void americanSetFlagsTheMaximum();
    void riseIsAssumedFromTheFirstCoreReading();
    void gapsLongerThanTheIntervalAreListed();
    void suspectSensorsAreListed();
    void watchTellsWhenTheNextRoundIsDue();
    void twoPoursShareTheRecorderButNotTheirReadings();
    void uploadTimesAreReadInTheirTypedForms_data();
    void uploadTimesAreReadInTheirTypedForms();
    void onlyPlainNumbersInRangeAreTemperatures_data();
    void onlyPlainNumbersInRangeAreTemperatures();
    void chartScalesTakeRoundSteps_data();
    void chartScalesTakeRoundSteps();
};

void TestThermalFigures::coolingOverADayIsJudgedPerDay_data() {
    QTest::addColumn<QString>("after");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("state");
    QTest::addColumn<double>("largest");
    QTest::newRow("60.0 to 57.0: 3.0/d over 2.0") << "57.0" << 3.0 << int(FigureState::Over) << 3.0;
    QTest::newRow("60.0 to 58.3: 1.7/d above 1.6")
        << "58.3" << 1.7 << int(FigureState::Warning) << 1.7;
    QTest::newRow("60.0 to 58.5: 1.5/d") << "58.5" << 1.5 << int(FigureState::Within) << 1.5;
    QTest::newRow("warming is no cooling") << "61" << -1.0 << int(FigureState::Within) << 0.0;
}

void TestThermalFigures::coolingOverADayIsJudgedPerDay() {
    QFETCH(QString, after);
    QFETCH(double, rate);
    QFETCH(int, state);
    PourBuilder p = threeSlotStation();
    p.upload(0, {"1=40", "2=60", "3=45"}).upload(24, {"1=40", "2=" + after, "3=45"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(figure(r, 1, FigureKind::CoolingRate).value, rate);
    QCOMPARE(int(figure(r, 1, FigureKind::CoolingRate).state), state);
    QTEST(StationSummary::of(r.series[0]).maxCoolingRate, "largest");
}

void TestThermalFigures::dayBackIsInterpolatedBetweenTheUploadsAroundIt() {
    PourBuilder p = threeSlotStation();
    // 24 hours before hour 30 is hour 6: 60 + (55 - 60) x 6/10 = 57, so 57 - 50 = 7/d.
    p.upload(0, {"2=60"}).upload(10, {"2=55"}).upload(30, {"2=50"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(figure(r, 2, FigureKind::CoolingRate).value, 7.0);
    QCOMPARE(figure(r, 2, FigureKind::CoolingRate).state, FigureState::Over);
}

void TestThermalFigures::coolingNeedsADayOfData() {
    PourBuilder p = threeSlotStation();
    // The middle reading is faulty, so hour 30 reaches back to hours 0 and 26.
    p.upload(0, {"2=60"}).upload(10, {"2=E1"}).upload(23, {"2=59"}).upload(26, {"2=56"});
    p.upload(30, {"2=54"});
    const AnalysisResult r = analyse(p);
    for (int upload : {0, 1, 2})
        QVERIFY(!figure(r, upload, FigureKind::CoolingRate).has());
    // back at hour 2 and hour 6: 60 + (59 - 60) x 2/23 and 60 + (59 - 60) x 6/23
    QCOMPARE(figure(r, 3, FigureKind::CoolingRate).value, 60.0 - 2.0 / 23.0 - 56.0);
    QCOMPARE(figure(r, 4, FigureKind::CoolingRate).value, 60.0 - 6.0 / 23.0 - 54.0);
}

void TestThermalFigures::coreDifferenceStates_data() {
    QTest::addColumn<QString>("surface");
    QTest::addColumn<int>("state");
    QTest::newRow("26 over 25") << "34" << int(FigureState::Over);
    QTest::newRow("25 at the limit") << "35" << int(FigureState::Warning);
    QTest::newRow("21 above 80 %") << "39" << int(FigureState::Warning);
    QTest::newRow("20 at 80 %") << "40" << int(FigureState::Within);
    QTest::newRow("19 within") << "41" << int(FigureState::Within);
    QTest::newRow("surface warmer than the core") << "62" << int(FigureState::Within);
}

void TestThermalFigures::coreDifferenceStates() {
    QFETCH(QString, surface);
    QFETCH(int, state);
    PourBuilder p = threeSlotStation();
    p.upload(0, {"1=" + surface, "2=60", "3=50"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(int(figure(r, 0, FigureKind::CoreSurface).state), state);
    QCOMPARE(figure(r, 0, FigureKind::CoreBottom).value, 10.0);
}

void TestThermalFigures::faultyReadingsGiveNoFigure() {
    PourBuilder p = threeSlotStation();
    p.upload(0, {"1=E1", "2=60", "3=255"}).upload(6, {"1=", "2=61", "3=50"});
    const AnalysisResult r = analyse(p);
    for (int upload : {0, 1}) {
        QVERIFY(!figure(r, upload, FigureKind::Surface).has());
        QVERIFY(!figure(r, upload, FigureKind::CoreSurface).has());
        QCOMPARE(figure(r, upload, FigureKind::CoreSurface).state, FigureState::None);
    }
    QVERIFY(!figure(r, 0, FigureKind::CoreBottom).has());
    QCOMPARE(figure(r, 1, FigureKind::CoreBottom).value, 11.0);
    QCOMPARE(figure(r, 0, FigureKind::MaxTemperature).value, 60.0);
}

void TestThermalFigures::surfaceAboveAirIsJudgedOnlyAfterInsulationRemoval() {
    PourBuilder p = threeSlotStation();
    p.settings().insulationRemovedAt = PourBuilder::hour(12);
    p.upload(6, {"1=40", "2=50", "3=42", "9=18"});
    p.upload(12, {"1=40", "2=50", "3=42", "9=18"});
    p.upload(18, {"1=20", "2=40", "3=30", "9=42"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(figure(r, 0, FigureKind::SurfaceAir).value, 22.0);
    QCOMPARE(figure(r, 0, FigureKind::SurfaceAir).state, FigureState::None);
    QCOMPARE(figure(r, 1, FigureKind::SurfaceAir).state, FigureState::Over);
    QCOMPARE(figure(r, 2, FigureKind::SurfaceAir).value, -22.0);
    QCOMPARE(figure(r, 2, FigureKind::SurfaceAir).state, FigureState::Within);
    QCOMPARE(r.breaches.size(), 1);
    QCOMPARE(r.breaches[0].upload, 1);
    QCOMPARE(r.breaches[0].limit, 20.0);
}

void TestThermalFigures::twoSlotStationHasAMaximumButNoCore() {
    PourBuilder p;
    p.station(QStringLiteral("0002"), {4, 0, 0, 5});
    p.upload(0, {"4=30", "5=45"}).upload(24, {"4=20", "5=40"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(figure(r, 1, FigureKind::MaxTemperature).value, 40.0);
    QCOMPARE(figure(r, 1, FigureKind::Surface).value, 20.0);
    QCOMPARE(figure(r, 1, FigureKind::Bottom).value, 40.0);
    for (FigureKind kind : {FigureKind::Core, FigureKind::CoreSurface, FigureKind::CoreBottom,
                            FigureKind::Rise, FigureKind::CoolingRate})
        QVERIFY(!figure(r, 1, kind).has());
    QVERIFY(r.breaches.isEmpty());
    QVERIFY(r.notices.join('\n').contains(QStringLiteral("站点0002的表层测点与底层测点之间没有测点")));
}

void TestThermalFigures::americanSetFlagsTheMaximum() {
    PourBuilder p = threeSlotStation();
    p.settings().limitSetName = QStringLiteral("ACI 301");
    p.upload(0, {"1=60", "2=71", "3=65"}).upload(6, {"1=56", "2=70", "3=65"});
    const AnalysisResult r = analyse(p);
    QCOMPARE(figure(r, 0, FigureKind::MaxTemperature).state, FigureState::Over);
    QCOMPARE(figure(r, 1, FigureKind::MaxTemperature).state, FigureState::Warning);
    // 14 is within 19 x 0.8; no rise limit in this set.
    QCOMPARE(figure(r, 1, FigureKind::CoreSurface).state, FigureState::Within);
    QCOMPARE(figure(r, 1, FigureKind::Rise).state, FigureState::None);
}

void TestThermalFigures::riseIsAssumedFromTheFirstCoreReading() {
    PourBuilder p = threeSlotStation();
    p.settings().placingTemperature.reset();
    p.upload(0, {"1=18", "2=E1"}).upload(6, {"2=22"}).upload(30, {"2=75"});
    const AnalysisResult r = analyse(p);
    QVERIFY(r.series[0].placingAssumed);
    QCOMPARE(*r.series[0].placingTemperature, 22.0);
    QVERIFY(!figure(r, 0, FigureKind::Rise).has());
    QCOMPARE(figure(r, 2, FigureKind::Rise).value, 53.0);
    QCOMPARE(figure(r, 2, FigureKind::Rise).state, FigureState::Over);
    QVERIFY(r.notices.join('\n').contains(QStringLiteral("假定")));
}

void TestThermalFigures::gapsLongerThanTheIntervalAreListed() {
    const QVector<QDateTime> uploads = {PourBuilder::hour(1), PourBuilder::hour(7),
                                        PourBuilder::hour(14), PourBuilder::hour(20)};
    const QVector<UploadGap> gaps = UploadGap::find(uploads, PourBuilder::hour(0), PourBuilder::hour(36),
                                                    PourBuilder::hour(50), 6.0);
    QCOMPARE(gaps.size(), 2);
    QCOMPARE(gaps[0].from, PourBuilder::hour(7)); // 7 hours
    QCOMPARE(gaps[0].hours(), 7.0);
    QCOMPARE(gaps[1].to, PourBuilder::hour(36)); // up to the end of monitoring
    QVERIFY(!gaps[1].ongoing);

    const QVector<UploadGap> open =
        UploadGap::find(uploads, {}, {}, PourBuilder::hour(27), 6.0);
    QCOMPARE(open.size(), 2);
    QVERIFY(open[1].ongoing);
    QCOMPARE(open[1].hours(), 7.0);

    // Uploads before a placing time typed too late are outside the watched stretch.
    const QVector<UploadGap> late =
        UploadGap::find(uploads, PourBuilder::hour(8), PourBuilder::hour(20), {}, 6.0);
    QCOMPARE(late.size(), 0);
}

void TestThermalFigures::suspectSensorsAreListed() {
    PourBuilder p = threeSlotStation();
    p.upload(0, {"1=30", "2=40", "3=35", "9=20"});
    p.upload(5, {"1=42", "2=41", "3=35", "9=20"}); // 1: +12 within 5 hours
    p.upload(12, {"1=42", "2=52", "3=35", "9=20"}); // 2: +11, but 7 hours apart
    p.upload(16, {"1=42", "2=52", "3=45", "9=E1"}); // 3: +10, not more; 9: E1 last
    const AnalysisResult r = analyse(p);
    QCOMPARE(r.suspects.size(), 2);
    const SuspectSensor& jump = r.suspects[0];
    QCOMPARE(jump.sensor, 1);
    QCOMPARE(jump.reason, SuspectSensor::Reason::Jump);
    QCOMPARE(jump.change, 12.0);
    QCOMPARE(jump.at, PourBuilder::hour(5));
    QCOMPARE(jump.description(), QStringLiteral("5小时0分内变化12.0℃"));
    QCOMPARE(r.suspects[1].sensor, 9);
    QCOMPARE(r.suspects[1].reason, SuspectSensor::Reason::LatestMissing);

    // Readings one round apart are compared; the round is the pour's interval.
    PourBuilder rounds = threeSlotStation();
    rounds.upload(0, {"1=11.5"}).upload(6, {"1=23.5"}).upload(12, {"1=11.4"});
    const AnalysisResult atRounds = analyse(rounds);
    QStringList jumps;
    for (const SuspectSensor& s : atRounds.suspects)
        jumps << s.description();
    QCOMPARE(jumps, (QStringList{"6小时0分内变化12.0℃", "6小时0分内变化-12.1℃"}));
    PourSettings shorter = atRounds.pour.settings;
    shorter.intervalHours = 5.5;
    QVERIFY(SuspectSensor::find(*atRounds.readings, atRounds.stations, shorter).isEmpty());
    PourSettings longer = r.pour.settings;
    longer.intervalHours = 7;
    QCOMPARE(SuspectSensor::find(*r.readings, r.stations, longer).size(), 3);
}

void TestThermalFigures::watchTellsWhenTheNextRoundIsDue() {
    const QDateTime last = PourBuilder::hour(0);
    QCOMPARE(ScheduleWatch::text(last, 6, PourBuilder::hour(5.2)),
             QStringLiteral("距上次上传：5小时12分　下次测温：05-01 14:00（还有48分）"));
    QCOMPARE(ScheduleWatch::text(last, 6, PourBuilder::hour(7.05)),
             QStringLiteral("距上次上传：7小时3分　下次测温：05-01 14:00（已超时1小时3分）"));
    QCOMPARE(ScheduleWatch::text({}, 6, PourBuilder::hour(1)), QStringLiteral("尚无上传数据"));
}

void TestThermalFigures::twoPoursShareTheRecorderButNotTheirReadings() {
    // One recorder reads both stations at every round. Sensors 4-6 lie in the open until
    // the second pour buries them a week after the first.
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1, 2, 3}).station(QStringLiteral("0002"), {4, 5, 6});
    p.upload(0, {"1=30", "2=40", "3=35", "4=15", "5=15", "6=15"});
    p.upload(24, {"1=31", "2=50", "3=36", "4=15", "5=16", "6=15"});
    p.upload(144, {"1=25", "2=36", "3=30", "4=14", "5=14", "6=14"});
    p.upload(168, {"1=24", "2=34", "3=29", "4=28", "5=30", "6=28"});
    p.upload(192, {"1=23", "2=32", "3=28", "4=30", "5=45", "6=33"});
    AnalysisInputs in = p.build();
    Pour first{1, {}, {"0001"}};
    first.settings.name = QStringLiteral("一期");
    first.settings.placedAt = PourBuilder::hour(0);
    first.settings.monitoringEndsAt = PourBuilder::hour(150);
    Pour second{2, {}, {"0002"}};
    second.settings.name = QStringLiteral("二期");
    second.settings.placedAt = PourBuilder::hour(168);
    in.pours = {first, second};
    in.pour = first;
    const AnalysisResult a = PourAnalysis::compute(in, PourBuilder::hour(200));
    in.pour = second;
    const AnalysisResult b = PourAnalysis::compute(in, PourBuilder::hour(200));

    QCOMPARE(a.stations.size(), 1);
    QCOMPARE(b.stations.size(), 1);
    QCOMPARE(b.stations[0].name, QStringLiteral("0002"));
    // The first pour's rise stands on its first core reading, 40. A day back from hour 144
    // lies between 50 at hour 24 and 36 at hour 144: 38.8, so it cooled 2.8 in that day. Its
    // monitoring ended at hour 150: the last two rounds are shown but not judged.
    QCOMPARE(series(a, FigureKind::Rise), QStringLiteral("0 10 -4 -6? -8?"));
    QCOMPARE(series(a, FigureKind::CoolingRate), QStringLiteral("- -10 2.8! 2? 2?"));
    QCOMPARE(StationSummary::of(a.series[0]).maxCoolingRate, 2.8);
    QCOMPARE(a.series[0].standing(), FigureState::Over);
    // The second pour counts from its own placing: 30 is its first core reading, and no
    // reading of the week before reaches a day back from its first round.
    QCOMPARE(b.readings->uploadCount(), 2);
    QCOMPARE(series(b, FigureKind::Rise), QStringLiteral("0 15"));
    QCOMPARE(series(b, FigureKind::CoolingRate), QStringLiteral("- -15"));
    QVERIFY(b.breaches.isEmpty());

    // The watch names the pour under monitoring whose round is due first.
    second.settings.intervalHours = 4;
    QCOMPARE(PourWatch::text({first, second}, PourBuilder::hour(192), PourBuilder::hour(193)),
             QStringLiteral("浇筑“二期”　距上次上传：1小时0分　下次测温：05-09 12:00（还有3小时0分）"));
    QCOMPARE(PourWatch::text({first}, PourBuilder::hour(192), PourBuilder::hour(193)),
             QStringLiteral("没有监测中的浇筑"));
}

void TestThermalFigures::uploadTimesAreReadInTheirTypedForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("moment"); // empty: not a date-time
    QTest::newRow("stored form") << "2008-04-30 14:25:03" << "2008-04-30 14:25:03";
    QTest::newRow("short fields") << "2008-4-3 9:05" << "2008-04-03 09:05:00";
    QTest::newRow("slashes") << "2008/04/30 14:25" << "2008-04-30 14:25:00";
    QTest::newRow("dots, date alone") << "2008.4.30" << "2008-04-30 00:00:00";
    QTest::newRow("Chinese") << "2008年4月30日 14时25分" << "2008-04-30 14:25:00";
    QTest::newRow("Chinese, no blank") << "2008年4月30日14时25分3秒" << "2008-04-30 14:25:03";
    QTest::newRow("blanks around") << "  2008-04-30 14:25:03 " << "2008-04-30 14:25:03";
    QTest::newRow("no such day") << "2008-02-30 10:00:00" << "";
    QTest::newRow("no such hour") << "2008-04-30 25:00" << "";
    QTest::newRow("not a date") << "yesterday" << "";
}

void TestThermalFigures::uploadTimesAreReadInTheirTypedForms() {
    QFETCH(QString, text);
    QFETCH(QString, moment);
    const QDateTime parsed = ReadingTime::parse(text);
    QCOMPARE(parsed.isValid() ? ReadingTime::text(parsed) : QString(), moment);
}

void TestThermalFigures::onlyPlainNumbersInRangeAreTemperatures_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value"); // empty: no temperature
    QTest::newRow("reading") << "23.45" << "23.45";
    QTest::newRow("two integer digits") << "-05.3" << "-5.3";
    QTest::newRow("blanks") << " 23 " << "23";
    QTest::newRow("E1") << "E1" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no reading mark") << "255" << "";
    QTest::newRow("-20 is E1") << "-20" << "";
    QTest::newRow("130.9") << "130.9" << "130.9";
    QTest::newRow("131") << "131" << "";
    QTest::newRow("exponent") << "1e1" << "";
    QTest::newRow("trailing text") << "23abc" << "";
}

void TestThermalFigures::onlyPlainNumbersInRangeAreTemperatures() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    const QByteArray utf8 = text.toUtf8();
    const auto parsed = TemperatureText::parse(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    QCOMPARE(parsed ? QString::number(*parsed) : QString(), value);
}

void TestThermalFigures::chartScalesTakeRoundSteps_data() {
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("scale"); // low..high step
    QTest::newRow("temperatures") << QVector<double>{34, 60, 49.5} << "30..60 10";
    QTest::newRow("rates around a limit") << QVector<double>{-1.2, 3.0, 2.0, 1.6} << "-2..3 1";
    QTest::newRow("one value") << QVector<double>{25.0} << "24..26 0.5";
    QTest::newRow("nothing to show") << QVector<double>{qQNaN()} << "0..10 2";
}

void TestThermalFigures::chartScalesTakeRoundSteps() {
    QFETCH(QVector<double>, values);
    QFETCH(QString, scale);
    const ValueScale s(values);
    QCOMPARE(QStringLiteral("%1..%2 %3").arg(s.low()).arg(s.high()).arg(s.step()), scale);
    QCOMPARE(s.ticks().first(), s.low());
    QCOMPARE(s.ticks().last(), s.high());
}

QTEST_GUILESS_MAIN(TestThermalFigures)
#include "test_thermal_figures.moc"
