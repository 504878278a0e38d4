// Reaction solver: support order, the equations against textbook reactions, the LU
// factors, and the reaction captions.

#include <gtest/gtest.h>

#include "engine/analysis.h"
#include "engine_beams.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

using namespace test_beams;

ReactionSolution solve(const BeamModel& m)
{
    ReactionSolution r;
    collectSupports(m, r);
    assembleReactionSystem(m, r);
    EXPECT_TRUE(LU_decomp(r));
    luBackSubstitute(r);
    return r;
}

double force(const ReactionSolution& r, int k) { return r.supportForce(k); }

TEST(ReactionSolver, StaticallyDeterminateBeams)
{
    BeamModel simple = emptyBeam(120);
    addSupport(simple, 0);
    addSupport(simple, 120);
    addPointLoad(simple, 1000, 60);
    ReactionSolution r = solve(simple);
    EXPECT_EQ(r.unknownCount(), 2);
    EXPECT_NEAR(force(r, 1), 500, 1e-9);
    EXPECT_NEAR(force(r, 2), 500, 1e-9);

    // Cantilever with a tip load: M1 = PL, R1 = P.
    BeamModel cant = emptyBeam(120);
    addSupport(cant, 0, true);
    addPointLoad(cant, 1000, 120);
    r = solve(cant);
    EXPECT_EQ(r.unknownCount(), 2);
    EXPECT_NEAR(r.reactionVector[1], 120000, 1e-6);
    EXPECT_NEAR(force(r, 1), 1000, 1e-9);

    // Antisymmetric triangular load (w0 + w1 = 0): no resultant, but a moment wL^2/6.
    BeamModel anti = emptyBeam(120);
    addSupport(anti, 0);
    addSupport(anti, 120);
    addDistLoad(anti, 0, 120, 10, -10);
    r = solve(anti);
    EXPECT_NEAR(force(r, 1), 10.0 * 120 / 6, 1e-9);
    EXPECT_NEAR(force(r, 2), -10.0 * 120 / 6, 1e-9);
}

TEST(ReactionSolver, StaticallyIndeterminateBeams)
{
    const double w = 10, L = 120;
    // Propped cantilever with a uniform load: 5wL/8 at the fixed end, 3wL/8 at the prop.
    ReactionSolution r = solve(proppedCantilever(L, w));
    EXPECT_NEAR(force(r, 1), 5 * w * L / 8, 1e-8);
    EXPECT_NEAR(force(r, 2), 3 * w * L / 8, 1e-8);
    EXPECT_NEAR(r.reactionVector[1], w * L * L / 8, 1e-6);

    // Fixed-fixed with a central load: P/2 each end, fixing moments PL/8 (the right one
    // in the same rotational sense as the left, hence the opposite sign).
    BeamModel fixed = emptyBeam(L);
    addSupport(fixed, 0, true);
    addSupport(fixed, L, true);
    addPointLoad(fixed, 1000, L / 2);
    r = solve(fixed);
    EXPECT_EQ(r.unknownCount(), 4);
    EXPECT_NEAR(r.reactionVector[1], 1000 * L / 8, 1e-6);
    EXPECT_NEAR(r.reactionVector[2], -1000 * L / 8, 1e-6);
    EXPECT_NEAR(force(r, 1), 500, 1e-8);
    EXPECT_NEAR(force(r, 2), 500, 1e-8);

    // Three equal spans on four supports: ends 0.4 wl, interior 1.1 wl; supports added
    // out of order and one of them off any calculation grid.
    const double span = 40.0 / 3;
    BeamModel three = emptyBeam(3 * span);
    addSupport(three, 2 * span);
    addSupport(three, 0);
    addSupport(three, 3 * span);
    addSupport(three, span);
    addDistLoad(three, 0, 3 * span, w, w);
    r = solve(three);
    EXPECT_NEAR(force(r, 1), 1.1 * w * span, 1e-8);
    EXPECT_NEAR(force(r, 2), 0.4 * w * span, 1e-8);
    EXPECT_NEAR(force(r, 3), 0.4 * w * span, 1e-8);
    EXPECT_NEAR(force(r, 4), 1.1 * w * span, 1e-8);
}

TEST(ReactionSolver, SolverOrderIsByPositionNotByAddition)
{
    BeamModel m = emptyBeam(100);
    const int s1 = addSupport(m, 20);
    const int leftCant = addSupport(m, 0, true);
    const int s2 = addSupport(m, 50);
    const int rightCant = addSupport(m, 100, true);
    const int s3 = addSupport(m, 70);
    ReactionSolution r;
    collectSupports(m, r);
    EXPECT_EQ(r.activeSupportCount, 5);
    EXPECT_EQ(r.cantileverCount, 2);
    const std::array<int, 6> rows{0, leftCant, s1, s2, s3, rightCant};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.reactionFeature[k], rows[k]);

    // The left cantilever removed and added again: it still leads.
    BeamModel again = emptyBeam(100);
    addSupport(again, 0, true);
    const int right = addSupport(again, 100, true);
    again.supportLoc[1] = -1;
    const int left = addSupport(again, 0, true);
    addPointLoad(again, 1000, 50);
    r = solve(again);
    EXPECT_EQ(r.activeSupportCount, 2);
    EXPECT_EQ(r.reactionFeature[1], left);
    EXPECT_EQ(r.reactionFeature[2], right);
    EXPECT_NEAR(r.reactionVector[1], 1000 * 100 / 8.0, 1e-6);
}

