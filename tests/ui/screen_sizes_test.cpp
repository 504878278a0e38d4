// Both screens fit the window they are in: at the work area's size everything is where it
// always was, at other sizes the sketch, the legend and the diagrams fill the window, and
// the drawing is as sharp as the display. Also run with QT_SCALE_FACTOR=2 (see CMakeLists).

#include <QApplication>
#include <QLabel>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "app_driver.h"
#include "loading_fixtures.h"
#include "model/number_format.h"
#include "recording_surface.h"
#include "ui/calc/calculations_window.h"
#include "ui/design/envelope_view.h"
#include "drawing/diagrams.h"
#include "ui/qt_surface.h"
#include "ui/work_area.h"

namespace spanrix::testing {
namespace {

namespace fixtures = spanrix::testing;

class ScreenSizes : public AppDriver {
protected:
    // Sizes to try: the work area (maximised), a small laptop's, the smallest allowed
    // (unless the test's screen is smaller still).
    static std::vector<std::pair<const char*, QSize>> sizes(bool laptop)
    {
        std::vector<std::pair<const char*, QSize>> out{{"maximised", {}}};
        if (laptop) out.push_back({"1024 x 640", {1024, 640}});
        if (workAreaPixels().size().boundedTo(kMinimumScreenSize) == kMinimumScreenSize)
            out.push_back({"minimum", kMinimumScreenSize});
        return out;
    }
    static void showAt(QWidget& window, QSize size)
    {
        if (size.isEmpty()) {
            window.showMaximized();
        } else {
            window.showNormal();
            QApplication::processEvents();  // restored to the work area first
            window.resize(size);
        }
        QApplication::processEvents();
    }
    // A beam built as the dialogs build it: erase, change, draw.
    void build(const std::function<void(BeamModel&)>& change)
    {
        loading().drawSketch(15);
        change(model());
        loading().drawSketch(13);
    }
    void expectGroupsApart(const std::string& beam, bool insideWindow)
    {
        std::map<int, QRect> groups;  // feature row: the area of its shown labels
        const QRect area = loading().surface().rect();
        for (QLabel* l : loading().surface().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (l->isHidden()) continue;
            const LegendLabel* record = loading().legend().find(l->objectName().toStdString());
            ASSERT_NE(record, nullptr);
            for (int row = 1; row <= loading().legend().rowCount(); ++row)
                for (int slot = 0; slot < 4; ++slot)
                    if (&(*loading().legend().group(row))[slot] == record) groups[row] |= l->geometry();
            if (insideWindow) {
                EXPECT_TRUE(area.contains(l->geometry())) << beam << ": " << record->name;
            }
        }
        for (auto a = groups.begin(); a != groups.end(); ++a)
            for (auto b = std::next(a); b != groups.end(); ++b)
                ASSERT_FALSE(a->second.intersects(b->second)) << beam << ": features " << a->first << " and " << b->first;
    }
};

TEST_F(ScreenSizes, SketchLegendAndDiagramsFillEveryWindowSize)
{
    startBeam(false, "30");
    addSupport("0");
    addSupport("30");
    addDistLoad("100", "200", "15", "30");
    addMoment("5000", "20");  // the crowded pair: a moment inside a distributed load
    setSection("100", "", "5");
    loading().action("runcalc")->trigger();
    auto* calc = find<CalculationsWindow>("momdisplay");
    ASSERT_NE(calc, nullptr);
    const QSize workArea = loading().workArea();
    const ScreenGeometry today = screenGeometry(workArea.width(), workArea.height());

    for (QWidget* window : {static_cast<QWidget*>(&loading()), static_cast<QWidget*>(calc)}) {
        for (const auto& [name, size] : sizes(true)) {
            showAt(*window, size);
            const QtSurface& surface = window == calc ? calc->surface() : loading().surface();
            const ScreenGeometry& g = window == calc ? calc->geometry() : app.context().state.geometry;
            if (size.isEmpty()) {
                EXPECT_EQ(g, today) << name;
            }
            // The beam spans the drawing width less an eighth at each side (as a maximised
            // window's does, whose frame counts too).
            if (!size.isEmpty()) {
                EXPECT_EQ(window->size(), size);
            }
            EXPECT_NEAR(g.beamLeft, surface.width() / 8, surface.width() / 100) << name;
            EXPECT_NEAR(g.beamRight, surface.width() * 7 / 8, surface.width() / 100) << name;
            if (window == calc) {
                // Every frame line and every label starts within the screen, labels with room
                // for their text.
                RecordingSurface recorded(surface.width(), surface.height());
                const auto shown = app.context().document.analysis().analysis;
                ASSERT_NE(shown, nullptr);
                drawResultDiagrams(recorded, {g, resultBasis(model()), shown->results, 3});
                for (const RecordingSurface::Op& op : recorded.ops) {
                    const double room = op.kind == "text" ? 200 : 0;
                    EXPECT_GE(std::min(op.x1, op.x2), 0) << name << " " << op.kind << op.text;
                    EXPECT_LE(std::max(op.x1, op.x2) + 3 * room, surface.width()) << name << " " << op.text;
                    EXPECT_GE(std::min(op.y1, op.y2), 0) << name << " " << op.kind << op.text;
                    EXPECT_LE(std::max(op.y1, op.y2) + room, surface.height()) << name << " " << op.text;
                }
            } else {
                expectGroupsApart(std::string("moment at 20 ft on a load from 15 to 30 ft, ") + name, true);
            }
        }
        window->showMaximized();
        QApplication::processEvents();
    }
    // Back at the work area's size, the diagrams are today's pixel for pixel.
    const QImage maximised = calc->surface().image().copy();
    loading().action("runcalc")->trigger();
    EXPECT_EQ(calc->surface().image(), maximised);
}

TEST_F(ScreenSizes, CrowdedLegendGroupsNeverOverlap)
{
    startBeam(false, "100");
    using Beam = std::pair<const char*, std::function<void(BeamModel&)>>;
    const Beam beams[] = {
        {"a moment in the middle of a distributed load",
         [](BeamModel& m) {
             fixtures::addDistLoad(m, 100.0 / 12, 100.0 / 12, 0, 240, "pf", "ft");
             fixtures::addMoment(m, 6000, 120, "pf", "ft");
         }},
        {"a point load at each end of a distributed load",
         [](BeamModel& m) {
             fixtures::addDistLoad(m, 50.0 / 12, 80.0 / 12, 360, 600, "pf", "ft");
             fixtures::addPointLoad(m, 1000, 360, "lb", "ft");
             fixtures::addPointLoad(m, -700, 600, "lb", "ft");
         }},
        {"point loads half a foot apart",
         [](BeamModel& m) {
             for (double at : {594.0, 600.0, 606.0}) fixtures::addPointLoad(m, at == 600 ? 800 : 1000, at, "lb", "ft");
         }},
        {"20 supports a foot apart",
         [](BeamModel& m) {
             for (int x = 0; x < 20; ++x) fixtures::addSupport(m, 12.0 * x, "simp", "ft");
         }},
        {"a full beam",
         [](BeamModel& m) {
             for (int i = 0; i < 50; ++i) {
                 fixtures::addPointLoad(m, 100 + 37 * i, 24.0 * i + 6, "lb", "ft");
                 fixtures::addDistLoad(m, 1 + i % 7, 2 + i % 5, 24.0 * i, 24.0 * i + 48, "pi", "ft");
                 fixtures::addMoment(m, (i % 2 ? 1 : -1) * (500.0 + 90 * i), 24.0 * i + 12, "pf", "ft");
             }
             for (int i = 0; i < 20; ++i) fixtures::addSupport(m, 60.0 * i + 30, "simp", "ft");
         }},
    };
    for (const auto& [name, size] : sizes(false)) {
        showAt(loading(), size);
        for (const auto& [beam, make] : beams) {
            prompts.saveChoices.push_back(SaveChoice::Discard);
            loading().action("reinitialize")->trigger();  // answered No
            build(make);
            // A full beam's legend is taller than any window; the others fit.
            expectGroupsApart(std::string(beam) + ", " + name, std::string(beam) != "a full beam");
        }
    }
}

TEST_F(ScreenSizes, ImagesHaveTheDisplaysPixelDensity)
{
    startBeam(false, "20");
    addSupport("0");
    addSupport("20");
    const QtSurface& surface = loading().surface();
    const double ratio = surface.devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(ratio, 2.0);
    }
    EXPECT_EQ(surface.devicePixelRatio(), ratio);
    EXPECT_EQ(surface.image().size(), surface.size() * ratio);
}

// A diagram window holds its diagram at a size in twips: in the window's own pixels, so a
// dense display does not get a window twice too large.
TEST_F(ScreenSizes, EnvelopeDiagramsAreSizedInTheWindowsOwnPixels)
{
    startBeam(false, "20");
    addSupport("0");
    addSupport("20");
    addPointLoad("1000", "5");
    setSection("100", "", "5");
    loading().action("combinations")->trigger();
    QWidget* window = find("combinations");
    ASSERT_NE(window, nullptr);
    const ScreenGeometry g = envelopeGeometry(app.context().state.geometry);
    for (const char* name : {"momentenvelope", "shearenvelope"}) {
        const auto* surface = window->findChild<QtSurface*>(name);
        ASSERT_NE(surface, nullptr) << name;
        EXPECT_EQ(surface->minimumWidth(), int(std::ceil(g.workAreaWidth * surface->pixelsPerTwipX()))) << name;
    }
    window->close();
}

TEST_F(ScreenSizes, ACoarseGridIsDrawnThroughItsPointsAndSaysWhatItMisses)
{
    startBeam(false, "20");
    addSupport("0");
    addSupport("20");
    addPointLoad("1000", "5");  // between the points at 4 and 6 ft
    setSection("100", "", "5");
    prompts.replies.push_back("10");
    loading().action("changerltn")->trigger();
    loading().action("runcalc")->trigger();
    auto* calc = find<CalculationsWindow>("momdisplay");
    ASSERT_NE(calc, nullptr);
    const QImage& image = calc->surface().image();
    const double ratio = image.devicePixelRatio();
    const ScreenGeometry& g = calc->geometry();
    const double ppx = calc->surface().pixelsPerTwipX() * ratio, ppy = calc->surface().pixelsPerTwipY() * ratio;
    // Between the second and the second last point the moment is a sixth of its peak or
    // more: every column there is filled above the axis, none left empty between points.
    const int axis = int(roundHalfEven(g.workAreaHeight / 6.0) * ppy);
    const double step = (g.beamRight - g.beamLeft) / 10.0;
    int empty = 0;
    for (int x = int((g.beamLeft + step) * ppx) + 1; x < int((g.beamRight - step) * ppx); ++x)
        empty += image.pixel(x, axis - int(3 * ratio)) != qRgb(0, 0, 0);
    EXPECT_EQ(empty, 0);
    // The largest moment lies between two points: one line in dark red under the diagrams.
    int note = 0;
    for (int y = int(g.workAreaHeight * 0.85 * ppy); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) note += image.pixel(x, y) == qRgb(185, 0, 0);
    EXPECT_GT(note, 100);
}

}  // namespace
}  // namespace spanrix::testing
