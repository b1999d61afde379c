#include "reports/ui/ReportsController.h"

#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/ui/WaitingPanel.h"
#include "reports/ExportRunner.h"
#include "reports/PaneExport.h"
#include "reports/ReportFolder.h"
#include "reports/ui/ReportMessages.h"
#include "reports/ui/frmWenduBaobiao.h"

#include <QWidget>

ReportsController::ReportsController(QWidget* parent, Prompts& prompts, WaitingPanel& waiting,
                                     Clock& clock, LongWork& work, QString databasePath,
                                     QString programFolder, QString documentsFolder,
                                     PaneSource currentPane, CustomQuery runCustomQuery,
                                     FileLauncher* launcher)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_waiting(waiting), m_clock(clock),
      m_work(work), m_databasePath(std::move(databasePath)),
      m_programFolder(std::move(programFolder)), m_documentsFolder(std::move(documentsFolder)),
      m_currentPane(std::move(currentPane)), m_runCustomQuery(std::move(runCustomQuery)),
      m_launcher(launcher ? *launcher : m_desktop) {}

void ReportsController::MenuGroupTables_Click() {
    frmWenduBaobiao report(m_prompts, m_clock, m_work, m_launcher, m_databasePath, m_programFolder,
                           m_documentsFolder, m_parent);
    m_prompts.runDialog(report);
}

bool ReportsController::paneToExport(PaneQuery& pane) {
    if (m_work.busy())
        return false;
    pane = m_currentPane();
    if (pane.firstHeader().trimmed().isEmpty()) {
        m_runCustomQuery();
        pane = m_currentPane();
    }
    return !pane.firstHeader().isEmpty();
}

void ReportsController::runExport(const QString& path, ReportMessages::FileKind kind,
                                  std::function<ExportResult(const ExportProgress&)> run) {
    m_waiting.showWaiting(WaitingText, false);
    const bool started = ExportRunner::start(
        m_work, this, m_clock, 100, std::move(run),
        [this](int figure) {
            m_waiting.setWaitingText(WaitingText + QString::number(figure) + QLatin1Char('%'));
        },
        [this, path, kind](const ExportResult& result) {
            m_waiting.hideWaiting();
            ReportMessages::tellOutcome(m_parent, m_prompts, m_launcher, result, path, kind);
        });
    if (!started)
        m_waiting.hideWaiting();
}

void ReportsController::menu_2Txt_Click() {
    PaneQuery pane;
    if (!paneToExport(pane))
        return;
    const QString path = m_prompts.saveFileName(m_parent, QStringLiteral("保存为："),
                                                QStringLiteral("所有文件 (*.txt)"));
    if (path.isEmpty())
        return;
    runExport(path, ReportMessages::FileKind::Text,
              [dbPath = m_databasePath, pane, path](const ExportProgress& progress) {
                  return PaneExport::toText(dbPath, pane, path, progress);
              });
}

void ReportsController::menu_2XLS_Click() {
    PaneQuery pane;
    if (paneToExport(pane))
        Data2ExcelTab(pane);
}

void ReportsController::Data2ExcelTab(const PaneQuery& pane) {
    const QString folder = ReportFolder::make(m_documentsFolder);
    if (folder.isEmpty()) {
        ReportMessages::tellNoFolder(m_parent, m_prompts, ReportFolder::path(m_documentsFolder));
        return;
    }
    const QString path = ReportFolder::newWorkbookPath(folder, m_clock.now());
    runExport(path, ReportMessages::FileKind::Workbook,
              [dbPath = m_databasePath, pane, path](const ExportProgress& progress) {
                  return PaneExport::toWorkbook(dbPath, pane, path, progress);
              });
}
