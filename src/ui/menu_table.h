#pragma once

#include <QHash>
#include <QKeySequence>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>

class QAction;
class QMenuBar;
class QObject;

namespace spanrix {

// An item's shortcuts: the platform's keys for a standard command, and `keys` ("Ctrl+Y" or
// "Ctrl+Shift+Z; Ctrl+Y") wherever the platform does not bind them already, so the item has
// them on every platform. The menus show the first.
struct MenuKeys {
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    const char* keys = nullptr;
};

// One line of a window's menu: a top-level menu (depth 0), an item or submenu of it
// (depth 1), or an item of that submenu (depth 2).
struct MenuEntry {
    int depth;
    const char* name;
    const char* caption;
    bool isMenu;
    MenuKeys keys = {};
};

// The shortcuts an entry's keys stand for on this platform, the first one shown in menus.
QList<QKeySequence> shortcutsOf(const MenuKeys& keys);

// A window's menu bar, built from its table, with every menu and item named by its
// objectName. Commands are wired to items by name; a name the table does not hold is a
// programming error and throws std::invalid_argument, so a mistyped name fails the moment
// it is wired instead of leaving an item that does nothing.
class MenuCommands {
public:
    MenuCommands() = default;
    MenuCommands(QMenuBar& bar, std::span<const MenuEntry> entries);

    // The item (a menu by its menuAction) of that name.
    QAction* action(const QString& name) const;
    // Runs handler, in receiver's context, whenever the item is chosen; replaces an
    // earlier handler of the item.
    void wire(const QString& name, QObject* receiver, std::function<void()> handler);
    // The command items (not menus) that nothing has been wired to, in menu order.
    QStringList unwiredCommands() const;

    // The two unit items mirror the unit system: only the conversion away from it is
    // enabled.
    void syncUnitItems(bool metricUnits) const;

private:
    const MenuEntry& entry(const QString& name) const;

    std::span<const MenuEntry> entries_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMetaObject::Connection> wired_;
};

}  // namespace spanrix
