// Days of uploads from the recorder simulator through the main window, each round six
// hours on; then the store, of the older form, opens as one pour, for which the user enters
// the mix and its lab results and sees every station's strength; then splits it into two,
// each judged on its own, with a record sheet of each and the project summary.
#include "analysis/LimitSet.h"
#include "analysis/ProjectSummary.h"
#include "analysis/ReadingTime.h"
#include "analysis/ui/AnalysisController.h"
#include "analysis/ui/FrmLimitSets.h"
#include "analysis/ui/FrmMix.h"
#include "analysis/ui/FrmPourData.h"
#include "analysis/ui/FrmPourStations.h"
#include "analysis/ui/StationTableModel.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "device/ui/DeviceController.h"
#include "grouping/GroupDefinitions.h"
#include "tests/link/sim/SimRun.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/OpenedFiles.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace analysis;

namespace {

constexpr int Rounds = 12;

GroupRow stack(const QString& name, int first) {
    GroupRow row;
    row.name = name;
    for (int k = 0; k < GroupRow::Slots; ++k)
        row.sensors[static_cast<std::size_t>(k)] = QStringLiteral("%1").arg(first + k, 4, 10, QLatin1Char('0'));
    return row;
}

QStringList stationsOf(const frmWenkongFenxi& w) {
    QStringList out;
    for (const Station& s : w.result().stations)
        out << s.name;
    return out;
}

// Where each station of the window stands, "0001 正常".
QStringList statesOf(const frmWenkongFenxi& w) {
    const QAbstractItemModel* table = Part<QTableView>(w, "tblStations")->model();
    QStringList out;
    for (int row = 0; row < table->rowCount(); ++row)
        out << table->index(row, StationTableModel::Name).data().toString() + QLatin1Char(' ') +
                   table->index(row, StationTableModel::State).data().toString();
    return out;
}

void click(const QWidget& w, const char* button) {
    Part<QPushButton>(w, button)->click();
}

// The cells of one column of the station table, top down.
QStringList columnOf(const frmWenkongFenxi& w, int column) {
    const QAbstractItemModel* table = Part<QTableView>(w, "tblStations")->model();
    QStringList out;
    for (int row = 0; row < table->rowCount(); ++row)
        out << table->index(row, column).data().toString();
    return out;
}

} // namespace

class TestSimulatedPour : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    QTemporaryDir m_dir;
    OpenedFiles m_opened;

    // Names the pour shown (edit) or makes a new one, placed at that moment.
    void makePour(frmWenkongFenxi& w, const LongWork& work, bool edit, const QString& name,
                  const QDateTime& placedAt) {
        m_prompts.answerDialog<FrmPourData>([&](FrmPourData& d) {
            d.txtName->setText(name);
            d.chkPlaced->setChecked(true);
            d.dtpPlaced->setDateTime(QDateTime(placedAt.date(), placedAt.time(), Qt::UTC));
            d.cmdOK->click();
        });
        click(w, edit ? "cmdPour" : "cmdNewPour");
        QVERIFY(waitForLongWork(work));
    }

