// Scenarios a demanding user walks through the real windows: metric beams with kg loads,
// edits, removal and re-adding, figures and units on both screens, odd replies to every
// prompt, unusual support layouts and extreme values.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "app_driver.h"
#include "model/number_format.h"
#include "scripted_prompts.h"
#include "ui/app.h"
#include "ui/calc/calculations_window.h"
#include "ui/loading/legend.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"

namespace spanrix {
namespace {

using QaScenario = testing::AppDriver;

// A 10 m metric beam on two simple supports with a 100 kg point load at midspan and a
// uniform 50 kg/m load: each support carries half of (100 + 500) kg.
TEST_F(QaScenario, MetricBeamWithKgLoads)
{
    startBeam(true, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "5", "kg");
    addDistLoad("50", "50", "0", "10", "kg");
    setSection("8333000", "210", "100");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_NEAR(model().pointLoadMag[1], 980.665, 1e-9);
    EXPECT_NEAR(model().distLoadStartMag[1], 490.3325, 1e-9);
    loading().action("runcalc")->trigger();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(legendText("sloadlab2_1"), "2940 N");
    EXPECT_EQ(legendText("sloadlab2_2"), "2940 N");
    EXPECT_EQ(legendText("loadlab1"), "100 kg");
    EXPECT_EQ(legendText("dloadlab1"), "start=50 kg/m, 0 m");
}


// A propped cantilever (fixed at x = 0, simple support at L = 10 ft) with 1000 lb at 4 ft:
// R_B = P a^2 (3L - a) / 2L^3 = 208 lb, R_A = 792 lb, M_A = P a b (L + b) / 2L^2
// = 23040 lb-in. Figures and units are changed on both screens, back and forth.
TEST_F(QaScenario, FiguresAndUnitsOnBothScreens)
{
    startBeam(false, "10");
    addSupport("", true);
    addSupport("10");
    addPointLoad("1000", "4");
    setSection("100", "", "5");
    loading().action("runcalc")->trigger();
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(legendText("sloadlab2_1"), "792 lb., 23000 lb.-in.");
    EXPECT_EQ(legendText("sloadlab2_2"), "208 lb.");

    prompts.replies.push_back(std::string("1"));
    calcItem("changesignificantfigures")->trigger();
    EXPECT_EQ(legendText("sloadlab2_1"), "800 lb., 20000 lb.-in.");
    EXPECT_EQ(legendText("sloadlab2_2"), "200 lb.");
    EXPECT_EQ(legendText("loadlab2_1"), "x=4 ft.");
    EXPECT_EQ(maxValue("maxmo"), "-2000 lb.-ft.");

    prompts.replies.push_back(std::string("15"));
    loading().action("significantfigs")->trigger();
    EXPECT_EQ(legendText("loadlab1"), "1000 lb.");
    EXPECT_EQ(legendText("sloadlab1"), "x=0 ft.");
    prompts.replies.push_back(std::string("15"));
    calcItem("changesignificantfigures")->trigger();
    const QStringList fixedEnd = legendText("sloadlab2_1").split(", ");
    ASSERT_EQ(fixedEnd.size(), 2);
    EXPECT_NEAR(fixedEnd[0].chopped(4).toDouble(), 792.0, 1e-9);
    EXPECT_NEAR(fixedEnd[1].chopped(8).toDouble(), 23040.0, 1e-8);

    prompts.replies.push_back(std::string("3"));
    calcItem("changesignificantfigures")->trigger();
    for (int round = 0; round < 3; ++round) {
        calcItem("metricunits")->trigger();
        EXPECT_EQ(legendText("sloadlab2_1"), "3520 N, 2600 N-m");
        EXPECT_EQ(legendText("sloadlab2_2"), "925 N");
        EXPECT_EQ(maxValue("maxmo"), "-2600 N-m");
        EXPECT_FALSE(calcItem("metricunits")->isEnabled());
        calcItem("englishunits")->trigger();
        EXPECT_EQ(legendText("sloadlab2_1"), "792 lb., 23000 lb.-in.");
        EXPECT_EQ(legendText("sloadlab2_2"), "208 lb.");
        EXPECT_EQ(maxValue("maxmo"), "-1920 lb.-ft.");
        EXPECT_TRUE(calcItem("metricunits")->isEnabled());
    }
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

// A feature dialog left open while the units are converted went on showing the old
// system's options, and read the typed numbers in the new one: "10" beside "lb." and
// "feet" was stored as 10 N at 2 m.
TEST_F(QaScenario, OpenFeatureDialogsFollowAUnitConversion)
{
    startBeam(false, "10");
    QWidget* d = openDialog("addpointload", "load_info");
    ASSERT_NE(d, nullptr);
    loading().action("metricunits")->trigger();
    EXPECT_FALSE(d->findChild<QWidget*>("engframe")->isVisible());
    EXPECT_FALSE(d->findChild<QWidget*>("poundlabel")->isVisible());
    EXPECT_TRUE(d->findChild<QWidget*>("metframe")->isVisible());
    type(d, "loadmag", "10");
    type(d, "loadloc", "2");
    press(d, "Command1");
    ASSERT_EQ(model().numFeatures, 1);
    EXPECT_EQ(model().pointLoadMag[1], 10.0);
    EXPECT_EQ(model().pointLoadLoc[1], 2.0);
    EXPECT_EQ(model().featureForceUnit[1], "N");

    // An edit in progress is refilled in the new units; untouched values stay as stored.
    prompts.replies.push_back(std::string("1"));
    loading().action("editfeature")->trigger();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(boxText(d, "loadloc"), "2");
    loading().action("englishunits")->trigger();
    EXPECT_TRUE(d->findChild<QWidget*>("engframe")->isVisible());
    EXPECT_FALSE(d->findChild<QWidget*>("metframe")->isVisible());
    EXPECT_EQ(boxText(d, "loadloc"), "78.7");
    EXPECT_EQ(boxText(d, "loadmag"), "2.25");
    const double storedLocation = model().pointLoadLoc[1];
    type(d, "loadmag", "20");
    press(d, "Command1");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(model().pointLoadMag[1], 20.0);
    EXPECT_EQ(model().pointLoadLoc[1], storedLocation);
    EXPECT_EQ(legendText("loadlab1"), "20 lb.");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

// Reinitialize clears the section properties; the calculations screen, still open,
// repeated the analysis without checks and showed NaN deflections and slopes.
TEST_F(QaScenario, CalculationsScreenAfterReinitializeRefusesMissingProperties)
{
    startBeam(false, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "5");
    setSection("10", "", "1");
    loading().action("runcalc")->trigger();
    ASSERT_NE(screen(), nullptr);
    prompts.saveChoices.push_back(SaveChoice::Discard);
    prompts.answers.push_back(false);
    loading().action("reinitialize")->trigger();
    EXPECT_EQ(model().numFeatures, 0);
    addSupport("0");
    addSupport("10");
    prompts.clear();
    calcItem("metricunits")->trigger();
    EXPECT_EQ(prompts.lastMessage(), "Enter beam properties before calculating deflection.");
    prompts.replies.push_back(std::string("4"));
    calcItem("changesignificantfigures")->trigger();
    EXPECT_EQ(prompts.lastMessage(), "Enter beam properties before calculating deflection.");
    // The blank screen offers no values from the earlier beam.
    EXPECT_FALSE(calcItem("max")->isEnabled());
    EXPECT_FALSE(calcItem("point")->isEnabled());
    // With properties the screen works again, in the new units.
    setSection("4000000", "", "50");
    prompts.clear();
    calcItem("englishunits")->trigger();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_TRUE(calcItem("max")->isEnabled());
    EXPECT_EQ(maxValue("maxmo"), "0 lb.-in.");
}

TEST_F(QaScenario, BeamLengthBeyondTheRangeIsRefusedByTheStartUpDialog)
{
    app.start();
    QWidget* properties = find("properties");
    ASSERT_NE(properties, nullptr);
    type(properties, "Length", "1e308");
    press(properties, "Command1");
    EXPECT_EQ(prompts.lastMessage(), "Enter a positive non-zero value for beam length.");
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(model().beamLength, 1200.0);
}

// Captions longer than their label (here at 15 figures) were cut at both ends, so
// 1234.5678 lb. read as ".234.5678 lb".
TEST_F(QaScenario, LegendCaptionsAreNeverCutShort)
{
    startBeam(false, "20");
    addSupport("0");
    addSupport("20");
    addPointLoad("1234.5678", "7.123456789");
    addDistLoad("2.22222", "4.4444", "1.1111", "19.1", "pf");
    prompts.replies.push_back(std::string("15"));
    loading().action("significantfigs")->trigger();
    EXPECT_EQ(legendText("loadlab1"), "1234.5678 lb.");
    EXPECT_EQ(legendText("loadlab2_1"), "x=7.123456789 ft.");
    for (const char* name : {"loadlab1", "loadlab2_1", "dloadlab1", "dloadlab2_1", "loadtitle1"}) {
        QLabel* label = loading().legendLabel(name);
        ASSERT_NE(label, nullptr) << name;
        const LegendLabel* record = loading().legend().find(name);
        ASSERT_NE(record, nullptr) << name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        // Still centred where the legend places it.
        const double ppx = loading().surface().pixelsPerTwipX();
        const double centre = (record->left + record->width / 2.0) * ppx;
        EXPECT_NEAR(label->x() + label->width() / 2.0, centre, 2.0) << name;
    }
}

// Fixed-fixed, then the left cantilever removed and added again (it goes to x = 0 and the
// feature order puts the right one first), then each end alone, then a propped cantilever
// whose simple support was added first.
TEST_F(QaScenario, CantileversRemovedAndAddedAgain)
{
    startBeam(false, "10");
    addSupport("", true);
    addSupport("", true);
    addPointLoad("100", "5");
    setSection("10", "", "1");
    loading().action("runcalc")->trigger();
    EXPECT_EQ(legendText("sloadlab2_1"), "50 lb., 1500 lb.-in.");  // PL/8
    EXPECT_EQ(legendText("sloadlab2_2"), "50 lb., -1500 lb.-in.");

    prompts.replies.push_back(std::string("1"));
    loading().action("removefeature")->trigger();
    addSupport("", true);
    EXPECT_EQ(model().supportLoc[3], 0.0);
    loading().action("runcalc")->trigger();
    EXPECT_EQ(legendText("sloadlab2_1"), "");
    EXPECT_EQ(legendText("sloadlab2_2"), "50 lb., -1500 lb.-in.");
    EXPECT_EQ(legendText("sloadlab2_3"), "50 lb., 1500 lb.-in.");

    prompts.replies.push_back(std::string("4"));  // the left one again: only x = L is left
    loading().action("removefeature")->trigger();
    prompts.clear();
    loading().action("runcalc")->trigger();
    EXPECT_EQ(prompts.lastMessage(), "First cantilever support must be placed at left end of beam.");

    prompts.replies.push_back(std::string("2"));
    loading().action("removefeature")->trigger();
    addSupport("10");
    addSupport("", true);
    prompts.clear();
    loading().action("runcalc")->trigger();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(legendText("sloadlab2_4"), "31.2 lb.");  // 5P/16
    EXPECT_EQ(legendText("sloadlab2_5"), "68.8 lb., 2250 lb.-in.");  // 3PL/16
}

// Twelve simple supports, equally spaced off the calculation grid, under a uniform load:
// the reactions balance the load and mirror each other.
TEST_F(QaScenario, MoreThanTenSimpleSupports)
{
    startBeam(false, "100");
    for (int i = 0; i <= 11; ++i) addSupport(QString::number(i * 100.0 / 11.0, 'g', 17));
    addDistLoad("1", "1", "0", "100", "pf");
    setSection("100", "", "5");
    prompts.replies.push_back(std::string("6"));
    loading().action("significantfigs")->trigger();
    loading().action("runcalc")->trigger();
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    double sum = 0;
    for (int k = 1; k <= 12; ++k) {
        const QString t = legendText(("sloadlab2_" + std::to_string(k)).c_str());
        ASSERT_TRUE(t.endsWith(" lb.")) << t.toStdString();
        sum += t.chopped(4).toDouble();
        const QString mirror = legendText(("sloadlab2_" + std::to_string(13 - k)).c_str());
        EXPECT_EQ(t, mirror) << k;
    }
    EXPECT_NEAR(sum, 100.0, 1e-3);
}

// Overhangs at both ends and supports between calculation points: the reactions satisfy
// both equilibrium equations.
TEST_F(QaScenario, OverhangsAndSupportsOffTheGrid)
{
    startBeam(false, "100");
    addSupport("3.33333");
    addSupport("71.7171");
    addSupport("50");
    addPointLoad("100", "0");
    addPointLoad("100", "100");
    setSection("100", "", "5");
    prompts.replies.push_back(std::string("9"));
    loading().action("significantfigs")->trigger();
    loading().action("runcalc")->trigger();
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    const double x[] = {3.33333, 71.7171, 50};
    double force = 0, moment = 0;
    for (int k = 1; k <= 3; ++k) {
        const double r = legendText(("sloadlab2_" + std::to_string(k)).c_str()).chopped(4).toDouble();
        force += r;
        moment += r * x[k - 1];
    }
    EXPECT_NEAR(force, 200.0, 1e-5);
    EXPECT_NEAR(moment, 100.0 * 100.0, 1e-3);
}

TEST_F(QaScenario, ChangeResolutionWithOddReplies)
{
    startBeam(false, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "5");
    setSection("10", "", "1");
    struct Reply {
        const char* text;
        float resolution;
        const char* message;
    };
    const Reply replies[] = {
        {"abc", 10000, ""},
        {"5", 10000, "Choose value between 10 and 200,000."},
        {"2.5e5", 200000, "Resolution too large.\rResolution set to 200,000."},
        {"10.5", 10, ""},
        {"", 10, ""},
        {"-3", 10, "Choose value between 10 and 200,000."},
        {"1e39", 200000, "Resolution too large.\rResolution set to 200,000."},
        {"199999.5", 200000, ""},
        {"11", 11, ""},
    };
    for (const Reply& r : replies) {
        prompts.clear();
        prompts.replies.push_back(std::string(r.text));
        loading().action("changerltn")->trigger();
        EXPECT_EQ(model().resolution, r.resolution) << r.text;
        EXPECT_EQ(prompts.lastMessage(), r.message) << r.text;
        prompts.clear();
        loading().action("runcalc")->trigger();
        EXPECT_TRUE(prompts.messages().empty()) << r.text << ": " << prompts.lastMessage();
        EXPECT_EQ(legendText("sloadlab2_1"), "50 lb.") << r.text;
    }
    // At 11 intervals the load lies between points; the last point is still x = L.
    calcItem("point")->trigger();
    QWidget* pv = find("pointvalues");
    ASSERT_NE(pv, nullptr);
    type(pv, "loc", "10");
    press(pv, "Command2");
    const QString def = boxText(pv, "def");
    ASSERT_TRUE(def.endsWith(" in.")) << def.toStdString();
    EXPECT_LT(std::abs(def.chopped(4).toDouble()), 1e-12) << def.toStdString();
    press(pv, "Command1");
}

TEST_F(QaScenario, EditAndRemovePromptsWithOddReplies)
{
    startBeam(false, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "5");
    const BeamModel before = model();
    for (const char* r : {"abc", "0", "0.4", "3.5", "-1", "1e10", "nan", "1e-300", "4", "1e400"}) {
        prompts.clear();
        prompts.replies.push_back(std::string(r));
        loading().action("editfeature")->trigger();
        EXPECT_EQ(prompts.lastMessage(), "Invalid feature number") << r;
        EXPECT_FALSE(model().editingFeature) << r;
        prompts.clear();
        prompts.replies.push_back(std::string(r));
        loading().action("removefeature")->trigger();
        EXPECT_EQ(prompts.lastMessage(), "Invalid feature number") << r;
    }
    for (const std::optional<std::string>& cancel : {std::optional<std::string>(""), std::optional<std::string>()}) {
        prompts.clear();
        prompts.replies.push_back(cancel);
        loading().action("removefeature")->trigger();
        EXPECT_TRUE(prompts.messages().empty());
    }
    EXPECT_EQ(model().numFeatures, before.numFeatures);
    EXPECT_EQ(model().supportLoc[2], before.supportLoc[2]);
    EXPECT_EQ(model().pointLoadMag[1], before.pointLoadMag[1]);

    prompts.clear();
    prompts.replies.push_back(std::string(" 2.5 "));  // rounds to the even 2
    loading().action("editfeature")->trigger();
    QWidget* support = find("support_info");
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(support->windowTitle(), "Edit Feature 2");
    press(support, "Command1");  // untouched Submit
    EXPECT_EQ(model().supportLoc[2], before.supportLoc[2]);
    prompts.replies.push_back(std::string("2.5"));
    loading().action("removefeature")->trigger();
    EXPECT_EQ(model().supportLoc[2], -1.0);
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

TEST_F(QaScenario, PointValuesWithOddInput)
{
    startBeam(false, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "5");
    setSection("10", "", "1");
    loading().action("runcalc")->trigger();
    calcItem("point")->trigger();
    QWidget* pv = find("pointvalues");
    ASSERT_NE(pv, nullptr);
    type(pv, "loc", "5");
    press(pv, "Command2");
    EXPECT_EQ(boxText(pv, "mom"), "250 lb.-ft.");  // PL/4
    for (const char* bad : {"abc", "", "10.001", "-0.001", "1e300", "1e308", "5 ft", "0x10"}) {
        prompts.clear();
        type(pv, "loc", bad);
        press(pv, "Command2");
        EXPECT_EQ(prompts.lastMessage(),
                  parseNumber(bad) ? "Invalid location." : kNotANumberMessage)
            << bad;
        EXPECT_EQ(boxText(pv, "mom"), "250 lb.-ft.") << bad;
    }
    prompts.clear();
    type(pv, "loc", "-0");
    press(pv, "Command2");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(boxText(pv, "mom"), "0 lb.-in.");
    press(pv, "Command1");
}

// The windows as pictures: the sketch, legend and diagrams are drawn where they belong.
TEST_F(QaScenario, RenderedWindowsShowSketchAndDiagrams)
{
    startBeam(false, "20");
    addSupport("", true);
    addSupport("20");
    addPointLoad("1000", "8");
    addDistLoad("2", "4", "0", "20", "pf");
    setSection("100", "", "5");
    loading().action("runcalc")->trigger();
    ASSERT_NE(screen(), nullptr);
    const ScreenGeometry& g = app.context().state.geometry;
    const double ppx = loading().surface().pixelsPerTwipX();
    const double ppy = loading().surface().pixelsPerTwipY();
    loading().resize(int(g.workAreaWidth * ppx), int(g.workAreaHeight * ppy));
    const QImage sketch = loading().surface().grab().toImage();
    // The hatched beam between its ends.
    int dark = 0;
    const int y = int((g.beamTop + g.beamBottom) / 2.0 * ppy);
    for (int x = int(g.beamLeft * ppx) + 2; x < int(g.beamRight * ppx) - 2; ++x)
        if (qGray(sketch.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 10);
    // The three curves are drawn: black pixels just right of the left end, off the axis.
    const QImage& diagrams = static_cast<CalculationsWindow*>(screen())->surface().backingImage();
    int black = 0;
    for (int row = 0; row < diagrams.height(); ++row)
        if (diagrams.pixel(int((g.beamLeft + 30) * ppx), row) == qRgb(0, 0, 0)) ++black;
    EXPECT_GT(black, 20);
}
// Metric edits of each kind: an untouched Submit keeps every value bit for bit, a force
// option changed alone reads the shown numbers in the new unit, a removed load's slot is
// not reused and a new load gets a legend group of its own.
TEST_F(QaScenario, MetricEditsOfEachKind)
{
    startBeam(true, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("100", "3", "kg");
    addDistLoad("50", "20", "2", "8", "kg");
    addMoment("30", "6", "kg");
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(legendText("dloadlab1"), "start=50 kg/m, 2 m");
    EXPECT_EQ(legendText("dloadlab2_1"), "end=20 kg/m, 8 m");
    EXPECT_EQ(legendText("mloadlab1"), "30 kg-m");
    const BeamModel before = model();

    for (const auto& [row, dialog] : {std::pair{"3", "load_info"}, std::pair{"4", "distload_info"},
                                      std::pair{"5", "moment_info"}, std::pair{"2", "support_info"}}) {
        prompts.replies.push_back(std::string(row));
        loading().action("editfeature")->trigger();
        QWidget* d = find(dialog);
        ASSERT_NE(d, nullptr) << dialog;
        press(d, "Command1");
        EXPECT_FALSE(d->isVisible()) << dialog;
    }
    EXPECT_EQ(model().pointLoadMag[1], before.pointLoadMag[1]);
    EXPECT_EQ(model().distLoadStartMag[1], before.distLoadStartMag[1]);
    EXPECT_EQ(model().distLoadEndMag[1], before.distLoadEndMag[1]);
    EXPECT_EQ(model().momentMag[1], before.momentMag[1]);
    EXPECT_EQ(model().supportLoc[2], before.supportLoc[2]);

    prompts.replies.push_back(std::string("4"));
    loading().action("editfeature")->trigger();
    QWidget* dist = find("distload_info");
    ASSERT_NE(dist, nullptr);
    choose(dist, "N");
    press(dist, "Command1");
    EXPECT_EQ(model().distLoadStartMag[1], 50.0);
    EXPECT_EQ(model().distLoadEndMag[1], 20.0);
    EXPECT_EQ(legendText("dloadlab1"), "start=50 N/m, 2 m");

    prompts.replies.push_back(std::string("3"));
    loading().action("removefeature")->trigger();
    addPointLoad("2000", "7");
    EXPECT_EQ(model().numPointLoads, 2);
    EXPECT_EQ(legendText("featlabel6"), "Feature 6");
    EXPECT_EQ(legendText("loadlab2"), "2000 N");
    EXPECT_EQ(legendText("loadlab1"), "");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

// Reinitialize answered Yes opens the start-up dialog; its unit options switch the model
// at once. Closing it without Continue left a beam of 1200 inches read as 1200 m and the
// loading screen erased.
TEST_F(QaScenario, StartUpDialogClosedAfterReinitializeKeepsTheBeam)
{
    startBeam(false, "100");
    addSupport("0");
    prompts.saveChoices.push_back(SaveChoice::Discard);
    for (const bool byEscape : {false, true}) {
        prompts.answers.push_back(true);
        loading().action("reinitialize")->trigger();
        QWidget* properties = find("properties");
        ASSERT_NE(properties, nullptr);
        ASSERT_TRUE(properties->isVisible());
        choose(properties, "Met");
        EXPECT_TRUE(model().metricUnits);
        if (byEscape)
            QTest::keyClick(properties, Qt::Key_Escape);
        else
            properties->close();
        EXPECT_FALSE(properties->isVisible());
        EXPECT_FALSE(model().metricUnits);
        EXPECT_EQ(model().beamLength, 1200.0);
    }
    // The bare beam is drawn again: its hatching is back between the ends.
    const ScreenGeometry& g = app.context().state.geometry;
    const QImage& sketch = loading().surface().backingImage();
    const double ppx = loading().surface().pixelsPerTwipX();
    const int y = int((g.beamTop + g.beamBottom) / 2.0 * loading().surface().pixelsPerTwipY());
    int dark = 0;
    for (int x = int(g.beamLeft * ppx) + 2; x < int(g.beamRight * ppx) - 2; ++x)
        if (qGray(sketch.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 10);

    // Continue after switching still converts nothing but takes the typed length as metres.
    prompts.answers.push_back(true);
    loading().action("reinitialize")->trigger();
    QWidget* properties = find("properties");
    choose(properties, "Met");
    type(properties, "Length", "12");
    press(properties, "Command1");
    EXPECT_TRUE(model().metricUnits);
    EXPECT_EQ(model().beamLength, 12.0);
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

// Loads at the ends of the double range: the relayout rounded them to 32-bit floats, so
// 1e300 became infinite and its labels were thrown far above the window, and a load of
// 1e-50 read as removed.
TEST_F(QaScenario, LegendOfHugeAndTinyLoadsStaysOnTheWindow)
{
    startBeam(true, "10");
    addSupport("0");
    addSupport("10");
    addPointLoad("1e-50", "2");
    addPointLoad("1e300", "5");
    addDistLoad("1e300", "1e300", "0", "10");
    addMoment("1e300", "7");
    addPointLoad("-1e300", "8");
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    const ScreenGeometry& g = app.context().state.geometry;
    for (int row = 3; row <= 7; ++row) {
        const LegendLabel* number = loading().legend().find("featlabel" + std::to_string(row));
        ASSERT_NE(number, nullptr) << row;
        EXPECT_GE(number->top, 0.0) << row;
        EXPECT_LE(number->top, double(g.workAreaHeight)) << row;
    }
    // The tiny load is a live load: a larger one arriving moves its labels like any other.
    const LegendLabel* tiny = loading().legend().find("featlabel3");
    EXPECT_GT(tiny->top, double(g.beamTop) - 1100.0);
    EXPECT_LT(tiny->top, double(g.beamTop));
}

// A low resolution puts 5 ft and 15 ft on a 100 ft beam half an interval off the points
// 0 and 2: the run used to swing without end and ask whether to go on.
TEST_F(QaScenario, LowResolutionWithSupportsBetweenPointsRunsWithoutQuestion)
{
    startBeam(false, "100");
    addSupport("5");
    addSupport("15");
    addDistLoad("1", "1", "0", "100", "pf");
    setSection("100", "", "5");
    prompts.replies.push_back(std::string("10"));
    loading().action("changerltn")->trigger();
    ASSERT_EQ(model().resolution, 10.0f);
    prompts.clear();
    prompts.answers = {true, true, false};
    loading().action("runcalc")->trigger();
    EXPECT_TRUE(prompts.shown.empty()) << prompts.shown.front().text;
    EXPECT_NE(screen(), nullptr);
}

}  // namespace
}  // namespace spanrix
