#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "loading_fixtures.h"
#include "model/number_format.h"
#include "scripted_prompts.h"
#include "ui/app_context.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"

namespace spanrix {
namespace {

using testing::ScriptedPrompts;

class LoadingWindowTest : public ::testing::Test {
protected:
    explicit LoadingWindowTest(int workAreaHeight = 10800)
    {
        AppState& s = context.state;
        s.geometry.workAreaWidth = 19200;
        s.geometry.workAreaHeight = workAreaHeight;
        s.model.beamLength = 1200;
        s.sigFigs = 3;
        window = std::make_unique<LoadingWindow>(context);
        window->surface().ensureImageSize(QSize(1400, 800));
    }

    void trigger(const char* name) { window->action(name)->trigger(); }
    // A dialog's Add: erase, store, draw.
    template <typename Add>
    int add(Add addFeature)
    {
        window->drawSketch(15);
        const int row = addFeature(model());
        window->drawSketch(13);
        return row;
    }
    BeamModel& model() { return context.state.model; }
    QString labelText(const char* name)
    {
        QLabel* l = window->legendLabel(name);
        return l ? l->text() : QString("<none>");
    }

    ScriptedPrompts prompts;
    AppContext context{prompts};
    std::unique_ptr<LoadingWindow> window;
};

TEST_F(LoadingWindowTest, LoadStepSetsUpTheWindowAndTheGeometry)
{
    EXPECT_EQ(window->objectName(), "beam");
    EXPECT_EQ(window->windowTitle(), "Spanrix: Loading Screen[*]");
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    const ScreenGeometry& g = context.state.geometry;
    EXPECT_EQ(g.beamTop, 5400);
    EXPECT_EQ(g.beamBottom, 5940);
    EXPECT_EQ(g.beamLeft, 2400);
    EXPECT_EQ(g.beamRight, 16800);
    EXPECT_EQ(g.arrowScale, 2160);
    EXPECT_EQ(g.symbolScale, 1080);
    EXPECT_EQ(model().resolution, 10000.0f);
    EXPECT_FALSE(model().editingFeature);
    EXPECT_EQ(window->surface().fillStyle(), FillStyle::DiagonalCross);
    EXPECT_EQ(window->surface().fontSize(), 8.0f);
}

class OddHeightTest : public LoadingWindowTest {
protected:
    OddHeightTest() : LoadingWindowTest(10810) {}
};

TEST_F(OddHeightTest, HalvesRoundToEven)
{
    EXPECT_EQ(context.state.geometry.beamTop, 5405);
    EXPECT_EQ(context.state.geometry.beamBottom, 5946);
}

TEST_F(LoadingWindowTest, CommandsAreWiredOnlyByTheNamesOfTheMenu)
{
    EXPECT_THROW(window->setCommand("runcalcs", [] {}), std::invalid_argument);
    EXPECT_THROW(window->setCommand("calcmenu", [] {}), std::invalid_argument);
    EXPECT_THROW(window->action("nosuchitem"), std::invalid_argument);

    int runs = 0;
    window->setCommand("runcalc", [&runs] { runs += 1; });
    window->setCommand("runcalc", [&runs] { runs += 10; });
    trigger("runcalc");
    EXPECT_EQ(runs, 10);
    EXPECT_FALSE(window->unwiredCommands().contains("runcalc"));
}

TEST_F(LoadingWindowTest, LegendRecordsAreMirroredAsLabels)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, -5, 600); });
    QLabel* number = window->legendLabel("featlabel1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->parent(), &window->surface());
    EXPECT_EQ(number->text(), "Feature 1");
    EXPECT_TRUE(number->font().bold());
    EXPECT_TRUE(number->font().underline());
    const double px = window->surface().pixelsPerTwipX();
    const double py = window->surface().pixelsPerTwipY();
    // Centred on the load, as wide as its caption, over an opaque background.
    EXPECT_NEAR(number->x() + number->width() / 2.0, 9600 * px, 1.0);
    EXPECT_GT(number->width(), number->sizeHint().width());
    EXPECT_EQ(number->y(), qRound(8125 * py));
    EXPECT_TRUE(number->autoFillBackground());
    EXPECT_EQ(labelText("loadlab2_1"), "x=600 in.");

    window->showReactionCaption(1, "ignored for a load");
    window->clearLegend();
    EXPECT_EQ(window->legendLabel("featlabel1"), nullptr);
    EXPECT_TRUE(window->surface().findChildren<QLabel*>().isEmpty());
}