private slots:
    void threeDaysOfRoundsAreAnalysed() {
        Module1 state = Module1::ForFolder(m_dir.path());
        state.DatabasePath = m_dir.filePath(QStringLiteral("数据库.mdb"));
        SimRun sim({QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--age"),
                    QStringLiteral("6")});
        QVERIFY(!sim.path().isEmpty());
        qputenv("THERMBOOK_SERIAL_PORTS", sim.path().toLocal8Bit());
        const QDateTime start(QDate(2008, 5, 1), QTime(8, 0));
        // Device time-outs shrink with the clock's speed; a modest speed keeps them well
        // above the stalls of a busy machine.
        ScaledClock clock(10.0, start.addSecs(Rounds * 6 * 3600 - 5 * 3600));
        frmMain w(state, m_prompts, clock);
        w.show();
        m_prompts.answer(Prompts::Answer::Ok);
        w.actions().menu_Connect->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.device().linkBusy(), 30000);
        QVERIFY(w.actions().menu_Connect->isChecked());

        for (int round = 0; round < Rounds; ++round) {
            const QDateTime at = start.addSecs(round * 6 * 3600);
            m_prompts.answer(Prompts::Answer::Yes);
            confirmDateTime(m_prompts, at.toString(QStringLiteral("yyyy-MM-dd")),
                            at.toString(QStringLiteral("HH:mm:ss")));
            w.actions().menu_Upload->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!w.device().linkBusy(), 30000);
            QVERIFY(sim.nextRound());
        }
        QVERIFY2(m_prompts.texts().count(QStringLiteral("数据已经存入数据库")) == Rounds, qPrintable(m_prompts.texts().join("|")));
        // The watch follows the saves: the last round was saved "an hour ago".
        QVERIFY2(Part<QLabel>(w, "sbWatch")->text().startsWith(QStringLiteral("距上次上传：1小时")),
                 qPrintable(Part<QLabel>(w, "sbWatch")->text()));

        QVERIFY(GroupDefinitions::save(state.DatabasePath, {stack("0001", 1), stack("0002", 9)}).ok());
        m_prompts.clear();
        m_prompts.answerDialog<frmWenkongFenxi>(
            [&](frmWenkongFenxi& analysis) { splitIntoTwoPours(analysis, w.longWork(), start); });
        w.action(QStringLiteral("MenuAnalysis"))->trigger();
        QVERIFY(waitForLongWork(w.longWork()));
        QCOMPARE(m_opened.paths.size(), 3);

        const XlsxProbe second(m_opened.paths[0]);
        QCOMPARE(second.text(0, QStringLiteral("B5")), QStringLiteral("二期"));
        QCOMPARE(second.text(0, QStringLiteral("A15")), QStringLiteral("0002"));
        QCOMPARE(second.sheetCount(), 2);
        // The first pour's sheet carries its strength: the latest estimate and forecast of
        // 0001 in the summary, the maturity and estimate of every upload on its own page.
        const XlsxProbe first(m_opened.paths[1]);
        QCOMPARE(first.rowTexts(0, 14, u'O').mid(10),
                 (QStringList{"成熟度(℃·h)", "推定强度(MPa)", "强度/设计强度", "说明", "达到75%设计强度"}));
        QVERIFY(first.cell(0, QStringLiteral("L15")).value("value").toDouble() > 5);
        QVERIFY(!first.text(0, QStringLiteral("O15")).isEmpty());
        QCOMPARE(first.text(1, QStringLiteral("W5")), QStringLiteral("推定强度(MPa)"));
        QVERIFY(first.cell(1, QStringLiteral("W%1").arg(5 + Rounds)).value("value").toDouble() > 5);
        const XlsxProbe summary(m_opened.paths[2]);
        const int top = ProjectSummary::HeaderRow;
        QCOMPARE(summary.rowTexts(0, top + 1, u'F').value(0), QStringLiteral("一期"));
        QCOMPARE(summary.rowTexts(0, top + 1, u'F').value(5), QStringLiteral("1"));
        QCOMPARE(summary.rowTexts(0, top + 2, u'L').value(0), QStringLiteral("二期"));
        QCOMPARE(summary.rowTexts(0, top + 2, u'L').value(11), QStringLiteral("有超限"));
    }

