#include "legend/legend_layout.h"

#include "geometry/geometry.h"

#include <gtest/gtest.h>

namespace spanrix {
namespace {

TEST(LegendLayout, LabelsSharingAnEdgeDoNotOverlap)
{
    const LabelRect a{0, 0, 10, 2};
    EXPECT_FALSE(overlaps(a, {10, 0, 5, 2}));
    EXPECT_FALSE(overlaps(a, {0, 2, 10, 2}));
    EXPECT_TRUE(overlaps(a, {9.5, 1.5, 5, 2}));
    EXPECT_FALSE(overlaps(a, {2, 0, 5, 0}));  // no height, covers nothing
}

TEST(LegendLayout, ALabelInTheWayOfAnEarlierOneStepsDownByItsOwnHeight)
{
    // A stack of two, a label over both, one clear of them all, then one that steps past
    // the stack and then past the label moved under it.
    const std::vector<LabelRect> labels{{0, 0, 10, 2}, {0, 2, 10, 2}, {5, 1, 10, 1},
                                        {20, 0, 5, 2}, {4, 3, 4, 1}};
    EXPECT_EQ(clearedTops(labels), (std::vector<double>{0, 2, 4, 0, 5}));
    // Without crowding every label keeps its own place.
    const std::vector<LabelRect> apart{{0, 0, 10, 2}, {0, 2, 10, 2}, {20, 1, 5, 2}};
    EXPECT_EQ(clearedTops(apart), (std::vector<double>{0, 2, 1}));
    // A stack computed from a scale a hair lower takes the next one right under it.
    const std::vector<LabelRect> hair{{0, 1e-9, 10, 2}, {0, 2 + 1e-9, 10, 2}, {0, 0, 10, 2}};
    EXPECT_EQ(clearedTops(hair), (std::vector<double>{1e-9, 2 + 1e-9, 4}));
}

TEST(LegendLayout, AGroupInTheWayMovesDownWholeByTheOverlapUntilClear)
{
    const std::vector<LabelRect> lines{{0, 0, 10, 2}, {2, 2, 6, 2}, {0, 0, 0, 0}};
    EXPECT_EQ(boundingRect(lines), (LabelRect{0, 0, 10, 4}));
    // A group clear of the first, one overlapping it by 1, then one that overlaps the first
    // and, once under it, the one moved there.
    const std::vector<LabelRect> groups{{0, 0, 10, 4}, {20, 0, 5, 4}, {5, 3, 10, 4}, {8, 1, 4, 2}};
    EXPECT_EQ(clearedGroupTops(groups), (std::vector<double>{0, 0, 4, 8}));
    const std::vector<LabelRect> apart{{0, 0, 10, 4}, {0, 4, 10, 4}};
    EXPECT_EQ(clearedGroupTops(apart), (std::vector<double>{0, 4}));
}

TEST(ScreenGeometry, ScaledFromTheWorkAreaAndExactAtItsSize)
{
    EXPECT_EQ(scaledScreenGeometry(19200, 10800, 1.0, 1.0), screenGeometry(19200, 10800));
    const ScreenGeometry half = scaledScreenGeometry(19200, 10800, 0.5, 0.5);
    EXPECT_EQ(half, screenGeometry(9600, 5400));
    EXPECT_EQ(half.beamLeft, 1200);
    EXPECT_EQ(half.arrowScale, 1080);
    // A scale no window can have keeps the work area's size.
    EXPECT_EQ(scaledScreenGeometry(19200, 10800, 0.0, 1e300), screenGeometry(19200, 10800));
}

}  // namespace
}  // namespace spanrix
