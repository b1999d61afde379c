#pragma once

#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// The items of the main window's menus that do something, by their control names. The
// menu table says which member each item fills, so a handler is bound to a member the
// compiler knows, never to a name looked up at run time.
struct MainActions {
    QAction* menu_DatabaseSetting = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* MenuDrv = nullptr;
    QAction* menu_Connect = nullptr;
    QAction* Menu_Info = nullptr;
    QAction* menu_Upload = nullptr;
    QAction* menu_format = nullptr;
    QAction* Menu_PowerDelayTime = nullptr;
    QAction* menu_PowerOff = nullptr;
    QAction* menu_SetAll0 = nullptr;
    QAction* menu_Set_Sn = nullptr;
    QAction* Menu_UpDT = nullptr;
    QAction* Menu_Err_set = nullptr;
    QAction* Menu_AutoOperate = nullptr;
    QAction* menuSave2Mdb = nullptr;
    QAction* menu_DefByMyself = nullptr;
    QAction* Menu_orderDateTime = nullptr;
    QAction* Menu_orderBianhao = nullptr; // "Menu_order编号"
    QAction* menu_OrderByIdTime = nullptr;
    QAction* menu_OrderByTimeId = nullptr;
    QAction* menu_ClearMdb = nullptr;
    QAction* menu_2Txt = nullptr;
    QAction* menu_2XLS = nullptr;
    QAction* MenuGroupDEF = nullptr;
    QAction* MenuGroupSel = nullptr;
    QAction* MenuGroupTables = nullptr;
    QAction* MenuDraw = nullptr;
    QAction* MenuAnalysis = nullptr;
    QAction* menu_VerInfo = nullptr;
    QAction* menu_Update = nullptr;
    QAction* Menu_web = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearchForHelpOn = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QMenu* menu_factory = nullptr;
    QMenu* menuSave2Mdb_Bar = nullptr;
};

// The main window's menu bar as data: caption, control name, whether the item is shown,
// and the member of MainActions it fills, if any.
struct MenuEntry {
    QString caption;
    QString controlName;
    bool visible = true;
    bool checkable = false;
    std::vector<MenuEntry> children; // a submenu when not empty
    QAction* MainActions::*action = nullptr;
    QMenu* MainActions::*menu = nullptr;
};

// Every menu of the main window, top to bottom.
[[nodiscard]] const std::vector<MenuEntry>& MainMenuTable();

// Builds the menus into the bar, names menus and items by their control names, and fills
// `actions`.
void BuildMenus(QMenuBar* bar, const std::vector<MenuEntry>& table, MainActions& actions);
