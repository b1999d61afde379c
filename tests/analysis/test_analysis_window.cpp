// The window "温控分析" offscreen, its dialogs answered through the scripted prompts, its
// controller and the main window's menu item and status-bar watch.
#include "analysis/AnalysisInputs.h"
#include "analysis/PourAnalysis.h"
#include "analysis/PourStore.h"
#include "analysis/ui/AnalysisController.h"
#include "analysis/ui/FrmAirSensor.h"
#include "analysis/ui/FrmLimitSets.h"
#include "analysis/ui/FrmMix.h"
#include "analysis/ui/FrmPourData.h"
#include "analysis/ui/FrmStationRoles.h"
#include "analysis/ui/StationTableModel.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/LongWork.h"
#include "common/Module1.h"
#include "curves/ui/ChartPicture.h"
#include "grouping/GroupDefinitions.h"
#include "analysis/ui/FrmPourStations.h"
#include "tests/analysis/PourBuilder.h"
#include "tests/analysis/PourDump.h"
#include "tests/reports/ReportFakes.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/RecordingPanel.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QListWidget>
#include <QtTest>

using namespace analysis;

namespace {

// Station 0001 (sensors 1-3) cools 3 degrees in a day and is 26 degrees hotter inside
// than at its surface; station 0002 (sensors 4-6) stays calm.
void makePour(const StoreFixture& db) {
    db.create();
    db.addReadings({"2008-05-01 08:00:00|1|34", "2008-05-01 08:00:00|2|60", "2008-05-01 08:00:00|3|50",
                    "2008-05-01 08:00:00|4|30", "2008-05-01 08:00:00|5|40", "2008-05-01 08:00:00|6|35",
                    "2008-05-01 14:00:00|1|36", "2008-05-01 14:00:00|2|59", "2008-05-01 14:00:00|3|50",
                    "2008-05-01 14:00:00|4|30", "2008-05-01 14:00:00|5|41", "2008-05-01 14:00:00|6|35",
                    "2008-05-02 08:00:00|1|40", "2008-05-02 08:00:00|2|57", "2008-05-02 08:00:00|3|49",
                    "2008-05-02 08:00:00|4|30", "2008-05-02 08:00:00|5|40.5", "2008-05-02 08:00:00|6|35"});
    Pour pour{0, {}, {"0001", "0002"}};
    pour.settings.name = QStringLiteral("底板");
    pour.settings.placingTemperature = 20;
    QVERIFY(PourStore::save(db.dbPath(), pour).ok());
    QVERIFY(GroupDefinitions::save(db.dbPath(), {GroupRow::of("0001", {"0001", "0002", "0003"}),
                                                 GroupRow::of("0002", {"0004", "0005", "0006"})})
                .ok());
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

QString tableText(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

QTableView* table(const frmWenkongFenxi& w, const char* name) {
    return Part<QTableView>(w, name);
}

void click(const QWidget& w, const char* button) {
    Part<QPushButton>(w, button)->click();
}

// Lab results typed as "age,strength", one a row.
void setPairs(const FrmMix& d, const QStringList& pairs) {
    auto* table = Part<QTableWidget>(d, "tblPairs");
    table->clearContents();
    for (int row = 0; row < pairs.size(); ++row)
        for (int c = 0; c < 2; ++c)
            table->setItem(row, c, new QTableWidgetItem(pairs[row].section(',', c, c)));
}

} // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void controllerShowsStationsWorstFirstWithTheirBreaches();
    void settingsDialogsRefuseBadEntriesAndChangeTheVerdict();
    void pourDialogRefusesBadEntries();
    void mixDialogRefusesBadCalibrationsAndTheMixIsStored();
    void poursAreMadeGivenStationsAndDeletedFromTheWindow();
    void stationTableSortsByAnyColumnWithEmptyFiguresLast();
    void stationMissingItsLatestCoreReadingKeepsItsState();
    void emptyPourOpensAndSaysWhatIsMissing();
    void recordSheetIsWrittenAndOpened();
    void refreshReadsTheReadingsAgainBesideTheWindow();
    void chartPrints();
    void mainWindowOffersTheWindowAndWatchesTheRounds();

private:
    [[nodiscard]] std::unique_ptr<frmWenkongFenxi> openWindow();

    std::unique_ptr<StoreFixture> m_db;
    ScriptedPrompts m_prompts;
    SystemClock m_clock;
    LongWork m_work;
    FakeLauncher m_launcher;
};

void TestAnalysisWindow::init() {
    m_db = std::make_unique<StoreFixture>();
    makePour(*m_db);
    m_prompts.clear();
    m_launcher = FakeLauncher();
}

std::unique_ptr<frmWenkongFenxi> TestAnalysisWindow::openWindow() {
    AnalysisInputs inputs;
    if (!inputs.loadSettings(m_db->dbPath()).ok() || !inputs.loadReadings(m_db->dbPath()).ok())
        return nullptr;
    auto w = std::make_unique<frmWenkongFenxi>(std::move(inputs), m_prompts, m_clock, m_work,
                                               m_launcher, m_db->dbPath(), StoreAccess{}, m_db->dir());
    w->show();
    return w;
}

void TestAnalysisWindow::controllerShowsStationsWorstFirstWithTheirBreaches() {
    RecordingPanel panel;
    QWidget parent;
    AnalysisController controller(&parent, m_prompts, m_clock, m_work, panel, m_db->dbPath(), {},
                                  m_db->dir(), &m_launcher);
    QStringList rows;
    QStringList log;
    int overPixels = -1;
    int calmOverPixels = -1;
    m_prompts.answerDialog<frmWenkongFenxi>([&](frmWenkongFenxi& w) {
        for (int r = 0; r < 2; ++r)
            rows << tableText(table(w, "tblStations"), r, StationTableModel::Name) +
                        QLatin1Char(' ') +
                        tableText(table(w, "tblStations"), r, StationTableModel::State);
        const QTableView* breaches = table(w, "tblBreaches");
        for (int r = 0; r < breaches->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 6; ++c)
                cells << tableText(breaches, r, c);
            log << cells.join('|');
        }
        const auto* chart = Part<ChartPicture>(w, "picChart");
        overPixels = pixelsOf(chart->image(), QColor(255, 0, 0));
        w.selectStation(1);
        calmOverPixels = pixelsOf(chart->image(), QColor(255, 0, 0));
        w.close();
    });
    controller.MenuAnalysis_Click();
    // The pour is read beside the window; a second command meanwhile is refused.
    controller.MenuAnalysis_Click();
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(m_prompts.asked().size(), 1);
    QCOMPARE(panel.log, (QStringList{AnalysisController::WaitingText, "hide"}));
    QCOMPARE(rows, (QStringList{"0001 超限", "0002 正常"}));
    QCOMPARE(log, (QStringList{"0001|2008-05-01 08:00:00|里表温差（表层）|26.00℃|25℃|超限",
                               "0001|2008-05-01 14:00:00|里表温差（表层）|23.00℃|25℃|预警",
                               "0001|2008-05-02 08:00:00|降温速率|3.00℃/d|2℃/d|超限"}));
    QVERIFY2(overPixels > 20, qPrintable(QString::number(overPixels)));
    QCOMPARE(calmOverPixels, 0);
}

