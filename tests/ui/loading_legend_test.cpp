#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "loading_fixtures.h"
#include "drawing/legend.h"

namespace spanrix {
namespace {

class LegendTest : public ::testing::Test {
protected:
    // What drawSketch does after a dialog appended a feature.
    void build()
    {
        legend.addPointLoadLegend(model.numPointLoads, model.shownPointLoads, model.numFeatures);
        legend.addDistLoadLegend(model.numDistLoads, model.shownDistLoads, model.numFeatures);
        legend.addMomentLegend(model.numMoments, model.shownMoments, model.numFeatures);
        legend.addSupportLegend(model.numSupports, model.shownSupports, model.numFeatures);
    }

    std::vector<double> tops(int row)
    {
        std::vector<double> out;
        for (const LegendLabel& l : legend.group(row)->labels) out.push_back(l.top);
        return out;
    }

    std::vector<std::string> captions(int row)
    {
        std::vector<std::string> out;
        for (const LegendLabel& l : legend.group(row)->labels) out.push_back(l.caption);
        return out;
    }

    AppState state = testing::exampleState();
    BeamModel& model = state.model;
    Legend legend{state};
};

TEST_F(LegendTest, LoneUpwardLoadStacksBelowTheBeam)
{
    testing::addPointLoad(model, -5, 600, "lb", "ft");
    build();
    ASSERT_EQ(legend.rowCount(), 1);
    EXPECT_EQ(tops(1), (std::vector<double>{8125, 8325, 8525, 8725}));
    EXPECT_EQ(captions(1), (std::vector<std::string>{"Feature 1", "Point Load", "5 lb.", "x=50 ft."}));
    const LegendGroup& g = *legend.group(1);
    EXPECT_EQ(g[LegendGroup::Number].name, "featlabel1");
    EXPECT_EQ(g[LegendGroup::Title].name, "loadtitle1");
    EXPECT_EQ(g[LegendGroup::Value].name, "loadlab1");
    EXPECT_EQ(g[LegendGroup::Second].name, "loadlab2_1");
    EXPECT_TRUE(g[LegendGroup::Number].bold);
    EXPECT_TRUE(g[LegendGroup::Number].underlined);
    EXPECT_FALSE(g[LegendGroup::Title].underlined);
    for (const LegendLabel& l : g.labels) {
        EXPECT_EQ(l.left, 9100);
        EXPECT_EQ(l.width, 1000);
        EXPECT_EQ(l.height, 200);
        EXPECT_TRUE(l.visible);
    }
}

TEST_F(LegendTest, ANewMaximumMovesOnlyTheOlderGroups)
{
    testing::addPointLoad(model, -5, 600);
    build();
    testing::addPointLoad(model, 2, 300);  // smaller: nothing older moves
    build();
    EXPECT_EQ(tops(1), (std::vector<double>{8125, 8325, 8525, 8725}));
    EXPECT_EQ(tops(2)[0], 5400 - 864 - 800);

    testing::addPointLoad(model, 10, 900);  // larger: the older arrows shrink
    build();
    // The upward load is re-placed 25 twips lower than a fresh build would put it.
    EXPECT_EQ(tops(1), (std::vector<double>{7070, 7270, 7470, 7670}));
    EXPECT_NEAR(tops(2)[3], 5400 - 432 - 200, 1e-9);
    EXPECT_EQ(tops(3), (std::vector<double>{2440, 2640, 2840, 3040}));
}

// "loadlab2" + "1" and "loadlab" + "21" would both be loadlab21.
TEST_F(LegendTest, LabelNamesStayUniqueFromTheTwentyFirstOfAKind)
{
    for (int i = 0; i < 21; ++i) {
        testing::addPointLoad(model, 1, 50.0 * i);
        build();
    }
    std::set<std::string> names;
    for (int row = 1; row <= legend.rowCount(); ++row)
        for (const LegendLabel& l : legend.group(row)->labels) names.insert(l.name);
    EXPECT_EQ(names.size(), 4u * 21);
    EXPECT_EQ(legend.find("loadlab21")->caption, "1 lb.");
    EXPECT_EQ(legend.find("loadlab2_1")->caption, "x=0 in.");
}

TEST_F(LegendTest, SupportGroupNamesAndShapes)
{
    for (int i = 0; i < 9; ++i) {
        testing::addPointLoad(model, 1, 100.0 * i);
        build();
    }
    for (double loc : {0.0, 1200.0, 600.0}) {
        testing::addSupport(model, loc, "simp", "ft");
        build();
    }
    ASSERT_EQ(legend.rowCount(), 12);
    const LegendGroup& g = *legend.group(12);
    EXPECT_EQ(g[LegendGroup::Number].name, "featlabel12");
    EXPECT_EQ(g[LegendGroup::Number].caption, "Feature 12");
    EXPECT_EQ(g[LegendGroup::Title].name, "sloadtitle3");
    EXPECT_EQ(g[LegendGroup::Value].name, "sloadlab3");
    EXPECT_EQ(g[LegendGroup::Second].name, "sloadlab2_3");
    EXPECT_EQ(g[LegendGroup::Title].caption, "Simple Support");
    EXPECT_EQ(g[LegendGroup::Value].caption, "x=50 ft.");
    EXPECT_EQ(g[LegendGroup::Second].caption, "");
    EXPECT_EQ(g[LegendGroup::Title].left, 9600 - 1000);
    EXPECT_EQ(g[LegendGroup::Second].left, 9600 - 650);
    EXPECT_EQ(g[LegendGroup::Second].width, 1300);
    EXPECT_EQ(g[LegendGroup::Second].height, 400);
    EXPECT_TRUE(g[LegendGroup::Second].autoSize);
    EXPECT_NEAR(g[LegendGroup::Number].top, 5940 + 1080 / std::sqrt(2.0) + 25, 1e-9);
}

TEST_F(LegendTest, DistributedLoadAndMomentGroups)
{
    testing::addDistLoad(model, 2, 4, 0, 600);
    build();
    const LegendGroup& d = *legend.group(1);
    EXPECT_EQ(d[LegendGroup::Title].name, "dloadtitle1");
    EXPECT_EQ(d[LegendGroup::Title].left, 6000 - 500);  // centred on the load's midpoint
    EXPECT_EQ(d[LegendGroup::Value].left, 6000 - 2000);
    EXPECT_EQ(d[LegendGroup::Second].width, 4000);
    EXPECT_EQ(tops(1)[3], 5400 - 1080 - 200);

    testing::addMoment(model, -100, 1200, "pi", "in");
    build();
    const LegendGroup& m = *legend.group(2);
    EXPECT_EQ(m[LegendGroup::Value].name, "mloadlab1");
    EXPECT_EQ(m[LegendGroup::Value].width, 1500);
    EXPECT_EQ(m[LegendGroup::Value].left, 16800 - 750);
    EXPECT_EQ(tops(2)[0], 5400 - 1080 - 800);  // above the beam whatever the sign
}

TEST_F(LegendTest, RefreshRewritesValuesAndEmptiesReactions)
{
    testing::addPointLoad(model, 1234.5678, 600);
    testing::addSupport(model, 0);
    testing::addPointLoad(model, 7, 300);
    legend.rebuild();
    legend.setReactionCaption(2, "617 lb.");
    const LegendLabel& reaction = (*legend.group(2))[LegendGroup::Second];
    EXPECT_EQ(reaction.colour, kReactionColour);
    EXPECT_TRUE(reaction.bold);
    legend.blankGroupCaptions(3);
    model.pointLoadMag[2] = 0.0;
    EXPECT_EQ(captions(1)[2], "1230 lb.");

    state.sigFigs = 5;
    legend.refreshLegendCaptions();
    EXPECT_EQ(captions(1)[2], "1234.6 lb.");
    EXPECT_EQ(captions(2)[3], "");
    EXPECT_EQ(captions(3), (std::vector<std::string>{"", "", "", ""}));  // removed stays blank
}

TEST_F(LegendTest, RebuildKeepsFeatureOrderWithBlankGroups)
{
    testing::addPointLoad(model, 10, 600);
    testing::addPointLoad(model, 5, 300);
    testing::addSupport(model, 0);
    model.pointLoadMag[2] = 0.0;
    model.shownPointLoads = 2;
    model.shownSupports = 1;
    legend.rebuild();
    ASSERT_EQ(legend.rowCount(), 3);
    EXPECT_EQ(legend.group(1)->labels[0].name, "featlabel1");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(legend.group(2)->labels[static_cast<size_t>(i)].name, "blank2" + std::to_string(i + 1));
        EXPECT_EQ(legend.group(2)->labels[static_cast<size_t>(i)].caption, "");
    }
    EXPECT_EQ(legend.group(3)->labels[0].caption, "Feature 3");
    EXPECT_EQ(legend.group(3)->labels[1].name, "sloadtitle1");
    // Shown-counts belong to the file; the rebuild does not touch them.
    EXPECT_EQ(model.shownPointLoads, 2);

