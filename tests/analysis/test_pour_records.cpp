// The analysis against real database files, with their pours and the upgrade of a store of
// the older form, and the record sheet read back by an independent reader.
#include "analysis/AnalysisInputs.h"
#include "analysis/LimitSetStore.h"
#include "analysis/PourAnalysis.h"
#include "analysis/PourStore.h"
#include "analysis/ReadingTime.h"
#include "analysis/RecordSheet.h"
#include "analysis/Station.h"
#include "analysis/StationRoleStore.h"
#include "grouping/GroupDefinitions.h"
#include "tests/analysis/OlderStore.h"
#include "tests/analysis/PourBuilder.h"
#include "tests/analysis/PourDump.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/store/StoreFixture.h"

#include <QtTest>

using namespace analysis;

namespace {

AnalysisResult analyseFile(const QString& dbPath) {
    AnalysisInputs in;
    const StoreResult settings = in.loadSettings(dbPath);
    const StoreResult readings = in.loadReadings(dbPath);
    if (!settings.ok() || !readings.ok())
        qWarning("%s %s", qPrintable(settings.message()), qPrintable(readings.message()));
    return PourAnalysis::compute(in, PourBuilder::hour(100));
}

} // namespace

class TestPourRecords : public QObject {
    Q_OBJECT

private slots:
    void rawReadingsAreReadAsDateTimes();
    void poursRolesAndLimitSetsAreKept();
    void olderStoreOpensAsOnePourWithItsFiguresUnchanged();
    void deletingAPourLeavesReadingsAndStationsAsTheyWere();
    void badInputGetsAClearMessage_data();
    void badInputGetsAClearMessage();
    void rolesThatDoNotFitAreRefused_data();
    void rolesThatDoNotFitAreRefused();
    void recordSheetHoldsTheFiguresCellByCell();
};

void TestPourRecords::rawReadingsAreReadAsDateTimes() {
    StoreFixture db;
    db.create();
    // Stored out of order, in several typed forms; 2008-5-1 9:00 and 2008-05-01 09:00:00
    // are one upload, and the reading stored later wins.
    db.addReadings({"2008-05-02 08:00:00|1|50", "2008-05-02 08:00:00|2|E1",
                    "2008-5-1 9:00|1|60", "2008-05-01 09:00:00|1|61", "2008-05-01 09:00:00|2|255",
                    "2008/05/01 21:30|1|58.5", "2008/05/01 21:30|0002|40", "not a time|1|20",
                    "2008-05-01 21:30:00|2.4|41"});
    QVERIFY(GroupDefinitions::save(db.dbPath(), {GroupRow::of("0001", {"0001", "0002"})}).ok());
    AnalysisInputs in;
    QVERIFY(in.loadSettings(db.dbPath()).ok());
    QVERIFY(in.loadReadings(db.dbPath()).ok());
    const PourReadings& r = *in.readings;
    QCOMPARE(r.uploadCount(), 3);
    QCOMPARE(ReadingTime::text(r.times()[0]), QStringLiteral("2008-05-01 09:00:00"));
    QCOMPARE(ReadingTime::text(r.times()[1]), QStringLiteral("2008-05-01 21:30:00"));
    QCOMPARE(r.at(0, 1), 61.0);
    QVERIFY(qIsNaN(r.at(0, 2)));
    QCOMPARE(r.at(1, 2), 41.0);
    QVERIFY(qIsNaN(r.at(2, 2)));
    QVERIFY(r.everListed(2));
    QVERIFY(!r.everListed(3));
    QCOMPARE(r.unreadableRows, 1);
    QCOMPARE(r.unreadableExample, QStringLiteral("not a time"));
}