void TestAnalysisWindow::settingsDialogsRefuseBadEntriesAndChangeTheVerdict() {
    auto w = openWindow();
    QVERIFY(w);
    m_prompts.answerDialog<FrmAirSensor>([](FrmAirSensor& d) {
        d.cboSensor->setEditText(QStringLiteral("0009"));
        d.cmdOK->click();
    });
    click(*w, "cmdAir");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(w->result().pour.settings.airSensor, 9);
    QVERIFY(m_prompts.texts().join('\n').contains(QStringLiteral("传感器0009不在任何一次上传中")));

    bool stayedOpen = false;
    m_prompts.answerDialog<FrmStationRoles>([&stayedOpen](FrmStationRoles& d) {
        for (int k = 0; k < 3; ++k)
            d.tblRoles->item(0, FrmStationRoles::FirstDepth + k)
                ->setText(QStringList{"50", "600", "400"}[k]);
        d.cmdOK->click();
        stayedOpen = d.isVisible();
        d.tblRoles->item(0, FrmStationRoles::FirstDepth + 2)->setText(QStringLiteral("1150"));
        d.cmdOK->click();
    });
    click(*w, "cmdRoles");
    QVERIFY(waitForLongWork(m_work));
    QVERIFY(stayedOpen);
    QVERIFY(m_prompts.texts().join('\n').contains(
        QStringLiteral("站点0001：测点深度必须从表层向底层递增（第3个测点）。")));
    QCOMPARE(*w->result().stations[0].depths[2], 1150.0);

    m_prompts.answerDialog<FrmLimitSets>([](FrmLimitSets& d) {
        d.cmdNew->click();
        d.txtSetName->setText(QStringLiteral("本工程"));
        d.txtLimit[static_cast<std::size_t>(LimitKind::CoreSurface)]->setText(QStringLiteral("-5"));
        d.cmdSave->click();
        d.txtLimit[static_cast<std::size_t>(LimitKind::CoreSurface)]->setText(QStringLiteral("12"));
        d.cmdSave->click();
        d.cboActive->setCurrentText(QStringLiteral("本工程"));
        d.cmdOK->click();
    });
    click(*w, "cmdLimits");
    QVERIFY(waitForLongWork(m_work));
    QVERIFY(m_prompts.texts().join('\n').contains(QStringLiteral("里表温差的限值必须是正数，或者不填。")));
    QCOMPARE(w->result().limits.name, QStringLiteral("本工程"));
    // 0002's core is 10.5 above its surface at the end: above 80 % of 12.
    QCOMPARE(tableText(table(*w, "tblStations"), 1, StationTableModel::Name),
             QStringLiteral("0002"));
    QCOMPARE(tableText(table(*w, "tblStations"), 1, StationTableModel::State),
             QStringLiteral("预警"));
}

