#pragma once

#include <QHash>
#include <QString>
#include <span>

class QAction;
class QMenuBar;

namespace spanrix {

// One line of a window's menu: a top-level menu (depth 0), an item or submenu of it
// (depth 1), or an item of that submenu (depth 2).
struct MenuEntry {
    int depth;
    const char* name;
    const char* caption;
    bool isMenu;
};

// Builds the menu bar from its table, in order, naming every menu and item by its
// objectName; returns the actions by name (a menu by its menuAction).
QHash<QString, QAction*> buildMenuBar(QMenuBar& bar, std::span<const MenuEntry> entries);

// The two unit items mirror the unit system: only the conversion away from it is enabled.
void syncUnitItems(const QHash<QString, QAction*>& actions, bool metricUnits);

}  // namespace spanrix