void TestPourRecords::poursRolesAndLimitSetsAreKept() {
    StoreFixture db;
    db.create();
    QVector<Pour> pours;
    QVERIFY(PourStore::load(db.dbPath(), pours).ok());
    QVERIFY(pours.isEmpty());
    QVERIFY(db.rows(QStringLiteral("select name from sqlite_master where name like '浇筑%'")).isEmpty());

    Pour pour{0, {}, {"0001", "0002"}};
    PourSettings& p = pour.settings;
    p.name = QStringLiteral("一期底板");
    p.project = QStringLiteral("某大桥承台");
    p.placedAt = PourBuilder::hour(-2);
    p.placingTemperature = 18.5;
    p.airSensor = 50;
    p.limitSetName = QStringLiteral("本工程");
    p.warningShare = 0.9;
    p.intervalHours = 4;
    p.mix.name = QStringLiteral("C40");
    p.mix.designStrength = 40;
    p.mix.maturity.datum = -10;
    p.mix.calibrationTemperature = 18;
    p.mix.pairs = {{1, 10.5}, {3, 20}, {28, 40}};
    p.strengthTarget = 1.0;
    QVERIFY(PourStore::save(db.dbPath(), pour).ok());
    QCOMPARE(pour.id, 1);
    Pour second{0, {}, {"0002"}};
    second.settings.name = QStringLiteral("二期底板");
    QVERIFY(PourStore::save(db.dbPath(), second).ok());
    QCOMPARE(second.id, 2);
    StationRole role;
    role.station = QStringLiteral("0001");
    role.surfaceSlot = 2;
    role.depths[1] = 50.0;
    role.depths[2] = 650.5;
    QVERIFY(StationRoleStore::save(db.dbPath(), {role}).ok());
    LimitSet own;
    own.name = QStringLiteral("本工程");
    own.setLimit(LimitKind::CoreSurface, 20.0);
    QVERIFY(LimitSetStore::save(db.dbPath(), own).ok());
    own.setLimit(LimitKind::CoolingRate, 1.5);
    QVERIFY(LimitSetStore::save(db.dbPath(), own).ok());

    // A station is in one pour: 0002 went to the second.
    QVERIFY(PourStore::load(db.dbPath(), pours).ok());
    QCOMPARE(pours.size(), 2);
    QCOMPARE(pours[0].stations, QStringList{"0001"});
    QCOMPARE(pours[1].stations, QStringList{"0002"});
    const PourSettings& read = pours[0].settings;
    QCOMPARE(read.name, p.name);
    QCOMPARE(read.project, p.project);
    QCOMPARE(read.placedAt, p.placedAt);
    QCOMPARE(*read.placingTemperature, 18.5);
    QCOMPARE(read.airSensor, 50);
    QCOMPARE(read.warningShare, 0.9);
    QCOMPARE(read.intervalHours, 4.0);
    QCOMPARE(read.mix.name, p.mix.name);
    QCOMPARE(read.mix.maturity.datum, -10.0);
    QCOMPARE(read.mix.maturity.activationEnergy, 40000.0);
    QCOMPARE(read.mix.calibrationTemperature, 18.0);
    QCOMPARE(read.mix.pairs.size(), 3);
    QCOMPARE(read.mix.pairs[0].strength, 10.5);
    QCOMPARE(read.strengthTarget, 1.0);
    QVERIFY(pours[1].settings.mix.pairs.isEmpty());
    QVERIFY(!read.monitoringEndsAt.isValid());
    QVector<StationRole> roles;
    QVERIFY(StationRoleStore::load(db.dbPath(), roles).ok());
    QCOMPARE(roles.size(), 1);
    QCOMPARE(roles[0].surfaceSlot, 2);
    QCOMPARE(roles[0].bottomSlot, 0);
    QCOMPARE(*roles[0].depth(2), 650.5);
    QVERIFY(!roles[0].depth(0));
    QVector<LimitSet> sets;
    QVERIFY(LimitSetStore::load(db.dbPath(), sets).ok());
    QCOMPARE(sets.size(), 1);
    QCOMPARE(*sets[0].limit(LimitKind::CoolingRate), 1.5);
    QVERIFY(!sets[0].limit(LimitKind::Rise));
    QVERIFY(LimitSetStore::remove(db.dbPath(), own.name).ok());
    QVERIFY(LimitSetStore::load(db.dbPath(), sets).ok());
    QVERIFY(sets.isEmpty());

    // Two pours of one name, and a pour deleted while another window still shows it.
    second.settings.name = QStringLiteral(" 一期底板 ");
    QCOMPARE(PourStore::save(db.dbPath(), second).message(), QStringLiteral("已有名为“ 一期底板 ”的浇筑，请换一个名称。"));
    QVERIFY(PourStore::remove(db.dbPath(), 2).ok());
    second.settings.name = QStringLiteral("二期");
    QCOMPARE(PourStore::save(db.dbPath(), second).message(),
             QStringLiteral("浇筑“二期”已不存在（可能已在另一台计算机上删除），请重新选择浇筑。"));
    QCOMPARE(PourStore::assign(db.dbPath(), 2, {"0002"}).message(),
             QStringLiteral("所选浇筑已不存在（可能已在另一台计算机上删除），请重新选择浇筑。"));
    QVERIFY(PourStore::load(db.dbPath(), pours).ok());
    QCOMPARE(pours.size(), 1);
}

