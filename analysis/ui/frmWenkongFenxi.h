#pragma once

#include "analysis/AnalysisInputs.h"
#include "analysis/AnalysisResult.h"
#include "common/StoreAccess.h"

#include <QDialog>

#include <functional>

struct ExportResult;

class BreachLogModel;
class ChartPicture;
class Clock;
class FileLauncher;
class LongWork;
class Prompts;
class QComboBox;
class QLabel;
class QPainter;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableView;
class QTreeWidget;
class StationTableModel;

// The window "温控分析", for the pour chosen at its top: every station of the pour with its
// latest figures coloured by state and sortable, worst first; for the chosen station the
// chart of its temperatures, core differences and cooling rate against their limits, the
// chart of its estimated strength against the stripping target, and its section profile at a chosen upload; the log of breaches, the gaps in the schedule,
// the suspect sensors and what is wrong with the input. Pours are made, edited, deleted and
// given their stations here, their roles, air sensor and limit sets set, and the record
// sheet of the pour and the project summary written. Its object name is "frm温控分析".
// Choosing another pour, a change of settings and "刷新" read the pour again as long work;
// meanwhile they are refused.
class frmWenkongFenxi : public QDialog {
    Q_OBJECT

public:
    frmWenkongFenxi(analysis::AnalysisInputs inputs, Prompts& prompts, Clock& clock, LongWork& work,
                    FileLauncher& launcher, QString databasePath, StoreAccess access,
                    QString documentsFolder, QWidget* parent = nullptr);
    ~frmWenkongFenxi() override;

    [[nodiscard]] const analysis::AnalysisResult& result() const { return m_result; }
    // The id of the pour shown; 0 when there is none.
    [[nodiscard]] int currentPour() const { return m_inputs.pour.id; }
    // The station the chart shows; -1 when there is none.
    [[nodiscard]] int currentStation() const { return m_station; }
    void selectStation(int station);

public slots:
    void cboPour_Click();
    void cmdNewPour_Click();
    void cmdPour_Click();
    void cmdDeletePour_Click();
    void cmdAssign_Click();
    void cmdRoles_Click();
    void cmdAir_Click();
    void cmdLimits_Click();
    void cmdMix_Click();
    void cmdRefresh_Click();
    void cmdPrint_Click();
    void cmdRecord_Click();
    void cmdSummary_Click();
    void cmdExit_Click();
    void tblStations_Click();
    void cboUpload_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] QWidget* buildPourBar();
    [[nodiscard]] QWidget* buildButtons();
    [[nodiscard]] QWidget* buildStationSide();
    [[nodiscard]] QWidget* buildLists();
    // Reads the settings and the pour of that id again (the first pour when it is gone,
    // which is told when `tellGone`), then works out its figures anew.
    void reload(int pourId, bool tellGone = true);
    struct Loaded;
    void loaded(const Loaded& read);
    // Stores the pour's settings, and reads it again.
    void savePour(analysis::Pour pour);
    // The same for the pour shown, when the dialog that gave `settings` was accepted.
    void saveShown(int dialogResult, const analysis::PourSettings& settings);
    // False, after telling so, when there is no pour to act on.
    [[nodiscard]] bool havePour();
    void fillPours();
    void recompute();
    void showPour();
    void fillLists();
    void drawChart();
    void drawProfile();
    // The strength columns show only where the mix is calibrated.
    void showStrengthColumns();
    void drawStrength();
    // Draws into the picture as wide as its scroll area shows, blank without a station.
    void drawWide(ChartPicture* picture, const QScrollArea* area, int height,
                  const std::function<void(QPainter&, const QRect&)>& draw);
    void warn(const QString& text);
    void summaryWritten(const QString& path, const ExportResult& written);

    QLabel* lblPour = nullptr;
    QComboBox* cboPour = nullptr;
    QPushButton* cmdNewPour = nullptr;
    QPushButton* cmdPour = nullptr;
    QPushButton* cmdDeletePour = nullptr;
    QPushButton* cmdAssign = nullptr;
    QPushButton* cmdRoles = nullptr;
    QPushButton* cmdAir = nullptr;
    QPushButton* cmdLimits = nullptr;
    QPushButton* cmdMix = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdRecord = nullptr;
    QPushButton* cmdSummary = nullptr;
    QPushButton* cmdExit = nullptr;
    QTableView* tblStations = nullptr;
    QScrollArea* scrChart = nullptr;
    ChartPicture* picChart = nullptr;
    QScrollArea* scrStrength = nullptr;
    ChartPicture* picStrength = nullptr;
    QComboBox* cboUpload = nullptr;
    ChartPicture* picProfile = nullptr;
    QTabWidget* tabLists = nullptr;
    QTableView* tblBreaches = nullptr;
    QTreeWidget* lstGaps = nullptr;
    QTreeWidget* lstSuspects = nullptr;
    QListWidget* lstNotices = nullptr;
    analysis::AnalysisInputs m_inputs;
    analysis::AnalysisResult m_result;
    Prompts& m_prompts;
    Clock& m_clock;
    LongWork& m_work;
    FileLauncher& m_launcher;
    QString m_databasePath;
    StoreAccess m_access;
    QString m_documentsFolder;
    StationTableModel* m_stations = nullptr;
    BreachLogModel* m_breaches = nullptr;
    int m_station = -1;
};
