#include <gtest/gtest.h>

#include <QApplication>

#include "loading_fixtures.h"
#include "scripted_prompts.h"
#include "ui/app_context.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"

namespace spanrix {
namespace {

// Writes docs/loading-screen.png. Run on demand:
//   ui_tests --gtest_also_run_disabled_tests --gtest_filter='*LoadingScreenshot*'
TEST(LoadingScreenshot, DISABLED_WritesDocsImage)
{
    testing::ScriptedPrompts prompts;
    AppContext context{prompts};
    AppState& s = context.state;
    s.geometry.workAreaWidth = 19200;  // 1280 x 720 pixels at 96 dpi
    s.geometry.workAreaHeight = 10800;
    s.model.beamLength = 240;
    s.sigFigs = 3;
    LoadingWindow window(context);
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 720);
    window.show();
    QApplication::processEvents();

    BeamModel& m = s.model;
    auto add = [&](auto addFeature) {
        window.drawSketch(15);
        addFeature();
        window.drawSketch(13);
    };
    add([&] { testing::addSupport(m, 0, "simp", "ft"); });
    add([&] { testing::addPointLoad(m, 1000, 72, "lb", "ft"); });
    add([&] { testing::addDistLoad(m, 100.0 / 12, 200.0 / 12, 108, 192, "pf", "ft"); });
    add([&] { testing::addPointLoad(m, -400, 150, "lb", "ft"); });
    add([&] { testing::addMoment(m, 24000, 216, "pf", "ft"); });
    add([&] { testing::addSupport(m, 240, "simp", "ft"); });
    QApplication::processEvents();

    const QString path = QStringLiteral(SPANRIX_SOURCE_DIR) + "/docs/loading-screen.png";
    ASSERT_TRUE(window.grab().save(path));
}

}  // namespace
}  // namespace spanrix