void TestPourRecords::olderStoreOpensAsOnePourWithItsFiguresUnchanged() {
    QTemporaryDir dir;
    const QString path = OlderStore::copyTo(dir.path());
    QVERIFY(!path.isEmpty());
    const QStringList before = ReadingTables(path);
    // As the older version worked it out, before anything is written...
    QCOMPARE(PourDump(path, 0, OlderStore::now()), OlderStore::figures());
    QVERIFY(StoreFixture::rowsAt(path, QStringLiteral("select name from sqlite_master where name = '浇筑'")).isEmpty());
    // ...and once the first setting saved, the limit set as it was, has stored the pour.
    QVector<LimitSet> sets;
    QVERIFY(LimitSetStore::load(path, sets).ok());
    QVERIFY(LimitSetStore::save(path, sets.value(0)).ok());
    QVector<Pour> pours;
    QVERIFY(PourStore::load(path, pours).ok());
    QCOMPARE(pours.size(), 1);
    QCOMPARE(pours[0].stations, (QStringList{"0001", "0002"}));
    QCOMPARE(pours[0].settings.project, QStringLiteral("某大桥承台"));
    QCOMPARE(PourDump(path, 1, OlderStore::now()), OlderStore::figures());
    QCOMPARE(ReadingTables(path), before);
    QCOMPARE(StoreFixture::rowsAt(path, QStringLiteral("select count(*) from [浇筑信息]")), QStringList{"13"});
}

void TestPourRecords::deletingAPourLeavesReadingsAndStationsAsTheyWere() {
    QTemporaryDir dir;
    const QString path = OlderStore::copyTo(dir.path());
    QVERIFY(AddStationRecord(path));
    const QStringList before = ReadingTables(path);
    QCOMPARE(before.filter(QStringLiteral("测量数据|")).size(), 1);
    QVERIFY(PourStore::assign(path, 1, {"0001"}).ok());
    QVERIFY(PourStore::remove(path, 1).ok());
    QVector<Pour> pours;
    QVERIFY(PourStore::load(path, pours).ok());
    QVERIFY(pours.isEmpty());
    QCOMPARE(ReadingTables(path), before);
    // Stations in no pour are named, and no figure is worked out for them.
    AnalysisInputs in;
    QVERIFY(in.loadSettings(path).ok());
    QCOMPARE(in.unassigned(), (QStringList{"0001", "0002"}));
    const AnalysisResult r = PourAnalysis::compute(in, OlderStore::now());
    QVERIFY(r.stations.isEmpty());
    QVERIFY(r.notices.contains(QStringLiteral("尚未建立浇筑，请点“新建浇筑”，再用“分配站点”把站点分配给它。")));
}

void TestPourRecords::badInputGetsAClearMessage_data() {
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QString>("placedAt");
    QTest::addColumn<int>("airSensor");
    QTest::addColumn<QString>("stations");
    QTest::addColumn<QString>("notice");
    const QStringList day = {"2008-05-01 08:00:00|1|30", "2008-05-01 08:00:00|2|40",
                             "2008-05-02 08:00:00|1|30", "2008-05-02 08:00:00|2|40"};
    const QString one = QStringLiteral("0001");
    QTest::newRow("station without readings")
        << QStringList{"2008-05-01 08:00:00|7|30"} << "" << 0 << one << "站点0001没有任何读数。";
    QTest::newRow("single upload") << day.mid(0, 2) << "" << 0 << one << "上传数据还不满24小时";
    QTest::newRow("air sensor in no upload") << day << "" << 9 << one << "大气传感器0009不在任何一次上传中。";
    QTest::newRow("station sensor in no upload")
        << day << "" << 0 << one << "站点0001的第3个测点（传感器0003）不在任何一次上传中。";
    QTest::newRow("placing after every upload")
        << day << "2008-05-02 12:00:00" << 0 << one << "浇筑时间（2008-05-02 12:00:00）之后还没有上传数据";
    QTest::newRow("pour without stations")
        << day << "" << 0 << "" << "浇筑“底板”还没有站点，请用“分配站点”把站点分配给它。";
    QTest::newRow("unreadable date-time")
        << QStringList{"30/4/2008|1|20"} << "" << 0 << one << "有1条读数的日期时间无法识别（如“30/4/2008”）";
}

