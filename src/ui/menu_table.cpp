#include "ui/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace spanrix {

QHash<QString, QAction*> buildMenuBar(QMenuBar& bar, std::span<const MenuEntry> entries)
{
    QHash<QString, QAction*> actions;
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (const MenuEntry& e : entries) {
        if (e.depth == 0) {
            top = bar.addMenu(e.caption);
            top->setObjectName(e.name);
            actions.insert(e.name, top->menuAction());
            continue;
        }
        QMenu* parent = e.depth == 1 ? top : sub;
        if (e.isMenu) {
            sub = parent->addMenu(e.caption);
            sub->setObjectName(e.name);
            actions.insert(e.name, sub->menuAction());
            continue;
        }
        QAction* a = parent->addAction(e.caption);
        a->setObjectName(e.name);
        actions.insert(e.name, a);
    }
    return actions;
}

void syncUnitItems(const QHash<QString, QAction*>& actions, bool metricUnits)
{
    actions.value("metricunits")->setEnabled(!metricUnits);
    actions.value("englishunits")->setEnabled(metricUnits);
}

}  // namespace spanrix
