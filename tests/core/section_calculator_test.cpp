#include <gtest/gtest.h>

#include "model/number_format.h"
#include "forms/section_calculator.h"

namespace spanrix {
namespace {

SectionDimensions rectangular(bool tube, const char* width, const char* height, const char* wall = "")
{
    return {.round = false, .tube = tube, .width = width, .height = height, .wall = wall,
            .outerDiameter = "", .innerDiameter = ""};
}

SectionDimensions round(bool tube, const char* outer, const char* inner = "")
{
    return {.round = true, .tube = tube, .width = "", .height = "", .wall = "",
            .outerDiameter = outer, .innerDiameter = inner};
}

std::optional<SectionResultTexts> results(const SectionDimensions& d, int sigFigs = 3)
{
    const SectionCalculation c = calculateSection(d, sigFigs);
    EXPECT_EQ(c.results.has_value(), c.refusal.empty());
    if (!c.results) {
        EXPECT_EQ(c.refusal, kInvalidDimensions);
    }
    return c.results;
}

TEST(SectionCalculator, FourSectionsGiveIRoundedToAtLeastSixFiguresAndCUnrounded)
{
    EXPECT_EQ(results(rectangular(false, "2", "6")), (SectionResultTexts{"36", "3"}));
    EXPECT_EQ(results(rectangular(true, "4", "6", "1")), (SectionResultTexts{"61.3333", "3"}));
    EXPECT_EQ(results(round(false, "2")), (SectionResultTexts{"0.785398", "1"}));
    // (2^4 - 1) x pi / 4 with the calculator's pi: 11.780972375.
    EXPECT_EQ(results(round(true, "4", "2")), (SectionResultTexts{"11.781", "2"}));
    EXPECT_EQ(results(round(false, "2"), 8)->inertia, "0.78539816");
    EXPECT_EQ(results(rectangular(false, "1", "3.3333"))->fiber, "1.66665");
    // Tube fields are ignored for solid sections; negative dimensions are used as typed.
    EXPECT_EQ(results(rectangular(false, "2", "-6", "junk")), (SectionResultTexts{"-36", "-3"}));
}

TEST(SectionCalculator, RefusesEmptyOrNonNumericBoxesAndTubesWithoutAHollow)
{
    EXPECT_FALSE(results(rectangular(true, "4", "6", "2")));    // 4 is not greater than 2 x 2
    EXPECT_FALSE(results(rectangular(true, "6", "4", "2")));
    EXPECT_FALSE(results(round(true, "4", "4")));
    EXPECT_FALSE(results(round(true, "4", "")));
    EXPECT_FALSE(results(rectangular(false, "2", "")));
    // A box it reads holding other text gets the message every number box gives.
    EXPECT_EQ(calculateSection(rectangular(false, "two", "6"), 3).refusal, kNotANumberMessage);
    EXPECT_EQ(calculateSection(round(true, "4", "1,5"), 3).refusal, kNotANumberMessage);
    EXPECT_FALSE(results(round(false, "1e200")));  // I beyond the range of numbers
}

}  // namespace
}  // namespace spanrix