void TestPourRecords::badInputGetsAClearMessage() {
    QFETCH(QStringList, readings);
    QFETCH(QString, placedAt);
    QFETCH(int, airSensor);
    QFETCH(QString, stations);
    QFETCH(QString, notice);
    StoreFixture db;
    db.create();
    db.addReadings(readings);
    Pour pour{0, {}, stations.split(',', Qt::SkipEmptyParts)};
    pour.settings.name = QStringLiteral("底板");
    pour.settings.placedAt = ReadingTime::parse(placedAt);
    pour.settings.placingTemperature = 20;
    pour.settings.airSensor = airSensor;
    QVERIFY(PourStore::save(db.dbPath(), pour).ok());
    QVERIFY(GroupDefinitions::save(db.dbPath(), {GroupRow::of("0001", {"0001", "0002", "0003"})}).ok());
    const AnalysisResult r = analyseFile(db.dbPath());
    QVERIFY2(r.notices.join('\n').contains(notice), qPrintable(r.notices.join('\n')));
    QVERIFY(r.breaches.isEmpty());
}

void TestPourRecords::rolesThatDoNotFitAreRefused_data() {
    QTest::addColumn<int>("surface");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QString>("depths"); // by slot, "-" for none
    QTest::addColumn<QString>("problem");
    QTest::newRow("default roles, depths increasing") << 0 << 0 << "50,600,-,1150" << "";
    QTest::newRow("numbered from the bottom") << 4 << 1 << "1150,-,600,50" << "";
    QTest::newRow("depths not increasing")
        << 0 << 0 << "50,700,600,1150" << "测点深度必须从表层向底层递增（第3个测点）。";
    QTest::newRow("one slot for both") << 2 << 2 << "-,-,-,-" << "表层测点和底层测点不能是同一个测点。";
    QTest::newRow("empty surface slot") << 5 << 0 << "-,-,-,-" << "表层测点（第5个）没有传感器。";
    QTest::newRow("depth of an empty slot")
        << 0 << 0 << "-,-,-,-,300" << "第5个测点没有传感器，不能设定深度。";
}

void TestPourRecords::rolesThatDoNotFitAreRefused() {
    QFETCH(int, surface);
    QFETCH(int, bottom);
    QFETCH(QString, depths);
    QFETCH(QString, problem);
    const GroupRow g = GroupRow::of("0001", {"0001", "0002", "0003", "0004"});
    StationRole role;
    role.surfaceSlot = surface;
    role.bottomSlot = bottom;
    const QStringList d = depths.split(',');
    for (int k = 0; k < d.size(); ++k)
        if (d[k] != "-")
            role.depths[static_cast<std::size_t>(k)] = d[k].toDouble();
    QCOMPARE(Station::checkRole(g, role), problem);
    const Station s = Station::resolve(g, &role);
    QCOMPARE(s.roleProblem, problem);
    if (problem.isEmpty())
        QCOMPARE(s.interior, (QVector<int>{1, 2}));
}

