#include "analysis/ui/AnalysisController.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/PourAnalysis.h"
#include "analysis/PourStore.h"
#include "analysis/PourWatch.h"
#include "analysis/ReadingTime.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "common/Clock.h"
#include "common/LongWork.h"
#include "common/Prompts.h"
#include "common/ui/WaitingPanel.h"
#include "store/ReadingLists.h"
#include "store/StoreAddress.h"
#include "store/StoreDb.h"

#include <QTimer>
#include <QWidget>

using namespace analysis;

namespace {

// How long the watch waits for a store another program holds.
constexpr int WatchWaitMs = 1000;

} // namespace

// The pour as read on the long-work thread, and how the reading went.
struct AnalysisController::Read {
    AnalysisInputs inputs;
    StoreResult result;
};

AnalysisController::AnalysisController(QWidget* parent, Prompts& prompts, Clock& clock,
                                       LongWork& work, WaitingPanel& waiting, QString databasePath,
                                       StoreAccess access, QString documentsFolder,
                                       FileLauncher* launcher)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_clock(clock), m_work(work),
      m_waiting(waiting), m_databasePath(std::move(databasePath)), m_access(access),
      m_documentsFolder(std::move(documentsFolder)), m_launcher(launcher ? *launcher : m_desktop) {
    m_minute = new QTimer(this);
    m_minute->setInterval(m_clock.timerInterval(60 * 1000));
    connect(m_minute, &QTimer::timeout, this, &AnalysisController::showWatch);
    m_minute->start();
    refreshWatch();
}

void AnalysisController::refreshWatch() {
    QStringList times;
    // The watch never makes the database: without a file there is no upload. A store that
    // cannot be read now keeps the last known upload; the next refresh tries again. So the
    // watch, which reads on the window's thread, hardly waits for another program's lock.
    const bool stored = StoreAddress(m_databasePath).exists();
    StoreDb db(m_databasePath, WatchWaitMs);
    if (!stored) {
        m_lastUpload = QDateTime();
    } else if (db.openDatabase(StoreDb::Access::ReadOnly).ok() &&
               ReadingLists::uploadTimes(db, m_databasePath, times).ok()) {
        m_lastUpload = QDateTime();
        for (const QString& text : times) {
            const QDateTime t = ReadingTime::parse(text);
            if (t.isValid() && (!m_lastUpload.isValid() || t > m_lastUpload))
                m_lastUpload = t;
        }
    }
    QVector<Pour> pours;
    if (!stored || PourStore::load(m_databasePath, pours, WatchWaitMs).ok())
        m_pours = pours;
    showWatch();
}

void AnalysisController::showWatch() {
    const QString text = PourWatch::text(m_pours, m_lastUpload, ReadingTime::wallClock(m_clock.now()));
    if (text == m_watchText)
        return;
    m_watchText = text;
    emit watchTextChanged(text);
}

void AnalysisController::MenuAnalysis_Click() {
    if (m_work.busy())
        return;
    m_waiting.showWaiting(WaitingText, false);
    const QDateTime now = ReadingTime::wallClock(m_clock.now());
    (void)m_work.start<Read>(
        this,
        [dbPath = m_databasePath, shown = m_pourShown, last = m_lastUpload, now](const LongWork::Report&) {
            Read read;
            read.result = read.inputs.loadSettings(dbPath);
            const Pour* due = PourWatch::dueFirst(read.inputs.pours, last, now);
            if (!read.inputs.choose(shown) && due)
                read.inputs.choose(due->id);
            if (read.result.ok())
                read.result = read.inputs.loadReadings(dbPath);
            if (read.result.ok())
                PourAnalysis::countStrength(read.inputs);
            return read;
        },
        {}, [this](Read read) { showAnalysis(std::move(read)); });
}

void AnalysisController::showAnalysis(Read read) {
    m_waiting.hideWaiting();
    if (!read.result.ok()) {
        m_prompts.message(m_parent, QStringLiteral("提示："), read.result.message(),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
    {
        frmWenkongFenxi window(std::move(read.inputs), m_prompts, m_clock, m_work, m_launcher,
                               m_databasePath, m_access, m_documentsFolder, m_parent);
        m_prompts.runDialog(window);
        m_pourShown = window.currentPour();
    }
    refreshWatch();
}