TEST(ReactionSolver, RemovedSupportsAndLoadsAtSupports)
{
    BeamModel m = emptyBeam(100);
    addSupport(m, 0);
    addSupport(m, 40);
    addSupport(m, 100);
    m.supportLoc[2] = -1;
    addPointLoad(m, 1000, 25);
    addPointLoad(m, 300, 100);  // exactly at a support
    ReactionSolution r = solve(m);
    EXPECT_EQ(r.activeSupportCount, 2);
    EXPECT_NEAR(force(r, 1), 750, 1e-9);
    EXPECT_NEAR(force(r, 2), 250 + 300, 1e-9);

    // A load at the position of a support does not enter that support's load term.
    BeamModel atSupport = emptyBeam(100);
    addSupport(atSupport, 0);
    addSupport(atSupport, 50);
    addSupport(atSupport, 100);
    addPointLoad(atSupport, 1000, 50);
    collectSupports(atSupport, r);
    assembleReactionSystem(atSupport, r);
    EXPECT_EQ(r.supportLoadTerm[2], 0.0);
    EXPECT_NEAR(r.supportLoadTerm[3], -1000 * 50.0 * 50 * 50 / 6, 1e-6);
}

TEST(LuDecomposition, PivotsSolvesAndRefusesSingularSystems)
{
    ReactionSolution r;
    r.activeSupportCount = 3;  // a 3 x 3 system with a known solution (1, -2, 3)
    r.reactionMatrix[1] = {0, 2, 1, -1};
    r.reactionMatrix[2] = {0, 4, 3, 1};
    r.reactionMatrix[3] = {0, 4, 3, 1};
    r.reactionMatrix[3][3] = 4;
    const double x[4] = {0, 1, -2, 3};
    for (int i = 1; i <= 3; ++i) {
        r.reactionVector[i] = 0;
        for (int j = 1; j <= 3; ++j) r.reactionVector[i] += r.reactionMatrix[i][j] * x[j];
    }
    ASSERT_TRUE(LU_decomp(r));
    EXPECT_EQ(r.pivotOrder[1], 3);  // all rows tie on scaled size: the last wins
    luBackSubstitute(r);
    for (int i = 1; i <= 3; ++i) EXPECT_NEAR(r.reactionVector[i], x[i], 1e-12);

    ReactionSolution zeroRow;
    zeroRow.activeSupportCount = 2;
    zeroRow.reactionMatrix[1] = {0, 1, 2};
    EXPECT_FALSE(LU_decomp(zeroRow));

    ReactionSolution dependent;
    dependent.activeSupportCount = 2;
    dependent.reactionMatrix[1] = {0, 1, 2};
    dependent.reactionMatrix[2] = {0, 2, 4};
    EXPECT_FALSE(LU_decomp(dependent));
}

TEST(ReactionCaptions, ThreeVariantsInBothUnitSystems)
{
    BeamModel simple = emptyBeam(120);
    addSupport(simple, 0);
    const int gone = addSupport(simple, 60);
    simple.supportLoc[2] = -1;
    const int right = addSupport(simple, 120);
    addPointLoad(simple, 1000, 30);
    auto captions = reactionCaptions(simple, solve(simple), 3);
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0].featureRow, 1);
    EXPECT_EQ(captions[0].caption, "750 lb.");
    EXPECT_EQ(captions[1].featureRow, right);
    EXPECT_EQ(captions[1].caption, "250 lb.");
    EXPECT_NE(captions[1].featureRow, gone);

    BeamModel cant = emptyBeam(12, true);
    addSupport(cant, 0, true);
    addSupport(cant, 6);
    addPointLoad(cant, 1000, 12);
    captions = reactionCaptions(cant, solve(cant), 3);
    ASSERT_EQ(captions.size(), 2u);
    // Fixed at 0, propped at 6, tip load at 12: R1 = -1500, M1 = -3000, R2 = 2500.
    EXPECT_EQ(captions[0].caption, "-1500 N, -3000 N-m");
    EXPECT_EQ(captions[1].caption, "2500 N");

    BeamModel fixed = emptyBeam(100);
    const int rightCant = addSupport(fixed, 100, true);
    const int leftCant = addSupport(fixed, 0, true);
    addSupport(fixed, 50);
    addPointLoad(fixed, 1000, 25);
    addPointLoad(fixed, 1000, 75);
    const ReactionSolution r = solve(fixed);
    captions = reactionCaptions(fixed, r, 4);
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_EQ(captions[0].featureRow, leftCant);
    EXPECT_EQ(captions[0].caption, displayText(r.reactionVector[3], 4) + " lb., "
                                       + displayText(r.reactionVector[1], 4) + " lb.-in.");
    EXPECT_EQ(captions[1].caption, displayText(r.reactionVector[4], 4) + " lb.");
    EXPECT_EQ(captions[2].featureRow, rightCant);
    EXPECT_EQ(captions[2].caption, displayText(r.reactionVector[5], 4) + " lb., "
                                       + displayText(r.reactionVector[2], 4) + " lb.-in.");
}

}  // namespace
}  // namespace spanrix
