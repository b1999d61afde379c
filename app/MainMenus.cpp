#include "app/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

using Item = QAction* MainActions::*;
using Menu = QMenu* MainActions::*;

MenuEntry item(const char* caption, const char* name, Item action = nullptr,
               bool visible = true) {
    return {QString::fromUtf8(caption), QString::fromUtf8(name), visible, false, {}, action, {}};
}

MenuEntry checkable(const char* caption, const char* name, Item action) {
    MenuEntry entry = item(caption, name, action);
    entry.checkable = true;
    return entry;
}

MenuEntry menu(const char* caption, const char* name, std::vector<MenuEntry> children,
               bool visible = true, Menu self = nullptr) {
    return {QString::fromUtf8(caption), QString::fromUtf8(name), visible, false,
            std::move(children), {}, self};
}

MenuEntry hidden(const char* caption, const char* name, Item action = nullptr) {
    return item(caption, name, action, false);
}

std::vector<MenuEntry> buildTable() {
    using A = MainActions;
    return {
        menu("文件(&F)", "mnuFile",
             {hidden("打开(&O)...", "mnuFileOpen"), hidden("查找(&F)", "mnuFileFind"),
              hidden("发送到(&D)", "mnuFileSendTo"), hidden("新建(&N)", "mnuFileNew"),
              hidden("删除(&D)", "mnuFileDelete"), hidden("重命名(&M)", "mnuFileRename"),
              hidden("属性(&I)", "mnuFileProperties"), hidden("", "mnuFileMRU1"),
              hidden("", "mnuFileMRU2"), hidden("", "mnuFileMRU3"),
              item("数据库设置…", "menu_DatabaseSetting", &A::menu_DatabaseSetting),
              item("退出(&E)", "mnuFileClose", &A::mnuFileClose)}),
        menu("编辑(&E)", "mnuEdit",
             {item("撤消(&U)", "mnuEditUndo"), item("剪切(&T)", "mnuEditCut"),
              item("复制(&C)", "mnuEditCopy"), item("粘贴(&P)", "mnuEditPaste")},
             false),
        menu("手持测温记录仪(Q)", "menu_equipment",
             {hidden("检查驱动程序", "MenuDrv", &A::MenuDrv),
              checkable("联机(&C)", "menu_Connect", &A::menu_Connect),
              item("读取信息(&I)", "Menu_Info", &A::Menu_Info),
              item("设备数据获取(&U)", "menu_Upload", &A::menu_Upload),
              item("设备格式化(&F)", "menu_format", &A::menu_format),
              item("设置自动待机时间", "Menu_PowerDelayTime", &A::Menu_PowerDelayTime),
              item("设备关机(&E)", "menu_PowerOff", &A::menu_PowerOff)}),
        menu("factory", "menu_factory",
             {item("清空片内所有字节", "menu_SetAll0", &A::menu_SetAll0),
              item("设置序列号(&S)", "menu_Set_Sn", &A::menu_Set_Sn),
              item("设置数据上传时间(&T)", "Menu_UpDT", &A::Menu_UpDT),
              item("自动标定误差(&E)", "Menu_Err_set", &A::Menu_Err_set),
              item("自动工厂设置：详情、清片、设序号、设上传时间、标误差、详情",
                   "Menu_AutoOperate", &A::Menu_AutoOperate)},
             true, &A::menu_factory),
        menu("", "menuSave2Mdb_Bar", {item("将表中数据保存到数据库", "menuSave2Mdb", &A::menuSave2Mdb)},
             false, &A::menuSave2Mdb_Bar),
        menu("数据(&M)", "Menu_datas",
             {menu("数据查询", "menu_data_seek",
                   {item("自定义查询", "menu_DefByMyself", &A::menu_DefByMyself),
                    item("数据上传时间列表", "Menu_orderDateTime", &A::Menu_orderDateTime),
                    item("传感器编号列表", "Menu_order编号", &A::Menu_orderBianhao),
                    item("同一传感器，各时间温度值", "menu_OrderByIdTime", &A::menu_OrderByIdTime),
                    item("同一时间，各传感器温度值", "menu_OrderByTimeId", &A::menu_OrderByTimeId)}),
              item("数据管理", "menu_ClearMdb", &A::menu_ClearMdb)}),
        menu("图表(&I)", "menuTable",
             {item("输出到文本文件", "menu_2Txt", &A::menu_2Txt),
              item("输出到Excell文件", "menu_2XLS", &A::menu_2XLS),
              menu("数据分组图形", "MenuGroup",
                   {checkable("分组定义", "MenuGroupDEF", &A::MenuGroupDEF),
                    hidden("分组查询", "MenuGroupSel", &A::MenuGroupSel),
                    item("分组报表", "MenuGroupTables", &A::MenuGroupTables),
                    item("分组曲线图形(&D)", "MenuDraw", &A::MenuDraw),
                    item("温控分析", "MenuAnalysis", &A::MenuAnalysis)})}),
        menu("升级信息(&U)", "Menu_UpD",
             {item("版本信息(&I)", "menu_VerInfo", &A::menu_VerInfo),
              item("在线升级(&U)", "menu_Update", &A::menu_Update),
              item("历史升级(&H)", "menu_History"), item("作者网站(&W)", "Menu_web", &A::Menu_web)}),
        menu("帮助(&H)", "mnuHelp",
             {item("目录(&C)", "mnuHelpContents", &A::mnuHelpContents),
              item("搜索帮助主题(&S)...", "mnuHelpSearchForHelpOn", &A::mnuHelpSearchForHelpOn),
              item("关于(&A) ", "mnuHelpAbout", &A::mnuHelpAbout)}),
    };
}

void nameMenu(QMenu* menu, const MenuEntry& entry, MainActions& actions) {
    menu->setObjectName(entry.controlName);
    menu->menuAction()->setObjectName(entry.controlName + QStringLiteral("_menu"));
    if (entry.menu)
        actions.*entry.menu = menu;
}

void addItems(QMenu* parent, const std::vector<MenuEntry>& items, MainActions& actions) {
    for (const MenuEntry& entry : items) {
        if (!entry.children.empty()) {
            QMenu* sub = parent->addMenu(entry.caption);
            nameMenu(sub, entry, actions);
            sub->menuAction()->setVisible(entry.visible);
            addItems(sub, entry.children, actions);
            continue;
        }
        QAction* action = parent->addAction(entry.caption);
        action->setObjectName(entry.controlName);
        action->setVisible(entry.visible);
        action->setCheckable(entry.checkable);
        if (entry.action)
            actions.*entry.action = action;
    }
}

} // namespace

const std::vector<MenuEntry>& MainMenuTable() {
    static const std::vector<MenuEntry> table = buildTable();
    return table;
}

void BuildMenus(QMenuBar* bar, const std::vector<MenuEntry>& table, MainActions& actions) {
    for (const MenuEntry& top : table) {
        auto* topMenu = new QMenu(top.caption, bar);
        nameMenu(topMenu, top, actions);
        addItems(topMenu, top.children, actions);
        // A hidden top-level menu stays built (its items can still be popped up),
        // but never appears on the bar.
        if (top.visible)
            bar->addMenu(topMenu);
    }
}
