#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "scripted_prompts.h"
#include "ui/app_context.h"
#include "ui/calc/calculations_window.h"
#include "ui/loading/loading_window.h"

namespace spanrix {
namespace {

// Every shortcut of both screens' menus, pressed on its window, runs its own command, and
// the menus show it.
TEST(Shortcuts, EachKeyReachesItsCommandOnBothScreens)
{
    testing::ScriptedPrompts prompts;
    AppContext context{prompts};
    context.state.geometry.workAreaWidth = 19200;
    context.state.geometry.workAreaHeight = 10800;
    context.state.model.beamLength = 1200;
    LoadingWindow loading(context);
    CalculationsWindow calculations(loading.workArea());

    struct Case {
        QMainWindow* window;
        const char* item;
        const char* keys;  // as the menus show them (offscreen uses the Windows bindings)
    };
    const Case cases[] = {
        {&loading, "save", "Ctrl+S"},
        {&loading, "saveloadcfg", "Ctrl+Shift+S"},
        {&loading, "openloadcfg", "Ctrl+O"},
        {&loading, "printload", "Ctrl+P"},
        {&loading, "quitspanrix", "Ctrl+Q"},
        {&loading, "undo", "Ctrl+Z"},
        {&loading, "redo", "Ctrl+Y"},
        {&loading, "addpointload", "Ctrl+1"},
        {&loading, "adddistload", "Ctrl+2"},
        {&loading, "addmoment", "Ctrl+3"},
        {&loading, "addsupport", "Ctrl+4"},
        {&loading, "runcalc", "F5"},
        {&loading, "docsx", "F1"},
        {&calculations, "printcalc", "Ctrl+P"},
        {&calculations, "Docsx", "F1"},
    };
    QString fired;
    for (const Case& c : cases) {
        const auto record = [&fired, item = QString(c.item)] { fired = item; };
        if (c.window == &loading)
            loading.setCommand(c.item, record);
        else
            calculations.wire(c.item, &calculations, record);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* item = c.window == &loading ? loading.action(c.item) : calculations.action(c.item);
        EXPECT_EQ(item->shortcut().toString(), c.keys);
        item->setEnabled(true);  // Undo and Redo wait for a change
        c.window->show();
        c.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        fired.clear();
        QTest::keySequence(c.window, QKeySequence(c.keys));
        EXPECT_EQ(fired, c.item);
    }
    // Redo has both of its usual keys wherever the platform binds only one.
    EXPECT_TRUE(loading.action("redo")->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    EXPECT_TRUE(loading.action("redo")->shortcuts().contains(QKeySequence("Ctrl+Y")));
    loading.hide();
    calculations.hide();
}

}  // namespace
}  // namespace spanrix
