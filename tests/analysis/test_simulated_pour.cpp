// Days of uploads from the recorder simulator through the main window, each round six
// hours on, then the analysis of the pour they make.
#include "analysis/PourSettingsStore.h"
#include "analysis/ui/AnalysisController.h"
#include "analysis/ui/StationTableModel.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "grouping/GroupDefinitions.h"
#include "tests/link/sim/SimRun.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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

} // namespace

class TestSimulatedPour : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    QTemporaryDir m_dir;

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
        QVERIFY(w.actions().menu_Connect->isChecked());

        for (int round = 0; round < Rounds; ++round) {
            const QDateTime at = start.addSecs(round * 6 * 3600);
            m_prompts.answer(Prompts::Answer::Yes);
            confirmDateTime(m_prompts, at.toString(QStringLiteral("yyyy-MM-dd")),
                            at.toString(QStringLiteral("HH:mm:ss")));
            w.actions().menu_Upload->trigger();
            sim.signal(SIGUSR1);
            QTest::qWait(200);
        }
        QVERIFY2(m_prompts.texts().count(QStringLiteral("数据已经存入数据库")) == Rounds, qPrintable(m_prompts.texts().join("|")));
        // The watch follows the saves: the last round was saved "an hour ago".
        QVERIFY2(Part<QLabel>(w, "sbWatch")->text().startsWith(QStringLiteral("距上次上传：1小时")),
                 qPrintable(Part<QLabel>(w, "sbWatch")->text()));

        QVERIFY(GroupDefinitions::save(state.DatabasePath, {stack("0001", 1), stack("0002", 9)}).ok());
        PourSettings pour;
        pour.placedAt = QDateTime(start.date(), start.time(), Qt::UTC);
        pour.airSensor = 999;
        QVERIFY(PourSettingsStore::save(state.DatabasePath, pour).ok());

        QStringList states;
        int uploads = 0;
        double coreMaximum = 0;
        m_prompts.answerDialog<frmWenkongFenxi>([&](frmWenkongFenxi& window) {
            const AnalysisResult& r = window.result();
            uploads = r.readings->uploadCount();
            for (const UploadFigures& u : r.series[0].uploads)
                coreMaximum = std::max(coreMaximum, u[FigureKind::Core].value);
            const QAbstractItemModel* table = Part<QTableView>(window, "tblStations")->model();
            for (int row = 0; row < 2; ++row)
                states << table->index(row, StationTableModel::State).data().toString();
            window.close();
        });
        w.action(QStringLiteral("MenuAnalysis"))->trigger();
        QVERIFY(waitForLongWork(w.longWork()));
        QCOMPARE(uploads, Rounds);
        // The curves moved on between rounds: the core heated up from its start near 20.
        QVERIFY2(coreMaximum > 40, qPrintable(QString::number(coreMaximum)));
        QCOMPARE(states.size(), 2);
        for (const QString& s : states)
            QVERIFY2(s == QStringLiteral("正常") || s == QStringLiteral("预警") || s == QStringLiteral("超限"),
                     qPrintable(s));
    }
};

QTEST_MAIN(TestSimulatedPour)
#include "test_simulated_pour.moc"
