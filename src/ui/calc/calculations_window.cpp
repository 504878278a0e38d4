#include "ui/calc/calculations_window.h"

#include <QAction>
#include <QMenuBar>

#include "ui/qt_surface.h"

namespace spanrix {

namespace {

struct MenuEntry {
    bool isMenu;
    const char* name;
    const char* caption;
};

constexpr MenuEntry kMenu[] = {
    {true, "filemenu", "&File"},
    {false, "showloading", "Return to &Loading"},
    {false, "printcalc", "&Print Load Cfg. and Calculations"},
    {true, "calc", "&Calculate"},
    {false, "max", "Show &Maximum Values"},
    {false, "point", "Show Values at a &Point"},
    {true, "displaymenu", "&Display"},
    {false, "redrawscreen", "&Redraw"},
    {false, "changesignificantfigures", "Change Display &Significant Figures"},
    {true, "unitmenu", "&Units"},
    {false, "metricunits", "Convert to &Metric"},
    {false, "englishunits", "Convert to &English"},
    {true, "helpsx", "&Help"},
    {false, "Docsx", "&Documentation"},
    {false, "aboutsx", "&About Spanrix"},
};

}  // namespace

CalculationsWindow::CalculationsWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("momdisplay");
    setWindowTitle("Spanrix: Calculations Screen");
    setAttribute(Qt::WA_DeleteOnClose);
    surface_ = new QtSurface(this);
    setCentralWidget(surface_);
    buildMenu();
    connect(action("showloading"), &QAction::triggered, this, &QWidget::close);
    setWindowState(Qt::WindowMaximized);
}

void CalculationsWindow::buildMenu()
{
    QMenu* menu = nullptr;
    for (const MenuEntry& e : kMenu) {
        if (e.isMenu) {
            menu = menuBar()->addMenu(e.caption);
            menu->setObjectName(e.name);
            actions_.insert(e.name, menu->menuAction());
            continue;
        }
        QAction* a = menu->addAction(e.caption);
        a->setObjectName(e.name);
        actions_.insert(e.name, a);
    }
}

QAction* CalculationsWindow::action(const QString& objectName) const { return actions_.value(objectName); }

void CalculationsWindow::syncUnitItems(bool metricUnits)
{
    action("metricunits")->setEnabled(!metricUnits);
    action("englishunits")->setEnabled(metricUnits);
}

}  // namespace spanrix