TEST_F(LoadingWindowTest, EditFeatureValidatesThenDispatchesByKind)
{
    std::vector<std::pair<FeatureKind, int>> opened;
    window->setEditFeatureHandler([&](FeatureKind kind, int n) { opened.emplace_back(kind, n); });
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    add([](BeamModel& m) { return testing::addSupport(m, 0); });
    add([](BeamModel& m) { return testing::addMoment(m, 5, 300); });

    for (const char* bad : {"0", "-1", "4", "3.5", "0.4", "abc"}) {
        prompts.clear();
        prompts.replies.push_back(std::string(bad));
        trigger("editfeature");
        EXPECT_EQ(prompts.lastMessage(), "Invalid feature number") << bad;
        EXPECT_FALSE(model().editingFeature) << bad;
    }
    EXPECT_TRUE(opened.empty());

    prompts.clear();
    prompts.replies.push_back(std::string("2.5"));
    trigger("editfeature");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Enter feature number to edit");
    EXPECT_EQ(prompts.shown[0].title, kAppTitle);
    EXPECT_EQ(prompts.shown[0].defaultText, "");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_pair(FeatureKind::Support, 2));
    EXPECT_TRUE(model().editingFeature);

    model().editingFeature = false;
    prompts.clear();
    prompts.replies.push_back(std::string(""));
    prompts.replies.push_back(std::nullopt);
    trigger("editfeature");
    trigger("editfeature");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_FALSE(model().editingFeature);
}

TEST_F(LoadingWindowTest, EditFeatureWithoutDialogsLeavesTheFlagDown)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    prompts.replies.push_back(std::string("1"));
    trigger("editfeature");
    EXPECT_FALSE(model().editingFeature);
}

TEST_F(LoadingWindowTest, RemoveFeatureRefusesBadNumbersAndChangesNothing)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    const BeamModel before = model();
    for (const char* bad : {"abc", "0", "2", "-3", "0.4"}) {
        prompts.clear();
        prompts.replies.push_back(std::string(bad));
        trigger("removefeature");
        EXPECT_EQ(prompts.lastMessage(), "Invalid feature number") << bad;
    }
    EXPECT_EQ(prompts.shown[0].text, "Enter feature number to remove");
    EXPECT_EQ(model(), before);
    EXPECT_EQ(labelText("loadlab1"), "10 lb.");
    EXPECT_FALSE(window->removeFeature(7));
}

TEST_F(LoadingWindowTest, RemovingTheLargestLoadRescalesAndBlanksItsGroup)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    add([](BeamModel& m) { return testing::addPointLoad(m, 5, 300); });
    add([](BeamModel& m) { return testing::addPointLoad(m, -8, 900); });
    prompts.replies.push_back(std::string("1"));
    trigger("removefeature");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(model().maxPointLoadMag, 8.0);
    EXPECT_EQ(labelText("featlabel1"), "");
    EXPECT_EQ(labelText("loadlab1"), "");
    EXPECT_EQ(labelText("featlabel2"), "Feature 2");
    // The -8 load is now the longest arrow: its stack sits a full arrowScale below the beam.
    EXPECT_EQ(window->legend().group(3)->labels[0].top, 5940 + 2160 + 50);
    EXPECT_EQ(window->legend().group(2)->labels[3].top, 5400 - 1350 - 200);

    const int next = add([](BeamModel& m) { return testing::addSupport(m, 0); });
    EXPECT_EQ(next, 4);
    EXPECT_EQ(labelText("featlabel4"), "Feature 4");
}

TEST_F(LoadingWindowTest, RemovedFeaturesLeaveNoTraceOnTheSurface)
{
    window->drawSketch(13);
    const QImage bare = window->surface().image().copy();
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    add([](BeamModel& m) { return testing::addSupport(m, 300); });
    add([](BeamModel& m) { return testing::addMoment(m, 500, 900); });  // its dot too
    EXPECT_NE(window->surface().image(), bare);
    for (int row : {1, 2, 3}) EXPECT_TRUE(window->removeFeature(row));
    EXPECT_EQ(window->surface().image(), bare);
}

