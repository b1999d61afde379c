#pragma once

#include "analysis/AnalysisInputs.h"
#include "analysis/AnalysisResult.h"

#include <QDialog>

class BreachLogModel;
class ChartPicture;
class Clock;
class FileLauncher;
class LongWork;
class Prompts;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableView;
class QTreeWidget;
class StationTableModel;

// The window "温控分析": every station's latest figures coloured by state and sortable,
// worst first; for the chosen station the chart of its temperatures, core differences and
// cooling rate against their limits, and its section profile at a chosen upload; the log
// of breaches, the gaps in the schedule, the suspect sensors and what is wrong with the
// input. The pour's data, roles, air sensor and limit sets are set from here, and the
// record sheet is written. Its object name is "frm温控分析". "刷新" reads the readings again as
// long work; meanwhile it is refused.
class frmWenkongFenxi : public QDialog {
    Q_OBJECT

public:
    frmWenkongFenxi(analysis::AnalysisInputs inputs, Prompts& prompts, Clock& clock, LongWork& work,
                    FileLauncher& launcher, QString databasePath, QString documentsFolder,
                    QWidget* parent = nullptr);
    ~frmWenkongFenxi() override;

    [[nodiscard]] const analysis::AnalysisResult& result() const { return m_result; }
    // The station the chart shows; -1 when there is none.
    [[nodiscard]] int currentStation() const { return m_station; }
    void selectStation(int station);

public slots:
    void cmdPour_Click();
    void cmdRoles_Click();
    void cmdAir_Click();
    void cmdLimits_Click();
    void cmdRefresh_Click();
    void cmdPrint_Click();
    void cmdRecord_Click();
    void cmdExit_Click();
    void tblStations_Click();
    void cboUpload_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] QWidget* buildButtons();
    [[nodiscard]] QWidget* buildStationSide();
    [[nodiscard]] QWidget* buildLists();
    // After a settings dialog was confirmed: the settings read again, the figures anew.
    void settingsChanged();
    void recompute();
    void showPour();
    void fillLists();
    void drawChart();
    void drawProfile();
    void warn(const QString& text);
    void readingsRead(const std::shared_ptr<const analysis::PourReadings>& readings,
                      const StoreResult& result);

    QLabel* lblPour = nullptr;
    QPushButton* cmdPour = nullptr;
    QPushButton* cmdRoles = nullptr;
    QPushButton* cmdAir = nullptr;
    QPushButton* cmdLimits = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdRecord = nullptr;
    QPushButton* cmdExit = nullptr;
    QTableView* tblStations = nullptr;
    QScrollArea* scrChart = nullptr;
    ChartPicture* picChart = nullptr;
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
    QString m_documentsFolder;
    StationTableModel* m_stations = nullptr;
    BreachLogModel* m_breaches = nullptr;
    int m_station = -1;
};
