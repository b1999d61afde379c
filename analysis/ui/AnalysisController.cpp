#include "analysis/ui/AnalysisController.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/PourSettingsStore.h"
#include "analysis/ReadingTime.h"
#include "analysis/ScheduleWatch.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/ui/WaitingPanel.h"
#include "store/ReadingLists.h"
#include "store/StoreAddress.h"

#include <QTimer>
#include <QWidget>

AnalysisController::AnalysisController(QWidget* parent, Prompts& prompts, Clock& clock,
                                       WaitingPanel& waiting, QString databasePath,
                                       QString documentsFolder, FileLauncher* launcher)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_clock(clock), m_waiting(waiting),
      m_databasePath(std::move(databasePath)), m_documentsFolder(std::move(documentsFolder)),
      m_launcher(launcher ? *launcher : m_desktop) {
    m_minute = new QTimer(this);
    m_minute->setInterval(m_clock.timerInterval(60 * 1000));
    connect(m_minute, &QTimer::timeout, this, &AnalysisController::showWatch);
    m_minute->start();
    refreshWatch();
}

void AnalysisController::refreshWatch() {
    QStringList times;
    // The watch never makes the database: without a file there is no upload. A store that
    // cannot be read now keeps the last known upload; the next refresh tries again.
    const bool stored = StoreAddress(m_databasePath).exists();
    if (!stored) {
        m_lastUpload = QDateTime();
    } else if (ReadingLists::dateTimes(m_databasePath, times).ok()) {
        m_lastUpload = QDateTime();
        for (const QString& text : times) {
            const QDateTime t = ReadingTime::parse(text);
            if (t.isValid() && (!m_lastUpload.isValid() || t > m_lastUpload))
                m_lastUpload = t;
        }
    }
    PourSettings pour;
    if (stored && PourSettingsStore::load(m_databasePath, pour).ok())
        m_intervalHours = pour.intervalHours;
    showWatch();
}

void AnalysisController::showWatch() {
    const QString text =
        ScheduleWatch::text(m_lastUpload, m_intervalHours, ReadingTime::wallClock(m_clock.now()));
    if (text == m_watchText)
        return;
    m_watchText = text;
    emit watchTextChanged(text);
}

void AnalysisController::MenuAnalysis_Click() {
    if (m_busy)
        return;
    m_busy = true;
    m_waiting.showWaiting(WaitingText, false);
    m_clock.yield();
    AnalysisInputs inputs;
    StoreResult r = inputs.loadSettings(m_databasePath);
    if (r.ok())
        r = inputs.loadReadings(m_databasePath, [this](qint64) { m_clock.yield(); });
    m_waiting.hideWaiting();
    if (!r.ok()) {
        m_busy = false;
        m_prompts.message(m_parent, QStringLiteral("提示："), r.message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    {
        frmWenkongFenxi window(std::move(inputs), m_prompts, m_clock, m_launcher, m_databasePath,
                               m_documentsFolder, m_parent);
        window.exec();
    }
    m_busy = false;
    refreshWatch();
}
