#pragma once

#include "app/MainMenus.h"
#include "common/LongWork.h"
#include "common/Module1.h"
#include "common/ui/WaitingPanel.h"
#include "link/DeviceLink.h"

#include <QMainWindow>

#include <functional>

class AnalysisController;
class Clock;
class CurvesController;
class DeviceController;
class ReportsController;
class GroupingController;
class MainPanes;
class Prompts;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class StoreController;
class UpdateController;

// What start-up hands the main window besides its state: the recorder's line and the way
// the program ends for an update. Left empty, the real ones are used; tests replace them.
struct MainWiring {
    DeviceLink::TransportFactory makeTransport;
    std::function<void()> endProgram;
};

// The program's one main window: the menus, the three list panes, the waiting panel and
// the status bar. Each subsystem's commands live in its own controller; the window binds
// its menu items to them and shows what they report.
class frmMain : public QMainWindow, public WaitingPanel {
    Q_OBJECT

public:
    frmMain(const Module1& state, Prompts& prompts, Clock& clock, const MainWiring& wiring = {},
            QWidget* parent = nullptr);
    ~frmMain() override;

    [[nodiscard]] DeviceController& device() { return *m_device; }
    [[nodiscard]] StoreController& store() { return *m_store; }
    [[nodiscard]] MainPanes& panes() { return *m_panes; }
    // The long work of the window's commands, which runs on a thread of its own.
    [[nodiscard]] const LongWork& longWork() const { return m_work; }
    [[nodiscard]] const MainActions& actions() const { return m_actions; }

    // Finds a menu item by its control name.
    [[nodiscard]] QAction* action(const QString& controlName) const;

    // Linked look (menu check, seven device items enabled) or not-linked look.
    void SetDeviceItemsEnabled(bool linked);

    // The waiting panel.
    void showWaiting(const QString& text, bool withProgress) override;
    void setWaitingText(const QString& text) override;
    [[nodiscard]] QString waitingText() const override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgress(int value) override;
    [[nodiscard]] int progress() const override;
    [[nodiscard]] int progressMaximum() const override;
    void hideWaiting() override;

public slots:
    void mnuFileClose_Click();
    void menu_VerInfo_Click();
    void Menu_web_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void Timer1_Timer();
    void menuSave2Mdb_Click();
    // The station windows open once the stations are defined and grouped.
    void MenuDraw_Click();
    void MenuGroupTables_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildStatusBar();
    void buildWaitingPanel();
    void bindMenus();
    // For a user who only views: the commands of the menus that write are switched off.
    void switchOffWrites();
    void Form_Load();
    void Form_Unload();

    Module1 m_state;
    Prompts& m_prompts;
    Clock& m_clock;
    LongWork m_work;
    MainActions m_actions;
    MainPanes* m_panes = nullptr;
    QFrame* PicWaiting = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* sbPanel1 = nullptr;
    // The watch over the measuring rounds, fed by the analysis.
    QLabel* sbWatch = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QTimer* Timer1 = nullptr;
    DeviceController* m_device = nullptr;
    StoreController* m_store = nullptr;
    UpdateController* m_update = nullptr;
    GroupingController* m_grouping = nullptr;
    CurvesController* m_curves = nullptr;
    ReportsController* m_reports = nullptr;
    AnalysisController* m_analysis = nullptr;
};
