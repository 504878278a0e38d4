// Faults found by walking the program as a user: the engine side.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/analysis.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using namespace test_beams;

// The calculations screen repeats the analysis without the run's checks; after a reset
// the section properties are 0 and every stress, slope and deflection would be a
// division by zero shown as NaN or Infinity.
TEST(QaAnalyse, RefusesMissingSectionPropertiesAndKeepsResults)
{
    auto results = std::make_unique<ResultSet>();
    results->stressAt[1] = 7;
    ReactionSolution r;
    for (int which = 0; which < 3; ++which) {
        BeamModel m = emptyBeam(120);
        addSupport(m, 0);
        addSupport(m, 120);
        addPointLoad(m, 100, 60);
        if (which == 0) m.momentOfInertia = 0.0f;
        if (which == 1) m.modulusE = 0.0f;
        if (which == 2) m.fiberDistance = 0.0f;
        EXPECT_EQ(analyse(m, r, *results, {}),
                  "Enter beam properties before calculating deflection.");
        EXPECT_EQ(results->stressAt[1], 7);
    }
    BeamModel whole = emptyBeam(120);
    addSupport(whole, 0);
    addSupport(whole, 120);
    addPointLoad(whole, 100, 60);
    ASSERT_FALSE(analyse(whole, r, *results, {}));
    EXPECT_TRUE(std::isfinite(results->peakStress));
    EXPECT_TRUE(std::isfinite(results->peakDeflection));
}

}  // namespace
}  // namespace spanrix

namespace spanrix {
namespace {

// Supports half a point spacing off the grid on either side (0.5 dx and 1.5 dx round to
// points 0 and 2) made each correction of the starting slope overshoot by exactly the
// miss: the shooting swung for ever and asked after every 100 passes.
TEST(QaShooting, SupportsHalfwayBetweenPointsConverge)
{
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    for (const auto& [lo, hi] : {std::pair{6.0, 18.0}, std::pair{3.0, 9.0}, std::pair{42.0, 54.0}}) {
        BeamModel m = emptyBeam(120);
        m.resolution = 10;  // points every 12 in
        addSupport(m, lo);
        addSupport(m, hi);
        addDistLoad(m, 0, 120, 1, 1);
        int questions = 0;
        const auto ask = [&questions] { return ++questions < 3; };
        ASSERT_FALSE(runCalculations(m, r, *results, ask));
        EXPECT_EQ(questions, 0) << lo << " " << hi;
        const int kHi = static_cast<int>(std::nearbyint(hi / 12.0)) + 1;
        EXPECT_LT(std::abs(results->deflectionAt[static_cast<size_t>(kHi)]), 1.0);
    }
}

}  // namespace
}  // namespace spanrix
