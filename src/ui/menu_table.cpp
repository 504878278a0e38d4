#include "ui/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

namespace spanrix {

QList<QKeySequence> shortcutsOf(const MenuKeys& keys)
{
    QList<QKeySequence> shortcuts;
    if (keys.standard != QKeySequence::UnknownKey) shortcuts = QKeySequence::keyBindings(keys.standard);
    if (!keys.keys) return shortcuts;
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(keys.keys)))
        if (!shortcuts.contains(key)) shortcuts.append(key);
    return shortcuts;
}

MenuCommands::MenuCommands(QMenuBar& bar, std::span<const MenuEntry> entries) : entries_(entries)
{
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (const MenuEntry& e : entries) {
        if (e.depth == 0) {
            top = bar.addMenu(e.caption);
            top->setObjectName(e.name);
            actions_.insert(e.name, top->menuAction());
            continue;
        }
        QMenu* parent = e.depth == 1 ? top : sub;
        if (e.isMenu) {
            sub = parent->addMenu(e.caption);
            sub->setObjectName(e.name);
            actions_.insert(e.name, sub->menuAction());
            continue;
        }
        QAction* a = parent->addAction(e.caption);
        a->setObjectName(e.name);
        a->setShortcuts(shortcutsOf(e.keys));
        actions_.insert(e.name, a);
    }
}

const MenuEntry& MenuCommands::entry(const QString& name) const
{
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&name](const MenuEntry& e) { return name == e.name; });
    if (it == entries_.end())
        throw std::invalid_argument("the menu has no item named " + name.toStdString());
    return *it;
}

QAction* MenuCommands::action(const QString& name) const
{
    entry(name);
    return actions_.value(name);
}

void MenuCommands::wire(const QString& name, QObject* receiver, std::function<void()> handler)
{
    if (entry(name).isMenu)
        throw std::invalid_argument(name.toStdString() + " is a menu, not a command");
    if (const auto old = wired_.constFind(name); old != wired_.constEnd())
        QObject::disconnect(*old);
    wired_.insert(name, QObject::connect(actions_.value(name), &QAction::triggered, receiver,
                                         [handler = std::move(handler)] { handler(); }));
}

QStringList MenuCommands::unwiredCommands() const
{
    QStringList unwired;
    for (const MenuEntry& e : entries_)
        if (!e.isMenu && !wired_.contains(e.name)) unwired.append(e.name);
    return unwired;
}

void MenuCommands::syncUnitItems(bool metricUnits) const
{
    action("metricunits")->setEnabled(!metricUnits);
    action("englishunits")->setEnabled(metricUnits);
}

}  // namespace spanrix
