#include <gtest/gtest.h>

#include <cmath>

#include "loading_fixtures.h"
#include "recording_surface.h"
#include "drawing/legend.h"
#include "drawing/sketch.h"

namespace spanrix {
namespace {

using testing::RecordingSurface;
using Op = RecordingSurface::Op;

// beamTop 5400, beamBottom 5940, beamLeft 2400, beamRight 16800, arrowScale 2160,
// symbolScale 1080; a 1200 in beam maps 1 in to 12 twips.
class SketchTest : public ::testing::Test {
protected:
    SketchTest() { surface.setFillStyle(FillStyle::DiagonalCross); }

    void expectLine(const Op& op, double x1, double y1, double x2, double y2)
    {
        EXPECT_EQ(op.kind, "line");
        EXPECT_NEAR(op.x1, x1, 1e-9);
        EXPECT_NEAR(op.y1, y1, 1e-9);
        EXPECT_NEAR(op.x2, x2, 1e-9);
        EXPECT_NEAR(op.y2, y2, 1e-9);
    }

    AppState state = testing::exampleState();
    BeamModel& model = state.model;
    RecordingSurface surface;
    Legend legend{state};
    Sketch sketch{surface, state, legend};
};

TEST_F(SketchTest, PointLoadArrowsScaleToTheLargest)
{
    testing::addPointLoad(model, 10, 600);
    testing::addPointLoad(model, -5, 300);
    sketch.drawPointLoads();
    ASSERT_EQ(surface.ops.size(), 8u);
    // Downward load: a 2160-twip shaft ending on the upper edge, a head 216 deep.
    expectLine(surface.ops[0], 9600, 3240, 9600, 5400);
    expectLine(surface.ops[1], 9600, 5400, 9816, 5184);
    expectLine(surface.ops[2], 9816, 5184, 9384, 5184);
    expectLine(surface.ops[3], 9384, 5184, 9600, 5400);
    // Upward load: half as long, below the beam, pointing up onto the lower edge.
    expectLine(surface.ops[4], 6000, 7020, 6000, 5940);
    expectLine(surface.ops[5], 6000, 5940, 5892, 6048);
}

TEST_F(SketchTest, DistributedLoadArrowsFollowTheIntensity)
{
    testing::addDistLoad(model, 2, 4, 0, 1200);
    sketch.drawDistLoads();
    ASSERT_EQ(surface.ops.size(), 21u);
    const double xs[] = {2400, 6000, 9600, 13200, 16800};
    const double lengths[] = {540, 675, 810, 945, 1080};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        expectLine(surface.ops[static_cast<size_t>(4 * k)], xs[k], 5400 - lengths[k], xs[k], 5400);
    }
    expectLine(surface.ops[20], 2400, 4860, 16800, 4320);  // the load line joining the tails
}

TEST_F(SketchTest, RemovedFeaturesDrawNothing)
{
    testing::addPointLoad(model, 10, 600);
    testing::addSupport(model, 300);
    model.pointLoadMag[1] = 0.0;
    model.supportLoc[1] = -1.0;
    testing::addDistLoad(model, 2, 4, 0, 1200);
    model.distLoadStartMag[1] = model.distLoadEndMag[1] = 0.0;
    sketch.drawPointLoads();
    sketch.drawDistLoads();
    sketch.drawMoments();
    sketch.drawSupports();
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(SketchTest, MomentsDrawADotAndAThreeQuarterArc)
{
    testing::addMoment(model, 100, 600);
    testing::addMoment(model, -50, 300);
    sketch.drawMoments();
    const auto circles = surface.ofKind("circle");
    const auto arcs = surface.ofKind("arc");
    ASSERT_EQ(circles.size(), 2u);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(circles[0].fill, FillStyle::Solid);
    EXPECT_DOUBLE_EQ(circles[0].r, 54);
    EXPECT_DOUBLE_EQ(circles[0].y1, 5670);
    EXPECT_EQ(surface.fillStyle(), FillStyle::DiagonalCross);
    EXPECT_DOUBLE_EQ(arcs[0].r, 1080);
    EXPECT_EQ(arcs[0].a1, static_cast<float>(15.70796325 / 4));
    EXPECT_EQ(arcs[0].a2, static_cast<float>(9.42477795 / 4));
    EXPECT_DOUBLE_EQ(arcs[1].r, 540);  // open on the right for a negative moment
    EXPECT_EQ(arcs[1].a1, static_cast<float>(3.14159265 / 4));
    EXPECT_EQ(arcs[1].a2, static_cast<float>(21.99114855 / 4));
    // The arrowhead of the negative moment starts at the arc's upper right end.
    const auto lines = surface.ofKind("line");
    ASSERT_EQ(lines.size(), 6u);
    const double c = std::cos(3.14159265 / 4);
    const double px = 6000 + c * 540;
    const double py = 5670 - 540 * c;
    expectLine(lines[3], px, py, px, py - 54);
    expectLine(lines[4], px, py - 54, px - 54, py);
    expectLine(lines[5], px - 54, py, px, py);
}

TEST_F(SketchTest, CantileverSupportAtTheLeftEnd)
{
    testing::addSupport(model, 0, "cant");
    sketch.drawSupports();
    const double half = 540;
    const double depth = 1080 / std::sqrt(2.0);
    ASSERT_GE(surface.ops.size(), 7u);
    expectLine(surface.ops[0], 2400, 5940, 2400 - half, 5940 + depth);
    expectLine(surface.ops[1], 2400 - half, 5940 + depth, 2400 + half, 5940 + depth);
    expectLine(surface.ops[2], 2400, 5940, 2400 + half, 5940 + depth);
    const Op& arc = surface.ops[3];
    EXPECT_EQ(arc.kind, "arc");
    EXPECT_DOUBLE_EQ(arc.x1, 2400);
    EXPECT_DOUBLE_EQ(arc.y1, 5670);
    EXPECT_DOUBLE_EQ(arc.r, 1080);
    for (const Op& op : surface.ops) EXPECT_EQ(op.color, kRed);
    EXPECT_EQ(surface.foreColor(), kBlack);
}

TEST_F(SketchTest, DrawPassWritesTheLengthInBoldArialAndKeepsBold)
{
    surface.setFontSize(8);
    sketch.drawSketch(13);
    ASSERT_GE(surface.ops.size(), 3u);
    EXPECT_EQ(surface.ops[0].kind, "refresh");
    const Op& beam = surface.ops[1];
    EXPECT_EQ(beam.kind, "box");
    EXPECT_EQ(beam.fill, FillStyle::DiagonalCross);
    EXPECT_EQ(beam.x1, 2400);
    EXPECT_EQ(beam.y2, 5940);
    const Op& text = surface.ops[2];
    EXPECT_EQ(text.text, "Beam Length is 100 ft.");
    EXPECT_DOUBLE_EQ(text.x1, 9600 - 1280);
    EXPECT_DOUBLE_EQ(text.y1, 9450);
    EXPECT_EQ(text.fontName, "arial");
    EXPECT_EQ(text.fontSize, 14.0f);
    EXPECT_TRUE(text.bold);
    EXPECT_EQ(surface.fontName(), "MS Sans Serif");
    EXPECT_EQ(surface.fontSize(), 8.0f);
    EXPECT_TRUE(surface.bold());
}

TEST_F(SketchTest, ErasePassOverdrawsInTheBackgroundButKeepsTheBeam)
{
    testing::addPointLoad(model, 10, 600);
    testing::addSupport(model, 300);
    sketch.drawSketch(13);
    const auto drawn = surface.ops;
    surface.ops.clear();
    sketch.drawSketch(15);
    ASSERT_EQ(surface.ops.size(), drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(surface.ops[i].kind, drawn[i].kind);
        EXPECT_EQ(surface.ops[i].x1, drawn[i].x1);
        EXPECT_EQ(surface.ops[i].y2, drawn[i].y2);
        EXPECT_EQ(surface.ops[i].text, drawn[i].text);
        const bool beam = surface.ops[i].kind == "box";
        if (surface.ops[i].kind != "refresh") {
            EXPECT_EQ(surface.ops[i].color, beam ? kBlack : kWhite);
        }
    }
    EXPECT_EQ(surface.foreColor(), kBlack);
    EXPECT_EQ(sketch.supportColor(), kRed);
}

TEST_F(SketchTest, DrawingBuildsEachLegendGroupOnce)
{
    testing::addPointLoad(model, 10, 600);
    sketch.drawSketch(13);
    testing::addSupport(model, 300);
    sketch.drawSketch(13);
    sketch.drawSketch(13);
    EXPECT_EQ(legend.rowCount(), 2);
    EXPECT_EQ(model.shownPointLoads, 1);
    EXPECT_EQ(model.shownSupports, 1);
    ASSERT_NE(legend.find("sloadtitle1"), nullptr);
}

// Pointing at the sketch finds features by the areas the drawing and the legend cover.
TEST_F(SketchTest, PointsFindTheFeatureDrawnThere)
{
    testing::addDistLoad(model, 2, 4, 0, 600);     // 1: arrows 540..1080 high over 2400..9600
    testing::addPointLoad(model, 10, 300);         // 2: shaft 3240..5400 at x 6000
    testing::addMoment(model, -50, 900);           // 3: radius 1080 around (13200, 5670)
    testing::addSupport(model, 1200, "simp");      // 4: triangle under 16800
    testing::addPointLoad(model, 5, 1000);         // 5, then removed
    model.pointLoadMag[2] = 0;
    const std::vector<PlacedLabel> legendLabels = {{4, 0, {16000, 7000, 1600, 200}}};
    struct Case {
        double x, y;
        int row;
    };
    const Case cases[] = {
        {6000, 4000, 2},    // the point load's shaft, inside the distributed load's area
        {6030, 5300, 2},    // beside its head
        {4000, 5000, 1},    // the distributed load alone
        {13200, 5000, 3},   // the moment's arc
        {16800, 6300, 4},   // the support's triangle
        {16100, 7100, 4},   // the support's legend label
        {14400, 4000, 0},   // where the removed load stood
        {14400, 5600, 0},   // bare beam
    };
    for (const Case& c : cases)
        EXPECT_EQ(featureAt(state, legendLabels, c.x, c.y), c.row) << c.x << "," << c.y;
    EXPECT_EQ(symbolBounds(state, 5), std::nullopt);
    EXPECT_EQ(symbolBounds(state, 9), std::nullopt);

    EXPECT_DOUBLE_EQ(*beamLocationAt(state, 9600, 5600), 600.0);
    EXPECT_DOUBLE_EQ(*beamLocationAt(state, 2380, 5600), 0.0);
    EXPECT_EQ(beamLocationAt(state, 9600, 4000), std::nullopt);
}

}  // namespace
}  // namespace spanrix
