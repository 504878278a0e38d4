#include "legend/legend_layout.h"

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

}  // namespace
}  // namespace spanrix
