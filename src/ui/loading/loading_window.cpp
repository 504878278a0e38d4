#include "ui/loading/loading_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include "ui/app_context.h"
#include "ui/qt_surface.h"

namespace spanrix {

namespace {

struct MenuEntry {
    int depth;  // 0 top-level menu, 1 item or submenu, 2 item of a submenu
    const char* name;
    const char* caption;
    bool isMenu;
};

// The menu, in order, with every item's objectName and caption.
constexpr MenuEntry kMenu[] = {
    {0, "Filemenu", "&File", true},
    {1, "saveloadcfg", "&Save Load Configuration", false},
    {1, "openloadcfg", "&Open Load Configuration", false},
    {1, "importloadcfg", "&Import Version 1 File", false},
    {1, "printload", "&Print Load Configuration", false},
    {1, "quitspanrix", "E&xit Spanrix", false},
    {0, "featmenu", "F&eature", true},
    {1, "addfeature", "&Add Feature", true},
    {2, "addpointload", "Add &Point Load", false},
    {2, "adddistload", "Add &Dist. Load", false},
    {2, "addmoment", "Add &Moment", false},
    {2, "addsupport", "Add &Support", false},
    {1, "editfeature", "&Edit Feature", false},
    {1, "removefeature", "&Remove Feature", false},
    {0, "beammenu", "&Beam", true},
    {1, "beamproperties", "&Properties", false},
    {1, "reinitialize", "&Reinitialize", false},
    {0, "calcmenu", "&Calculate", true},
    {1, "runcalc", "&Run Calculations", false},
    {1, "changerltn", "&Change Resolution", false},
    {0, "displayprops", "&Display", true},
    {1, "redrawscreen", "&Redraw", false},
    {1, "significantfigs", "Change Display &Significant Figures", false},
    {0, "units", "&Units", true},
    {1, "metricunits", "Convert to &Metric", false},
    {1, "englishunits", "Convert to &English", false},
    {0, "helpsx", "&Help", true},
    {1, "docsx", "&Documentation", false},
    {1, "aboutsx", "&About Spanrix", false},
};

}  // namespace

LoadingWindow::LoadingWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context)
{
    setObjectName("beam");
    setWindowTitle("Spanrix: Loading Screen");
    surface_ = new QtSurface(this);
    setCentralWidget(surface_);
    buildMenu();
    setWindowState(Qt::WindowMaximized);
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::buildMenu()
{
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (const MenuEntry& e : kMenu) {
        if (e.depth == 0) {
            top = menuBar()->addMenu(e.caption);
            top->setObjectName(e.name);
            actions_.insert(e.name, top->menuAction());
            continue;
        }
        QMenu* parentMenu = e.depth == 1 ? top : sub;
        if (e.isMenu) {
            sub = parentMenu->addMenu(e.caption);
            sub->setObjectName(e.name);
            actions_.insert(e.name, sub->menuAction());
            continue;
        }
        QAction* a = parentMenu->addAction(e.caption);
        a->setObjectName(e.name);
        actions_.insert(e.name, a);
        const QString name = e.name;
        connect(a, &QAction::triggered, this, [this, name] { runCommand(name); });
    }
}

QAction* LoadingWindow::action(const QString& objectName) const { return actions_.value(objectName); }

void LoadingWindow::setCommand(const QString& objectName, std::function<void()> handler)
{
    commands_.insert(objectName, std::move(handler));
}

void LoadingWindow::setEditFeatureHandler(std::function<void(FeatureKind, int)> handler)
{
    editFeature_ = std::move(handler);
}

void LoadingWindow::runCommand(const QString& objectName)
{
    if (objectName == "quitspanrix") {
        close();
        return;
    }
    const auto it = commands_.constFind(objectName);
    if (it != commands_.constEnd() && *it) {
        (*it)();
        return;
    }
    context_.prompts.message(kNotAvailableYet);
}

void LoadingWindow::closeEvent(QCloseEvent* event)
{
    // Closing the loading screen ends the program, every other window with it.
    event->accept();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void LoadingWindow::drawSketch(int) {}
void LoadingWindow::relayoutLegend(int) {}
void LoadingWindow::refreshLegendCaptions() {}
void LoadingWindow::updateLegendGroup(int) {}
void LoadingWindow::showReactionCaption(int, const std::string&) {}
void LoadingWindow::clearLegend() {}
void LoadingWindow::rebuildLegend() {}
void LoadingWindow::syncUnitMenu() {}
void LoadingWindow::convertUnits(const std::string&) {}
void LoadingWindow::changeSigFigs(int) {}

}  // namespace spanrix
