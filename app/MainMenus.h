#pragma once

#include <QString>

#include <vector>

class QMenuBar;
class QMenu;
class QObject;

// The main window's menu bar as data: caption, control name, and whether the item is shown.
struct MenuEntry {
    QString caption;
    QString controlName;
    bool visible = true;
    bool checkable = false;
    std::vector<MenuEntry> children; // a submenu when not empty
    bool separatorBefore = false;
};

// Every menu of the main window, top to bottom.
[[nodiscard]] const std::vector<MenuEntry>& MainMenuTable();

// Builds the menus into the bar; menus and items are named by their control names.
void BuildMenus(QMenuBar* bar, const std::vector<MenuEntry>& table);
