#pragma once

#include "MainPaneLayout.h"

#include <QMainWindow>

#include <array>

class Clock;
class DeviceLink;
class FrmShowRiLI;
class Prompts;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class ReadingsLayout;
class ReadingsModel;
class SplitterBar;

// The program's one main window: every menu, the three list panes, the waiting panel and
// the status bar. Menu handlers are thin: they call the subsystems' plain code and show
// the results. The handlers of each subsystem live in a file of their own
// (frmMain_device.cpp, frmMain_store.cpp).
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(Prompts& prompts, Clock& clock, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- Operations other windows call -------------------------------------------------
    void Save2Mdb();
    [[nodiscard]] QString GetUpdownTimeList();
    void ChaXun(const QString& MySql, const QString& MyOrderKey);
    void ListView2Ini0();
    void ShowUploadDatas();
    void info_ListView1();
    // Searches the serial ports for the recorder; true when one answered.
    [[nodiscard]] bool AuToConfigCom();
    void SizeControls(int splitterLeftTwips, int hSplitterTopTwips);
    void ResizeListViewS();

    // Removes every row and every column header of a report list.
    static void ClearListView(QTreeWidget* list);
    // Shows the query pane at the given width (twips), its full height.
    void ShowQueryPane(int widthTwips);
    // Linked look (menu check, seven device items enabled) or not-linked look.
    void SetDeviceItemsEnabled(bool linked);

    // --- Controls, by the names the rest of the program knows them ----------------------
    QTreeWidget* ListView1 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    QTreeView* ListView3 = nullptr;
    std::array<QLabel*, 3> lblTitle{};
    QFrame* PicWaiting = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* sbPanel1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    QMenu* menu_factory = nullptr;
    QMenu* menuSave2Mdb_Bar = nullptr;
    QAction* menu_Connect = nullptr;
    QAction* Menu_Info = nullptr;
    QAction* menu_Upload = nullptr;
    QAction* menu_format = nullptr;
    QAction* Menu_PowerDelayTime = nullptr;
    QAction* menu_PowerOff = nullptr;
    QAction* menu_Set_Sn = nullptr;
    QAction* Menu_Err_set = nullptr;
    QAction* MenuGroupDEF = nullptr;

    // Finds a menu item by its control name.
    [[nodiscard]] QAction* action(const QString& controlName) const;

    // Current splitter positions as laid out, twips from the client's left and top.
    [[nodiscard]] int splitterLeft() const;
    [[nodiscard]] int hSplitterTop() const;

public slots:
    // Shell
    void mnuFileClose_Click();
    void menu_VerInfo_Click();
    void Menu_web_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void Timer1_Timer();

    // Device link and device operations
    void MenuDrv_Click();
    void menu_Connect_Click();
    void Menu_Info_Click();
    void menu_Upload_Click();
    void menu_format_Click();
    void Menu_PowerDelayTime_Click();
    void menu_PowerOff_Click();
    void menu_SetAll0_Click();
    void menu_Set_Sn_Click();
    void Menu_UpDT_Click();
    void Menu_Err_set_Click();
    void Menu_AutoOperate_Click();

    // Measurement store
    void menuSave2Mdb_Click();
    void menu_DefByMyself_Click();
    void Menu_orderDateTime_Click();
    void Menu_orderBianhao_Click();
    void menu_OrderByIdTime_Click();
    void menu_OrderByTimeId_Click();
    void menu_ClearMdb_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPanes();
    void buildWaitingPanel();
    void Form_Load();
    void Form_Unload();
    void ListView2_ItemClick(QTreeWidgetItem* item);
    void Text1_KeyUp();
    // Extra per-tick work of Timer1 while the waiting panel shows an upload.
    void ShowTransferPercent();

    Prompts& m_prompts;
    Clock& m_clock;
    QWidget* m_client = nullptr;
    QWidget* m_upperLeft = nullptr;
    QWidget* m_lowerLeft = nullptr;
    QWidget* m_right = nullptr;
    SplitterBar* picSplitter = nullptr;
    SplitterBar* picHHSplitter = nullptr;
    int m_splitterLeft = 2600;
    int m_hSplitterTop = 3000;
    int m_queryPaneWidth = 0; // 0: fill the right pane
    QString m_text1Tag;

    // --- Device operations' state (frmMain_device.cpp) ---------------------------------
    // The link to the recorder, made on first use and owned as a child of this window.
    DeviceLink* m_deviceLink = nullptr;
    [[nodiscard]] DeviceLink& deviceLink();
    // The progress bar's mode: "1999" while an upload is in progress, so Timer1 shows the
    // transfer percentage; anything else otherwise.
    QString m_progressTag;
    // True while the connect command runs; a second one would reset the port under it.
    bool m_connecting = false;
    // Shows "请先与设备联机！" and returns false when no recorder is connected.
    [[nodiscard]] bool requireConnected();

    // --- Measurement store's state (frmMain_store.cpp) ---------------------------------
    // The date-time dialog of the saves, a child of this window. It survives a cancel, so
    // the next save offers the cancelled entries again, and is destroyed after a save.
    FrmShowRiLI* m_frmShowRiLI = nullptr;
    // The rows of the query pane (ListView3's model), made on the first fill.
    ReadingsModel* m_readingsModel = nullptr;
    // The waiting label's text while the panel says it is preparing data.
    QString m_waitingText;
    void fillQueryPane(const ReadingsLayout& layout, const QString& sql = {});
    // The waiting panel around a dialog that reads the database while it opens.
    void showPreparingPanel();
    void hidePreparingPanel();
    // Lets a view still reading in the background finish before the database is written,
    // so the write never has to wait for the read lock.
    void finishQueryPaneReading();
};