TEST_F(LoadingWindowTest, ReinitializeAnsweredNoKeepsTheBareBeam)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, 10, 600); });
    model().momentOfInertia = 100.0f;
    model().resolution = 500.0f;
    int requests = 0;
    QObject::connect(window.get(), &LoadingWindow::changeBeamLengthRequested, [&] { ++requests; });
    prompts.answers.push_back(false);
    trigger("reinitialize");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "question");
    EXPECT_EQ(prompts.shown[0].text,
              "Current beam length is 100 ft.  Do you wish to change beam length?");
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(model().numFeatures, 0);
    EXPECT_EQ(model().beamLength, 1200.0);
    EXPECT_EQ(model().momentOfInertia, 0.0f);
    EXPECT_EQ(model().resolution, 10000.0f);
    EXPECT_EQ(window->legend().rowCount(), 0);
    EXPECT_TRUE(window->surface().findChildren<QLabel*>().isEmpty());

    prompts.answers.push_back(true);
    trigger("reinitialize");
    EXPECT_EQ(requests, 1);
}

TEST_F(LoadingWindowTest, SignificantFiguresEraseBeforeTheChange)
{
    model().useInches = true;
    model().beamLength = 1234.5678;
    add([](BeamModel& m) { return testing::addPointLoad(m, 1234.5678, 600); });
    add([](BeamModel& m) { return testing::addSupport(m, 0); });
    window->showReactionCaption(2, "617 lb.");
    EXPECT_EQ(labelText("sloadlab2_1"), "617 lb.");

    prompts.replies.push_back(std::string("5"));
    trigger("significantfigs");
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown[0].text, sigFigsPromptText(3));
    EXPECT_EQ(prompts.shown[0].title, kSigFigsTitle);
    EXPECT_EQ(context.state.sigFigs, 5);
    EXPECT_EQ(labelText("loadlab1"), "1234.6 lb.");
    EXPECT_EQ(labelText("sloadlab2_1"), "");

    // The surface shows exactly what a fresh drawing with 5 figures shows.
    ScriptedPrompts otherPrompts;
    AppContext other{otherPrompts};
    other.state = context.state;
    other.state.model.shownPointLoads = other.state.model.shownSupports = 0;
    LoadingWindow fresh(other);
    fresh.surface().ensureImageSize(QSize(1400, 800));
    fresh.drawSketch(13);
    EXPECT_EQ(window->surface().image(), fresh.surface().image());
}

TEST_F(LoadingWindowTest, SignificantFiguresRefusalsAndCancel)
{
    for (const char* bad : {"abc", "0", "16"}) {
        prompts.replies.push_back(std::string(bad));
        trigger("significantfigs");
        EXPECT_EQ(prompts.lastMessage(), kSigFigsRefusal) << bad;
    }
    prompts.clear();
    prompts.replies.push_back(std::string(""));
    prompts.replies.push_back(std::nullopt);
    trigger("significantfigs");
    trigger("significantfigs");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(context.state.sigFigs, 3);
}

TEST_F(LoadingWindowTest, UnitCommandsConvertAndFlipTheMenu)
{
    add([](BeamModel& m) { return testing::addPointLoad(m, 100, 600, "lb", "ft"); });
    trigger("metricunits");
    EXPECT_TRUE(model().metricUnits);
    EXPECT_FALSE(window->action("metricunits")->isEnabled());
    EXPECT_TRUE(window->action("englishunits")->isEnabled());
    EXPECT_EQ(labelText("loadlab1"), "445 N");
    EXPECT_EQ(labelText("loadlab2_1"), "x=15.2 m");

    trigger("englishunits");
    EXPECT_FALSE(model().metricUnits);
    EXPECT_TRUE(window->action("metricunits")->isEnabled());
    EXPECT_FALSE(window->action("englishunits")->isEnabled());
    EXPECT_EQ(labelText("loadlab2_1"), "x=600 in.");

    model().metricUnits = true;
    window->syncUnitMenu();
    EXPECT_TRUE(window->action("englishunits")->isEnabled());
    EXPECT_FALSE(window->action("metricunits")->isEnabled());
}

}  // namespace
}  // namespace spanrix