void TestPourRecords::recordSheetHoldsTheFiguresCellByCell() {
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1, 2, 3}).station(QStringLiteral("0002"), {4, 5});
    p.settings().project = QStringLiteral("某大桥承台");
    p.settings().placedAt = PourBuilder::hour(-1);
    p.upload(0, {"1=30", "2=60", "3=40", "4=20", "5=21"});
    p.upload(24, {"1=30", "2=57", "3=E1", "4=20", "5=22"});
    p.settings().mix = {QStringLiteral("C40"), 40, {}, 20, {{1, 10}, {3, 20}, {7, 28}, {28, 40}}};
    const AnalysisResult r = PourAnalysis::compute(p.build(), PourBuilder::hour(30));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("测温记录表.xlsx"));
    const ExportResult written = RecordSheet::write(path, r, PourBuilder::hour(30));
    QCOMPARE(written.kind, ExportResult::Kind::Written);

    const XlsxProbe book(path);
    QVERIFY2(book.sheetCount() == 3, qPrintable(book.error()));
    QCOMPARE(book.sheet(0).value("title").toString(), QStringLiteral("汇总"));
    QCOMPARE(book.text(0, "A1"), QStringLiteral("测温记录表"));
    QCOMPARE(book.rowTexts(0, 2, 'B'), (QStringList{"工程名称", "某大桥承台"}));
    QCOMPARE(book.text(0, "B6"), QStringLiteral("2008-05-01 07:00:00"));
    QCOMPARE(book.text(0, "B7"), QStringLiteral("未填写（假定为各站点核心温度的第一次读数）"));
    QCOMPARE(book.rowTexts(0, 10, 'C'),
             (QStringList{"限值组", "GB 50496-2018", "温升≤50℃；里表温差≤25℃；降温速率≤2℃/d；表气温差≤20℃"}));
    // 0001: max 60, differences 30 (over) and 20, cooling 3 (over), rise 0, assumed 60.
    QCOMPARE(book.rowTexts(0, 15, 'J'),
             (QStringList{"0001", "60", "30", "3", "0", "60", "假定", "0", "3", "有超限"}));
    QCOMPARE(book.cell(0, "J15").value("colour").toString(), QStringLiteral("FFFF0000"));
    QCOMPARE(book.rowTexts(0, 16, 'J'),
             (QStringList{"0002", "22", "", "", "", "", "", "0", "0", "正常"}));

    QCOMPARE(book.sheet(1).value("title").toString(), QStringLiteral("站点0001"));
    QCOMPARE(book.text(1, "F3"), QStringLiteral("第3个（传感器0003）"));
    QCOMPARE(book.rowTexts(1, 5, 'D'), (QStringList{"日期时间", "测点1(0001)", "测点2(0002)", "测点3(0003)"}));
    QCOMPARE(book.text(1, "Q5"), QStringLiteral("温升(℃)（假定）"));
    QCOMPARE(book.rowTexts(1, 7, 'T'),
             (QStringList{"2008-05-02 08:00:00", "30", "57", "", "", "", "", "", "", "57", "57", "30",
                          "", "", "27", "", "-3", "3", "", "超限"}));
    QCOMPARE(book.cell(1, "O7").value("colour").toString(), QStringLiteral("FFFF0000"));
    const QJsonArray charts = book.charts(1);
    QCOMPARE(charts.size(), 1);
    const QJsonArray series = charts[0].toObject().value("series").toArray();
    QCOMPARE(series.size(), 4); // maximum, core, surface, bottom; no air sensor named
    QCOMPARE(series[1].toObject().value("name").toString(), QStringLiteral("核心温度"));
    QCOMPARE(series[1].toObject().value("y").toString(), QStringLiteral("'站点0001'!$K$6:$K$7"));
    QCOMPARE(series[1].toObject().value("x").toString(), QStringLiteral("'站点0001'!$A$6:$A$7"));

    // Strength: 0001's weakest sensor is 0001 (0003 stopped reading), an hour and a day at
    // 30 degrees; its first upload lies below the lab's maturities, so it is extended.
    QCOMPARE(book.rowTexts(0, 13, 'B'), (QStringList{"配合比", "C40"}));
    QCOMPARE(book.rowTexts(0, 14, 'O').mid(10),
             (QStringList{"成熟度(℃·h)", "推定强度(MPa)", "强度/设计强度", "说明", "达到75%设计强度"}));
    QCOMPARE(book.rowTexts(1, 5, 'Y').mid(20),
             (QStringList{"成熟度(℃·h)", "等效龄期(h)", "推定强度(MPa)", "强度/设计强度", "说明"}));
    QCOMPARE(book.rowTexts(1, 6, 'Y').mid(20), (QStringList{"30", "1.718", "0", "0", "外推"}));
    QCOMPARE(book.rowTexts(1, 7, 'Y').mid(20), (QStringList{"750", "42.959", "14.143", "0.354", ""}));
    QCOMPARE(book.rowTexts(0, 15, 'O').mid(10), (QStringList{"750", "14.143", "0.354", "", "05-07 07:56"}));
}

QTEST_GUILESS_MAIN(TestPourRecords)
#include "test_pour_records.moc"