void TestAnalysisWindow::mixDialogRefusesBadCalibrationsAndTheMixIsStored() {
    auto w = openWindow();
    QVERIFY(w);
    // Without a calibration: maturity from the first upload (no placing time), no strength.
    // 0001's weakest sensor: 6 h at 35 and 18 h at 38 degrees; 0002's: 24 h at 30,
    // worth 1.718 times as long at 20.
    const QTableView* stations = table(*w, "tblStations");
    QCOMPARE(tableText(stations, 0, StationTableModel::Maturity), QStringLiteral("894"));
    QCOMPARE(tableText(stations, 1, StationTableModel::Maturity), QStringLiteral("720"));
    QCOMPARE(tableText(stations, 1, StationTableModel::EquivalentAge), QStringLiteral("41.24"));
    QVERIFY(stations->isColumnHidden(StationTableModel::Strength));
    const auto* chart = Part<ChartPicture>(*w, "picStrength");
    const QColor target(0, 140, 0);
    QCOMPARE(pixelsOf(chart->image(), target), 0);
    QStringList fits;
    for (Prompts::Answer a : {Prompts::Answer::No, Prompts::Answer::Ok, Prompts::Answer::No, Prompts::Answer::No})
        m_prompts.answer(a);
    m_prompts.answerDialog<FrmMix>([&fits](FrmMix& d) {
        const auto fit = [&d] { return Part<QLabel>(d, "lblFit")->text(); };
        Part<QLineEdit>(d, "txtMixName")->setText(QStringLiteral("C40承台"));
        Part<QLineEdit>(d, "txtDesign")->setText(QStringLiteral("40"));
        setPairs(d, {"1,10", "3,20"});
        click(d, "cmdOK");
        setPairs(d, {"1,10", "3,20", "-7,28"});
        click(d, "cmdOK");
        setPairs(d, {"1,40", "3,30", "7,20"});
        fits << fit();
        click(d, "cmdOK");
        setPairs(d, {"1,10", "3,20", "7,28", "28,40"});
        Part<QLineEdit>(d, "txtCuring")->setText(QStringLiteral("-5"));
        click(d, "cmdOK");
        Part<QLineEdit>(d, "txtCuring")->setText(QStringLiteral("20"));
        fits << fit();
        Part<QComboBox>(d, "cboTarget")->setCurrentIndex(0);
        click(d, "cmdOK");
    });
    click(*w, "cmdMix");
    QVERIFY(waitForLongWork(m_work));
    const QString asked = m_prompts.texts().join('\n');
    for (const char* text : {"标定数据至少需要3组，现有2组。", "标定数据第3行：龄期和强度都必须是正数。",
                             "强度不随成熟度增长", "标定养护温度（-5 °C）必须高于基准温度（0 °C）。"})
        QVERIFY2(asked.contains(QString::fromUtf8(text)), qPrintable(asked));
    QVERIFY(fits.value(0).contains(QStringLiteral("强度不随成熟度增长")));
    QCOMPARE(fits.value(1), QStringLiteral("拟合 R² = 0.9997"));
    QCOMPARE(m_prompts.unanswered(), 0);

    // Read back from the store: the mix and the target, and strengths estimated from them.
    const PourSettings& stored = w->result().pour.settings;
    QCOMPARE(stored.mix.name, QStringLiteral("C40承台"));
    QCOMPARE(stored.mix.pairs.size(), 4);
    QCOMPARE(stored.mix.pairs[3].strength, 40.0);
    QCOMPARE(stored.strengthTarget, 0.5);
    QVERIFY(w->result().strength->calibration.usable());
    // S = a + b·ln(M) through the four results: about 15.7 and 13.8 MPa, within the lab's
    // maturities; 20 MPa comes at about 1,435 °C·h, hours after the last upload at 0001's 40 degrees.
    QVERIFY(!stations->isColumnHidden(StationTableModel::Strength));
    QCOMPARE(tableText(stations, 0, StationTableModel::Strength).left(3), QStringLiteral("15."));
    QCOMPARE(tableText(stations, 1, StationTableModel::Strength).left(3), QStringLiteral("13."));
    QCOMPARE(tableText(stations, 1, StationTableModel::Share), QStringLiteral("34%"));
    QCOMPARE(tableText(stations, 0, StationTableModel::Forecast).left(8), QStringLiteral("05-02 21"));
    QCOMPARE(stations->model()->headerData(StationTableModel::Forecast, Qt::Horizontal).toString(),
             QStringLiteral("达到50%设计强度"));
    // The strength chart of the chosen station now has its target line, and its curve pale
    // as the first two uploads lie below the lab's maturities.
    QVERIFY(pixelsOf(chart->image(), target) > 100);
    QVERIFY(pixelsOf(chart->image(), QColor(150, 185, 235)) > 20);
}

