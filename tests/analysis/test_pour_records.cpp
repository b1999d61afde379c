// The analysis against real database files and the record sheet read back by an
// independent reader.
#include "analysis/AnalysisInputs.h"
#include "analysis/LimitSetStore.h"
#include "analysis/PourAnalysis.h"
#include "analysis/PourSettingsStore.h"
#include "analysis/ReadingTime.h"
#include "analysis/RecordSheet.h"
#include "analysis/Station.h"
#include "analysis/StationRoleStore.h"
#include "grouping/GroupDefinitions.h"
#include "tests/analysis/PourBuilder.h"
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
    void settingsRolesAndLimitSetsAreKept();
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

void TestPourRecords::settingsRolesAndLimitSetsAreKept() {
    StoreFixture db;
    db.create();
    PourSettings read;
    QVERIFY(PourSettingsStore::load(db.dbPath(), read).ok());
    QCOMPARE(read.limitSetName, LimitSet::GbName);
    QVERIFY(!read.placingTemperature);
    QVERIFY(db.rows(QStringLiteral("select name from sqlite_master where name = '浇筑信息'")).isEmpty());

    PourSettings pour;
    pour.project = QStringLiteral("某大桥承台");
    pour.placedAt = PourBuilder::hour(-2);
    pour.placingTemperature = 18.5;
    pour.airSensor = 50;
    pour.limitSetName = QStringLiteral("本工程");
    pour.warningShare = 0.9;
    pour.intervalHours = 4;
    QVERIFY(PourSettingsStore::save(db.dbPath(), pour).ok());
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

    QVERIFY(PourSettingsStore::load(db.dbPath(), read).ok());
    QCOMPARE(read.project, pour.project);
    QCOMPARE(read.placedAt, pour.placedAt);
    QCOMPARE(*read.placingTemperature, 18.5);
    QCOMPARE(read.airSensor, 50);
    QCOMPARE(read.warningShare, 0.9);
    QCOMPARE(read.intervalHours, 4.0);
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
}

void TestPourRecords::badInputGetsAClearMessage_data() {
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QString>("placedAt");
    QTest::addColumn<int>("airSensor");
    QTest::addColumn<QString>("notice");
    const QStringList day = {"2008-05-01 08:00:00|1|30", "2008-05-01 08:00:00|2|40",
                             "2008-05-02 08:00:00|1|30", "2008-05-02 08:00:00|2|40"};
    QTest::newRow("station without readings")
        << QStringList{"2008-05-01 08:00:00|7|30"} << "" << 0 << "站点0001没有任何读数。";
    QTest::newRow("single upload") << day.mid(0, 2) << "" << 0 << "上传数据还不满24小时";
    QTest::newRow("air sensor in no upload") << day << "" << 9 << "大气传感器0009不在任何一次上传中。";
    QTest::newRow("station sensor in no upload")
        << day << "" << 0 << "站点0001的第3个测点（传感器0003）不在任何一次上传中。";
    QTest::newRow("placing after the first upload")
        << day << "2008-05-01 12:00:00" << 0 << "浇筑时间（2008-05-01 12:00:00）晚于第一次上传";
    QTest::newRow("unreadable date-time")
        << QStringList{"30/4/2008|1|20"} << "" << 0 << "有1条读数的日期时间无法识别（如“30/4/2008”）";
}

void TestPourRecords::badInputGetsAClearMessage() {
    QFETCH(QStringList, readings);
    QFETCH(QString, placedAt);
    QFETCH(int, airSensor);
    QFETCH(QString, notice);
    StoreFixture db;
    db.create();
    db.addReadings(readings);
    QVERIFY(GroupDefinitions::save(db.dbPath(), {GroupRow::of("0001", {"0001", "0002", "0003"})}).ok());
    PourSettings pour;
    pour.placedAt = ReadingTime::parse(placedAt);
    pour.placingTemperature = 20;
    pour.airSensor = airSensor;
    QVERIFY(PourSettingsStore::save(db.dbPath(), pour).ok());
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
    p.inputs().pour.project = QStringLiteral("某大桥承台");
    p.inputs().pour.placedAt = PourBuilder::hour(-1);
    p.upload(0, {"1=30", "2=60", "3=40", "4=20", "5=21"});
    p.upload(24, {"1=30", "2=57", "3=E1", "4=20", "5=22"});
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
}

QTEST_GUILESS_MAIN(TestPourRecords)
#include "test_pour_records.moc"
