#include <QContextMenuEvent>
#include <QMenu>

#include "app_driver.h"
#include "drawing/sketch.h"
#include "ui/loading/sketch_pointer.h"
#include "ui/qt_surface.h"

namespace spanrix {
namespace {

// The drawn beam answers the mouse: a double click edits a feature, the right button edits,
// removes, or adds at the place clicked.
class SketchPointerTest : public testing::AppDriver {
protected:
    SketchPointerTest()
    {
        startBeam(false, "20");
        addSupport("0");
        addPointLoad("1000", "10");
    }

    QtSurface& surface() { return loading().surface(); }
    // The pixel of a point given in twips.
    QPoint at(double x, double y) { return surface().toPixels(x, y).toPoint(); }
    QPoint atLocation(double inches, double y) { return at(sketchX(app.context().state, inches), y); }
    const ScreenGeometry& geometry() { return app.context().state.geometry; }

    // Right-clicks there and chooses the item of the popup menu with that text.
    void chooseFromMenu(QPoint pixel, const QString& item)
    {
        QContextMenuEvent request(QContextMenuEvent::Mouse, pixel, surface().mapToGlobal(pixel));
        QApplication::sendEvent(&surface(), &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QStringList items;
        for (QAction* a : menu->actions()) items << a->text();
        for (QAction* a : menu->actions())
            if (a->text() == item) {
                menu->close();
                a->trigger();
                return;
            }
        FAIL() << item.toStdString() << " not in " << items.join(", ").toStdString();
    }
};

TEST_F(SketchPointerTest, DoubleClickAndContextMenuActOnTheFeatureUnderTheMouse)
{
    // Double click on the load's shaft: its edit, as Edit Feature 2 opens it.
    QTest::mouseDClick(&surface(), Qt::LeftButton, {}, atLocation(120, geometry().beamTop - 600));
    QWidget* edit = find("load_info");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->windowTitle(), "Edit Feature 2");
    EXPECT_EQ(boxText(edit, "loadmag"), "1000");
    EXPECT_TRUE(model().editingFeature);
    press(edit, "Command2");

    // The hovered support's whole legend text.
    EXPECT_EQ(loading().sketchPointer().featureText(1), "Feature 1\nSimple Support\nx=0 ft.");

    // Right button on the support's triangle: removed as Remove Feature 1 does.
    chooseFromMenu(atLocation(0, geometry().beamBottom + 300), "Remove Feature 1");
    EXPECT_EQ(model().supportLoc[1], -1.0);
    EXPECT_EQ(legendText("featlabel1"), "");

    // On bare beam: the dialog opens with the place clicked, in its length unit.
    chooseFromMenu(atLocation(180, (geometry().beamTop + geometry().beamBottom) / 2), "Add Moment");
    QWidget* moment = find("moment_info");
    ASSERT_NE(moment, nullptr);
    EXPECT_TRUE(moment->isVisible());
    EXPECT_EQ(moment->windowTitle(), "Add Moment");
    EXPECT_EQ(boxText(moment, "loadloc"), "15");
    press(moment, "Command2");
    chooseFromMenu(atLocation(60, geometry().beamTop + 10), "Add Support");
    EXPECT_EQ(boxText(find("support_info"), "suploc"), "5");
}

}  // namespace
}  // namespace spanrix
