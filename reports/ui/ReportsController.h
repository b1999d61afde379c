#pragma once

#include "reports/DesktopFileLauncher.h"
#include "reports/PaneQuery.h"
#include "reports/ui/ReportMessages.h"

#include <QObject>
#include <QString>

#include <functional>

class Clock;
class FileLauncher;
class LongWork;
class Prompts;
class QWidget;
class WaitingPanel;

// The report and export commands of the main window: the station report window
// ("分组报表") and the query pane's exports to a text file ("输出到文本文件") and to a new
// workbook ("输出到Excell文件"). An export is long work; while any runs, the exports are
// refused.
class ReportsController : public QObject {
    Q_OBJECT

public:
    // What the query pane shows now. An empty layout means the pane was never filled.
    using PaneSource = std::function<PaneQuery()>;
    // Runs the custom query command, which may fill the pane.
    using CustomQuery = std::function<void()>;

    // `programFolder` holds the shipped template; workbooks and text files are proposed
    // under `documentsFolder`. `launcher` opens the written files; the desktop's programs
    // when null.
    ReportsController(QWidget* parent, Prompts& prompts, WaitingPanel& waiting, Clock& clock,
                      LongWork& work, QString databasePath, QString programFolder,
                      QString documentsFolder, PaneSource currentPane, CustomQuery runCustomQuery,
                      FileLauncher* launcher = nullptr);

    // The waiting panel's text while an export runs; the percentage follows it.
    static inline const QString WaitingText = QStringLiteral("正在建立报表，请稍等....");

public slots:
    // Shows the station report window modally. The caller regroups the stations first.
    void MenuGroupTables_Click();
    void menu_2Txt_Click();
    void menu_2XLS_Click();

private:
    // The pane to export, after the custom query when the pane has no first header;
    // false when there is still nothing to export.
    [[nodiscard]] bool paneToExport(PaneQuery& pane);
    void Data2ExcelTab(const PaneQuery& pane);
    // Runs one export into `path` with the waiting panel showing its percentage, then
    // opens the written file or says why there is none.
    void runExport(const QString& path, ReportMessages::FileKind kind,
                   std::function<ExportResult(const ExportProgress&)> run);

    QWidget* m_parent;
    Prompts& m_prompts;
    WaitingPanel& m_waiting;
    Clock& m_clock;
    LongWork& m_work;
    QString m_databasePath;
    QString m_programFolder;
    QString m_documentsFolder;
    PaneSource m_currentPane;
    CustomQuery m_runCustomQuery;
    DesktopFileLauncher m_desktop;
    FileLauncher& m_launcher;
};