    legend.clear();
    EXPECT_EQ(legend.rowCount(), 0);
    EXPECT_EQ(legend.find("featlabel1"), nullptr);
}

TEST_F(LegendTest, AnEditMovesTheGroupAndRewritesItsCaptions)
{
    testing::addPointLoad(model, 10, 600);
    testing::addSupport(model, 0, "simp", "in");
    build();
    build();
    legend.setReactionCaption(2, "5 lb.");
    model.pointLoadLoc[1] = 1200;
    model.featureLengthUnit[1] = "ft";
    model.supportLoc[1] = 120;
    legend.updateLegendGroup(1);
    legend.updateLegendGroup(2);
    EXPECT_EQ(legend.group(1)->labels[0].left, 16800 - 500);
    EXPECT_EQ(captions(1)[3], "x=100 ft.");
    EXPECT_EQ(captions(2)[2], "x=120 in.");
    // A moved support: x - 500, x - 700, x - 500, x - 650.
    EXPECT_EQ(legend.group(2)->labels[0].left, 3840 - 500);
    EXPECT_EQ(legend.group(2)->labels[1].left, 3840 - 700);
    EXPECT_EQ(legend.group(2)->labels[1].width, 2000);
    EXPECT_EQ(legend.group(2)->labels[2].left, 3840 - 500);
    EXPECT_EQ(legend.group(2)->labels[3].left, 3840 - 650);
    EXPECT_EQ(captions(2)[3], "5 lb.");  // the reaction is the run's to replace
}

}  // namespace
}  // namespace spanrix
