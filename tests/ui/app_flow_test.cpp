// The whole road a user takes, through the real windows: start-up dialog, supports and a
// load through their dialogs, beam properties, a run, the value window, a unit change.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "scripted_prompts.h"
#include "ui/app.h"
#include "ui/dialogs/init_dialog.h"
#include "ui/loading/loading_window.h"

namespace spanrix {
namespace {

// Any window or control of the program, wherever it lives, by its objectName.
template <typename T = QWidget>
T* find(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && qobject_cast<T*>(top)) return qobject_cast<T*>(top);
        if (T* w = top->findChild<T*>(name)) return w;
    }
    return nullptr;
}

void type(QWidget* window, const char* box, const QString& text)
{
    auto* edit = window->findChild<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr) << box;
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void press(QWidget* window, const char* button)
{
    auto* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

TEST(AppFlow, FromStartUpToResultsAndBack)
{
    testing::ScriptedPrompts prompts;
    SpanrixApp app(prompts);
    app.start();
    QWidget* properties = find("properties");
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());

    press(properties, "Command1");  // the default 100 ft beam
    LoadingWindow& loading = app.loadingWindow();
    EXPECT_TRUE(loading.isVisible());
    EXPECT_EQ(loading.windowTitle(), "Spanrix: Loading Screen");
    EXPECT_FALSE(properties->isVisible());
    BeamModel& model = app.context().state.model;
    ASSERT_EQ(model.beamLength, 1200.0);

    for (const char* at : {"0", "100"}) {
        loading.action("addsupport")->trigger();
        QWidget* support = find("support_info");
        ASSERT_NE(support, nullptr);
        type(support, "suploc", at);
        press(support, "Command1");
        EXPECT_FALSE(support->isVisible());
    }
    loading.action("addpointload")->trigger();
    QWidget* load = find("load_info");
    ASSERT_NE(load, nullptr);
    type(load, "loadmag", "1000");
    type(load, "loadloc", "50");
    press(load, "Command1");
    ASSERT_EQ(model.numFeatures, 3);
    EXPECT_EQ(model.pointLoadLoc[1], 600.0);

    // Running before the section is known is refused.
    loading.action("runcalc")->trigger();
    EXPECT_EQ(prompts.lastMessage(), "Enter beam properties before calculating deflection.");
    prompts.clear();

    loading.action("beamproperties")->trigger();
    QWidget* beamProp = find("BeamProp");
    ASSERT_NE(beamProp, nullptr);
    EXPECT_EQ(model.modulusE, 30000000.0f);  // the default arrives with the dialog
    type(beamProp, "MomOfI", "100");
    type(beamProp, "cdist", "5");
    press(beamProp, "Command1");
    EXPECT_EQ(model.momentOfInertia, 100.0f);
    EXPECT_EQ(model.fiberDistance, 5.0f);

    loading.action("runcalc")->trigger();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    QWidget* screen = find("momdisplay");
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), "Spanrix: Calculations Screen");
    // Each support's legend group shows its reaction.
    QLabel* reaction = loading.findChild<QLabel*>("sloadlab21");
    ASSERT_NE(reaction, nullptr);
    EXPECT_EQ(reaction->text(), "500 lb.");

    const auto calcActions = screen->findChildren<QAction*>();
    auto item = [&](const char* name) -> QAction* {
        for (QAction* a : calcActions)
            if (a->objectName() == name) return a;
        return nullptr;
    };
    ASSERT_NE(item("max"), nullptr);
    item("max")->trigger();
    QWidget* maxValues = find("maxvalues");
    ASSERT_NE(maxValues, nullptr);
    // PL/4 = 300,000 lb-in, shown in lb-ft.
    EXPECT_EQ(maxValues->findChild<QLineEdit*>("maxmo")->text(), "25000 lb.-ft.");
    EXPECT_EQ(maxValues->findChild<QLineEdit*>("locmaxmo")->text(), "50 ft.");
    press(maxValues, "Command1");

    item("metricunits")->trigger();
    EXPECT_TRUE(model.metricUnits);
    EXPECT_FALSE(item("metricunits")->isEnabled());
    EXPECT_TRUE(item("englishunits")->isEnabled());
    EXPECT_EQ(reaction->text(), "2220 N");  // the run was repeated in the new units

    item("showloading")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(find("momdisplay") && find("momdisplay")->isVisible());
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

}  // namespace
}  // namespace spanrix

namespace spanrix {
namespace {

TEST(AppFlow, DismissingTheStartUpDialogEndsTheProgram)
{
    testing::ScriptedPrompts prompts;
    SpanrixApp app(prompts);
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
