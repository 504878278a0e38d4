#include "ui/calc/calculations_window.h"

#include <QAction>
#include <QMenuBar>

#include "ui/menu_table.h"
#include "ui/qt_surface.h"
#include "ui/window_title.h"
#include "ui/work_area.h"

namespace spanrix {

namespace {

constexpr const char* kCaption = "Spanrix: Calculations Screen";

constexpr MenuEntry kMenu[] = {
    {0, "filemenu", "&File", true},
    {1, "save", "Sa&ve", false},
    {1, "showloading", "Return to &Loading", false},
    {1, "printcalc", "&Print Load Cfg. and Calculations", false, {QKeySequence::Print, "Ctrl+P"}},
    {1, "exportcsv", "Export Results (CSV)...", false},
    {1, "saveimages", "Save Diagrams as Image...", false},
    {0, "calc", "&Calculate", true},
    {1, "max", "Show &Maximum Values", false},
    {1, "point", "Show Values at a &Point", false},
    {0, "designmenu", "Desi&gn", true},
    {1, "loadcases", "Load C&ases...", false},
    {1, "combinations", "&Combinations...", false},
    {1, "steelcheck", "&Steel Design Check...", false},
    {0, "displaymenu", "&Display", true},
    {1, "redrawscreen", "&Redraw", false},
    {1, "changesignificantfigures", "Change Display &Significant Figures", false},
    {1, "sheardiagram", "Shear Force Diagram", false},
    {1, "exactmax", "Exact Maximum Values", false},
    {0, "unitmenu", "&Units", true},
    {1, "metricunits", "Convert to &Metric", false},
    {1, "englishunits", "Convert to &English", false},
    {0, "helpsx", "&Help", true},
    {1, "Docsx", "&Documentation", false, {QKeySequence::HelpContents, "F1"}},
    {1, "aboutsx", "&About Spanrix", false},
};

}  // namespace

std::span<const MenuEntry> calculationsScreenMenu() { return kMenu; }

CalculationsWindow::CalculationsWindow(QSize workArea, QWidget* parent)
    : QMainWindow(parent), layout_(workArea)
{
    setObjectName("momdisplay");
    setWindowTitle(QString(kCaption) + "[*]");
    setAttribute(Qt::WA_DeleteOnClose);
    surface_ = new QtSurface(this);
    setCentralWidget(surface_);
    buildMenu();
    wire("showloading", this, [this] { close(); });
    maximizeOverWorkArea(*this);
    followDrawingArea(*this, *surface_, [this] {
        if (layout_.follow(*this, *surface_)) emit laidOut();
    });
}

void CalculationsWindow::buildMenu()
{
    menu_ = MenuCommands(*menuBar(), kMenu);
    menu_.action("save")->setShortcut(QKeySequence::Save);
}

QAction* CalculationsWindow::action(const QString& objectName) const { return menu_.action(objectName); }

void CalculationsWindow::wire(const QString& objectName, QObject* receiver, std::function<void()> handler)
{
    menu_.wire(objectName, receiver, std::move(handler));
}

QStringList CalculationsWindow::unwiredCommands() const { return menu_.unwiredCommands(); }

void CalculationsWindow::showFile(const QString& fileName, bool modified)
{
    setWindowTitle(titleNamingFile(kCaption, fileName) + "[*]");
    setWindowModified(modified);
}

void CalculationsWindow::syncUnitItems(bool metricUnits)
{
    menu_.syncUnitItems(metricUnits);
}

}  // namespace spanrix
