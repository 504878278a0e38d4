#pragma once

#include <QHash>
#include <QMainWindow>

#include "ui/menu_table.h"
#include "ui/work_area.h"

class QAction;

namespace spanrix {

class QtSurface;

// The calculations screen's menu, in order: every item with its objectName and caption.
std::span<const MenuEntry> calculationsScreenMenu();

// The calculations screen `momdisplay`: a maximised window whose whole client area is a
// drawing surface for the result diagrams, with its own menu. Return to Loading closes it
// (and it is deleted: the next run creates a fresh one); every other item is wired by the
// calculation commands through wire(). The diagrams' geometry follows the window's size.
class CalculationsWindow : public QMainWindow {
    Q_OBJECT

public:
    // workArea: the desktop work area in twips, as read at start-up.
    explicit CalculationsWindow(QSize workArea, QWidget* parent = nullptr);

    QtSurface& surface() { return *surface_; }
    // The geometry the diagrams are drawn at.
    const ScreenGeometry& geometry() const { return layout_.geometry(); }
    // The menu item of that objectName; an unknown name throws std::invalid_argument.
    QAction* action(const QString& objectName) const;
    void wire(const QString& objectName, QObject* receiver, std::function<void()> handler);
    // The menu items no command has been wired to (none, once the screen is assembled).
    QStringList unwiredCommands() const;

    // The caption names the beam's file (none: the bare caption), marked when it differs.
    void showFile(const QString& fileName, bool modified);

    // The conversion into the system already in force is disabled.
    void syncUnitItems(bool metricUnits);

signals:
    // The geometry changed and the surface is blank: the diagrams are to be drawn again.
    void laidOut();

private:
    void buildMenu();

    QtSurface* surface_;
    MenuCommands menu_;
    ScreenLayout layout_;
};

}  // namespace spanrix