void TestAnalysisWindow::pourDialogRefusesBadEntries() {
    auto w = openWindow();
    QVERIFY(w);
    QStringList refusals;
    m_prompts.answerDialog<FrmPourData>([this, &refusals](FrmPourData& d) {
        d.txtName->clear();
        d.cmdOK->click();
        d.txtName->setText(QStringLiteral("底板"));
        d.txtProject->setText(QStringLiteral("某大桥承台"));
        d.chkPlaced->setChecked(true);
        d.dtpPlaced->setDateTime(QDateTime(QDate(2008, 5, 1), QTime(7, 0), Qt::UTC));
        d.txtPlacingTemperature->setText(QStringLiteral("2O"));
        d.cmdOK->click();
        refusals = m_prompts.texts();
        d.txtPlacingTemperature->clear();
        d.cmdOK->click();
    });
    click(*w, "cmdPour");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(refusals, (QStringList{"请填写浇筑名称。", "入模温度必须是-20～131之间的数，或者不填。"}));
    const PourSettings& pour = w->result().pour.settings;
    QCOMPARE(pour.project, QStringLiteral("某大桥承台"));
    QCOMPARE(pour.placedAt, QDateTime(QDate(2008, 5, 1), QTime(7, 0), Qt::UTC));
    QVERIFY(!pour.placingTemperature);
    QVERIFY(w->result().series[0].placingAssumed);
    QVERIFY(Part<QLabel>(*w, "lblPour")->text().contains(QStringLiteral("未填写（温升为假定值）")));
}

void TestAnalysisWindow::poursAreMadeGivenStationsAndDeletedFromTheWindow() {
    auto w = openWindow();
    QVERIFY(w);
    const QStringList tables = ReadingTables(m_db->dbPath());
    const auto stations = [&w] {
        QStringList names;
        for (const Station& s : w->result().stations)
            names << s.name;
        return names;
    };
    m_prompts.answerDialog<FrmPourData>([](FrmPourData& d) {
        d.txtName->setText(QStringLiteral("底板"));
        d.cmdOK->click();
        d.txtName->setText(QStringLiteral("二期"));
        d.cmdOK->click();
    });
    click(*w, "cmdNewPour");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(Part<QComboBox>(*w, "cboPour")->currentText(), QStringLiteral("二期"));
    QVERIFY(stations().isEmpty());
    QVERIFY(w->result().notices.contains(QStringLiteral("浇筑“二期”还没有站点，请用“分配站点”把站点分配给它。")));

    // Station 0002 moves from the first pour once the user agrees.
    m_prompts.answer(Prompts::Answer::Yes);
    m_prompts.answerDialog<FrmPourStations>([](FrmPourStations& d) {
        Part<QLineEdit>(d, "txtRange")->setText(QStringLiteral("2–9"));
        Part<QPushButton>(d, "cmdRange")->click();
        Part<QPushButton>(d, "cmdOK")->click();
    });
    click(*w, "cmdAssign");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(stations(), QStringList{"0002"});
    QVERIFY(m_prompts.texts().last().contains(QStringLiteral("0002（底板）")));
    auto* pours = Part<QComboBox>(*w, "cboPour");
    pours->setCurrentIndex(pours->findText(QStringLiteral("底板")));
    w->cboPour_Click();
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(stations(), QStringList{"0001"});

    // Deleted on another computer while this one shows it.
    QVERIFY(PourStore::remove(m_db->dbPath(), w->currentPour()).ok());
    click(*w, "cmdRefresh");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(m_prompts.texts().last(),
             QStringLiteral("所选浇筑已不存在（可能已在另一台计算机上删除）。现在显示浇筑“二期”。"));
    QVERIFY(w->result().notices.contains(QStringLiteral("有1个站点未分配到任何浇筑：0001。")));

    m_prompts.answer(Prompts::Answer::No);
    click(*w, "cmdDeletePour");
    QCOMPARE(pours->count(), 1);
    m_prompts.answer(Prompts::Answer::Yes);
    click(*w, "cmdDeletePour");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(pours->count(), 0);
    QVERIFY(stations().isEmpty());
    QCOMPARE(ReadingTables(m_db->dbPath()), tables);
    QCOMPARE(m_prompts.unanswered(), 0);
}

