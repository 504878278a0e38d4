// The whole road a user takes, through the real windows: start-up dialog, supports and a
// load through their dialogs, beam properties, a run, the value window, a unit change.

#include <QTimer>

#include "app_driver.h"
#include "ui/calc/calculations_window.h"

namespace spanrix {
namespace {

using AppFlow = testing::AppDriver;

TEST_F(AppFlow, FromStartUpToResultsAndBack)
{
    startBeam(false, "100");  // a 100 ft beam
    LoadingWindow& loadingScreen = loading();
    EXPECT_EQ(loadingScreen.windowTitle(), "Spanrix: Loading Screen[*]");
    EXPECT_FALSE(find("properties")->isVisible());
    ASSERT_EQ(model().beamLength, 1200.0);

    addSupport("0");
    addSupport("100");
    addPointLoad("1000", "50");
    ASSERT_EQ(model().numFeatures, 3);
    EXPECT_EQ(model().pointLoadLoc[1], 600.0);
    EXPECT_FALSE(find("load_info")->isVisible());

    // Running before the section is known is refused.
    loadingScreen.action("runcalc")->trigger();
    EXPECT_EQ(prompts.lastMessage(), "Enter beam properties before calculating deflection.");
    prompts.clear();

    setSection("100", "", "5");
    EXPECT_EQ(model().modulusE, 30000000.0f);  // the default arrives with the dialog
    EXPECT_EQ(model().momentOfInertia, 100.0f);
    EXPECT_EQ(model().fiberDistance, 5.0f);

    loadingScreen.action("runcalc")->trigger();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->windowTitle(), "Spanrix: Calculations Screen[*]");
    // Each support's legend group shows its reaction.
    EXPECT_EQ(legendText("sloadlab2_1"), "500 lb.");
    // PL/4 = 300,000 lb-in, shown in lb-ft.
    EXPECT_EQ(maxValue("maxmo"), "25000 lb.-ft.");
    EXPECT_EQ(maxValue("locmaxmo"), "50 ft.");

    calcItem("metricunits")->trigger();
    EXPECT_TRUE(model().metricUnits);
    EXPECT_FALSE(calcItem("metricunits")->isEnabled());
    EXPECT_TRUE(calcItem("englishunits")->isEnabled());
    EXPECT_EQ(legendText("sloadlab2_1"), "2220 N");  // the run was repeated in the new units

    // The assembled program answers every item of both menus.
    EXPECT_EQ(loadingScreen.unwiredCommands(), QStringList());
    auto* calculations = qobject_cast<CalculationsWindow*>(screen());
    ASSERT_NE(calculations, nullptr);
    EXPECT_EQ(calculations->unwiredCommands(), QStringList());

    calcItem("showloading")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(screen(), nullptr);
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

TEST_F(AppFlow, DismissingTheStartUpDialogEndsTheProgram)
{
    app.start();
    QWidget* properties = find("properties");
    ASSERT_NE(properties, nullptr);
    // Quit only takes effect inside the event loop, so run one that the dismissal ends.
    QTimer::singleShot(0, properties, [properties] { properties->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a guard, never a hang
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(properties->isVisible());
}

}  // namespace
}  // namespace spanrix