private:
    // C40 with four lab results at standard curing; after three days of rounds near and
    // above 20 degrees every station stands at some strength, short of three quarters of
    // the design, and is forecast to reach it at a moment after the last upload.
    void enterMix(frmWenkongFenxi& w, const LongWork& work) {
        m_prompts.answerDialog<FrmMix>([](FrmMix& d) {
            Part<QLineEdit>(d, "txtDesign")->setText(QStringLiteral("40"));
            auto* pairs = Part<QTableWidget>(d, "tblPairs");
            const QStringList lab = {"1", "10", "3", "20", "7", "28", "28", "40"};
            for (int i = 0; i < lab.size(); ++i)
                pairs->setItem(i / 2, i % 2, new QTableWidgetItem(lab[i]));
            click(d, "cmdOK");
        });
        click(w, "cmdMix");
        QVERIFY(waitForLongWork(work));
        const QStringList strengths = columnOf(w, StationTableModel::Strength);
        QCOMPARE(strengths.size(), 2);
        for (const QString& strength : strengths)
            QVERIFY2(strength.toDouble() > 5 && strength.toDouble() < 30, qPrintable(strength));
        const QRegularExpression moment(QStringLiteral("^05-\\d\\d \\d\\d:\\d\\d$"));
        for (const QString& forecast : columnOf(w, StationTableModel::Forecast))
            QVERIFY2(moment.match(forecast).hasMatch(), qPrintable(forecast));
    }

    // The store opens as one pour of both stations. The user names it, makes a second pour
    // placed a day and a half later, gives it station 0002 and a limit set of its own, and
    // writes the record sheets and the project summary.
    void splitIntoTwoPours(frmWenkongFenxi& w, const LongWork& work, const QDateTime& start) {
        const auto close = qScopeGuard([&w] { w.close(); });
        QCOMPARE(Part<QComboBox>(w, "cboPour")->count(), 1);
        QCOMPARE(stationsOf(w), (QStringList{"0001", "0002"}));
        QCOMPARE(w.result().readings->uploadCount(), Rounds);
        // The curves moved on between rounds: the core heated up from its start near 20.
        double coreMaximum = 0;
        for (const UploadFigures& u : w.result().series[0].uploads)
            coreMaximum = std::max(coreMaximum, u[FigureKind::Core].value);
        QVERIFY2(coreMaximum > 40, qPrintable(QString::number(coreMaximum)));
        const QDateTime later = start.addSecs(36 * 3600);
        makePour(w, work, true, QStringLiteral("一期"), start);
        const QStringList firstStates = statesOf(w);
        enterMix(w, work);
        makePour(w, work, false, QStringLiteral("二期"), later);
        m_prompts.answer(Prompts::Answer::Yes);
        m_prompts.answerDialog<FrmPourStations>([](FrmPourStations& d) {
            Part<QLineEdit>(d, "txtRange")->setText(QStringLiteral("2-2"));
            Part<QPushButton>(d, "cmdRange")->click();
            Part<QPushButton>(d, "cmdOK")->click();
        });
        click(w, "cmdAssign");
        QVERIFY(waitForLongWork(work));
        QCOMPARE(stationsOf(w), QStringList{"0002"});
        QCOMPARE(ReadingTime::text(w.result().times().first()), ReadingTime::text(later));

        // A set that no pour can meet turns the second pour's verdict, not the first's.
        m_prompts.answerDialog<FrmLimitSets>([](FrmLimitSets& d) {
            d.cmdNew->click();
            d.txtSetName->setText(QStringLiteral("严"));
            d.txtLimit[static_cast<std::size_t>(LimitKind::CoreSurface)]->setText(QStringLiteral("0.1"));
            d.cmdSave->click();
            d.cboActive->setCurrentText(QStringLiteral("严"));
            d.cmdOK->click();
        });
        click(w, "cmdLimits");
        QVERIFY(waitForLongWork(work));
        QCOMPARE(statesOf(w), QStringList{"0002 超限"});
        m_prompts.choose(m_dir.filePath(QStringLiteral("二期.xlsx")));
        click(w, "cmdRecord");
        auto* pours = Part<QComboBox>(w, "cboPour");
        pours->setCurrentIndex(pours->findText(QStringLiteral("一期")));
        w.cboPour_Click();
        QVERIFY(waitForLongWork(work));
        QCOMPARE(statesOf(w), firstStates.filter(QStringLiteral("0001")));
        m_prompts.choose(m_dir.filePath(QStringLiteral("一期.xlsx")));
        click(w, "cmdRecord");
        m_prompts.choose(m_dir.filePath(QStringLiteral("项目汇总.xlsx")));
        click(w, "cmdSummary");
        QVERIFY(waitForLongWork(work));
    }
};

QTEST_MAIN(TestSimulatedPour)
#include "test_simulated_pour.moc"