void TestAnalysisWindow::stationTableSortsByAnyColumnWithEmptyFiguresLast() {
    auto w = openWindow();
    QVERIFY(w);
    QTableView* stations = table(*w, "tblStations");
    QAbstractItemModelTester tester(stations->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto names = [stations] {
        QStringList out;
        for (int r = 0; r < stations->model()->rowCount(); ++r)
            out << tableText(stations, r, StationTableModel::Name);
        return out;
    };
    const int maximum = StationTableModel::FirstFigure + Figures::index(FigureKind::MaxTemperature);
    const int air = StationTableModel::FirstFigure + Figures::index(FigureKind::Air);
    stations->sortByColumn(maximum, Qt::AscendingOrder);
    QCOMPARE(names(), (QStringList{"0002", "0001"}));
    stations->sortByColumn(maximum, Qt::DescendingOrder);
    QCOMPARE(names(), (QStringList{"0001", "0002"}));
    stations->sortByColumn(StationTableModel::State, Qt::AscendingOrder);
    QCOMPARE(names(), (QStringList{"0002", "0001"}));
    stations->sortByColumn(air, Qt::AscendingOrder);
    QCOMPARE(names().size(), 2);
    // The chart follows the chosen row, whatever the order.
    stations->setCurrentIndex(stations->model()->index(names().indexOf("0002"), 0));
    QCOMPARE(w->currentStation(), 1);
}

void TestAnalysisWindow::stationMissingItsLatestCoreReadingKeepsItsState() {
    PourBuilder p;
    p.station(QStringLiteral("0001"), {1, 2, 3}).station(QStringLiteral("0002"), {4, 5, 6});
    p.settings().placingTemperature = 20;
    // 0001 is 26 degrees hotter inside than at its surface, then its core reads E1; the core
    // of 0002 never reads.
    p.upload(0, {"1=34", "2=60", "3=50", "4=30", "5=E1", "6=35"});
    p.upload(6, {"1=36", "2=E1", "3=50", "4=30", "5=E1", "6=35"});
    const AnalysisResult r = PourAnalysis::compute(p.build(), PourBuilder::hour(7));
    StationTableModel model;
    model.setResult(&r);
    const auto state = [&model](int station) {
        return model.index(model.rowOf(station), StationTableModel::State).data().toString();
    };
    QCOMPARE(state(0), QStringLiteral("超限（最新读数缺失）"));
    QCOMPARE(state(1), QStringLiteral("最新读数缺失"));
    QCOMPARE(model.stationAt(0), 0);
}

void TestAnalysisWindow::emptyPourOpensAndSaysWhatIsMissing() {
    m_db = std::make_unique<StoreFixture>();
    m_db->create();
    auto w = openWindow();
    QVERIFY(w);
    QCOMPARE(table(*w, "tblStations")->model()->rowCount(), 0);
    QCOMPARE(w->currentStation(), -1);
    const QStringList notices = ListTexts(Part<QListWidget>(*w, "lstNotices"));
    QVERIFY(notices.contains(QStringLiteral("数据库中还没有上传数据。")));
    QVERIFY(notices.contains(QStringLiteral("尚未定义分组，没有可分析的站点。")));
    click(*w, "cmdPrint");
    m_prompts.choose(m_db->file(QStringLiteral("空.xlsx")));
    click(*w, "cmdRecord");
    click(*w, "cmdRoles");
    QStringList messages;
    for (const ScriptedPrompts::Question& q : m_prompts.asked())
        if (q.kind == QLatin1String("message"))
            messages << q.text;
    QCOMPARE(messages, (QStringList{"没有可以打印的站点。", "没有可以输出的站点或上传数据。",
                                    "尚未定义分组，请先在“分组定义”中定义站点。"}));
    click(*w, "cmdSummary");
    QCOMPARE(m_prompts.texts().last(), QStringLiteral("尚未建立浇筑，没有可以汇总的内容。"));
    // Without a pour the set chosen has nowhere to be kept: said, not lost in silence.
    m_prompts.answerDialog<FrmLimitSets>([](FrmLimitSets& d) { d.cmdOK->click(); });
    click(*w, "cmdLimits");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(m_prompts.texts().last(),
             QStringLiteral("尚未建立浇筑，所选限值组和预警比例没有保存；限值组的修改已保存。"));
    QVERIFY(!QFileInfo::exists(m_db->file(QStringLiteral("空.xlsx"))));
    QVERIFY(m_launcher.workbooks.isEmpty());
}

void TestAnalysisWindow::recordSheetIsWrittenAndOpened() {
    auto w = openWindow();
    QVERIFY(w);
    const QString path = m_db->file(QStringLiteral("记录"));
    m_prompts.choose(path);
    click(*w, "cmdRecord");
    QCOMPARE(m_launcher.workbooks, QStringList{path + QStringLiteral(".xlsx")});
    const XlsxProbe book(path + QStringLiteral(".xlsx"));
    QCOMPARE(book.sheetCount(), 3);
    QCOMPARE(book.text(0, QStringLiteral("J15")), QStringLiteral("有超限"));

    m_prompts.choose(QString()); // cancelled: nothing written
    click(*w, "cmdRecord");
    QCOMPARE(m_launcher.workbooks.size(), 1);
}

void TestAnalysisWindow::refreshReadsTheReadingsAgainBesideTheWindow() {
    auto w = openWindow();
    QVERIFY(w);
    m_db->addReadings({"2008-05-02 14:00:00|1|41"});
    click(*w, "cmdRefresh");
    QVERIFY(m_work.busy());
    click(*w, "cmdRefresh");
    QVERIFY(waitForLongWork(m_work));
    QCOMPARE(w->result().readings->uploadCount(), 4);
    QCOMPARE(m_prompts.asked().size(), 0);
}

void TestAnalysisWindow::chartPrints() {
    auto w = openWindow();
    QVERIFY(w);
    const QString pdf = m_db->file(QStringLiteral("chart.pdf"));
    m_prompts.choosePrinter([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    click(*w, "cmdPrint");
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QCOMPARE(m_prompts.unanswered(), 0);
}

void TestAnalysisWindow::mainWindowOffersTheWindowAndWatchesTheRounds() {
    // Five hours after the last upload.
    ScaledClock clock(1.0, QDateTime(QDate(2008, 5, 2), QTime(13, 0)));
    Module1 state = Module1::ForFolder(m_db->dir());
    state.DatabasePath = m_db->dbPath();
    frmMain w(state, m_prompts, clock);
    QAction* item = w.action(QStringLiteral("MenuAnalysis"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("温控分析"));
    const QList<QAction*> siblings = Part<QMenu>(w, "MenuGroup")->actions();
    QCOMPARE(siblings.indexOf(item), siblings.indexOf(w.action(QStringLiteral("MenuDraw"))) + 1);
    QCOMPARE(Part<QLabel>(w, "sbWatch")->text(),
             QStringLiteral("浇筑“底板”　距上次上传：5小时0分　下次测温：05-02 14:00（还有1小时0分）"));

    m_db->addReadings({"2008-05-02 12:30:00|1|40"});
    AnalysisController& controller = *w.findChild<AnalysisController*>();
    QSignalSpy changed(&controller, &AnalysisController::watchTextChanged);
    controller.refreshWatch();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(Part<QLabel>(w, "sbWatch")->text(),
             QStringLiteral("浇筑“底板”　距上次上传：30分　下次测温：05-02 18:30（还有5小时30分）"));
}

QTEST_MAIN(TestAnalysisWindow)
#include "test_analysis_window.moc"
