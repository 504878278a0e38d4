#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "design/steel_strength.h"
#include "model/units.h"

namespace spanrix::design {
namespace {

const SteelDesignTable& shippedTable()
{
    static const SteelDesignTable table = *loadSteelDesignTable(
        {(std::filesystem::path(SPANRIX_SOURCE_DIR) / "data" / std::string(kSteelDesignFileName)).string()})
        .table;
    return table;
}

DesignSection english(const std::string& name) { return designSection(*shippedTable().find(name), false); }

constexpr double kKsi = 1000;
constexpr double kFoot = 12;
constexpr double kKipFoot = 12000;  // lb-in

// Within the half per cent the manual's three figures allow.
void expectNear(double actual, double expected, const std::string& what)
{
    EXPECT_NEAR(actual, expected, 0.005 * std::abs(expected)) << what;
}

// Cb of a segment [a, b] (fractions of the span) of a uniformly loaded simple span.
double uniformSpanCb(double a, double b)
{
    auto m = [](double x) { return 4 * x * (1 - x); };
    const double peak = (a <= 0.5 && b >= 0.5) ? 1.0 : std::max(m(a), m(b));
    const double q = (b - a) / 4;
    return momentGradientFactor(peak, m(a + q), m(a + 2 * q), m(a + 3 * q));
}

TEST(MomentGradientFactor, UniformlyLoadedSimpleSpan)
{
    struct Case {
        const char* bracing;
        double a, b, cb;
    };
    for (const Case& c : {Case{"unbraced", 0, 1, 1.14}, Case{"midspan", 0, 0.5, 1.30},
                          Case{"third points, middle", 1.0 / 3, 2.0 / 3, 1.01},
                          Case{"third points, end", 0, 1.0 / 3, 1.46}})
        expectNear(uniformSpanCb(c.a, c.b), c.cb, c.bracing);
    EXPECT_EQ(momentGradientFactor(0, 0, 0, 0), 1.0);  // a segment without moment
}

// AISC Design Examples: W18 X 50 (F.1), W21 X 48 (flange local buckling), C15 X 33.9
// (F.2), Fy = 50 ksi, or 36 ksi for the channel; lengths in ft, moments in kip-ft.
TEST(FlexuralStrength, DesignExamples)
{
    struct Case {
        const char* example;
        const char* section;
        double fyKsi, lbFeet, cb;
        FlexureLimitState state;
        double lp, lr, lrfd, asd;  // 0: not given by the example
    };
    const double middleThird = uniformSpanCb(1.0 / 3, 2.0 / 3);
    const double half = uniformSpanCb(0, 0.5);
    const std::vector<Case> cases{
        {"F.1-1", "W18 X 50", 50, 0, 1, FlexureLimitState::Yielding, 0, 0, 379, 252},
        {"F.1-2", "W18 X 50", 50, 35.0 / 3, middleThird, FlexureLimitState::LateralTorsionalBuckling,
         5.83, 16.9, 306, 204},
        {"F.1-3", "W18 X 50", 50, 17.5, half, FlexureLimitState::LateralTorsionalBuckling, 5.83, 16.9,
         288, 191},
        {"W21 X 48 FLB", "W21 X 48", 50, 0, 1, FlexureLimitState::FlangeLocalBuckling, 0, 0, 398, 0},
        {"F.2-1", "C15 X 33.9", 36, 0, 1, FlexureLimitState::Yielding, 3.75, 14.5, 137, 91.3},
    };
    for (const Case& c : cases) {
        const DesignSection s = english(c.section);
        const double e = steelModulus(false);
        const double fy = c.fyKsi * kKsi;
        EXPECT_FALSE(flexureRefusal(s, fy, e)) << c.example;
        const FlexureStrength lrfd = flexuralStrength(s, fy, e, c.lbFeet * kFoot, c.cb, Method::Strength);
        const FlexureStrength asd = flexuralStrength(s, fy, e, c.lbFeet * kFoot, c.cb, Method::AllowableStress);
        EXPECT_EQ(lrfd.limitState, c.state) << c.example;
        EXPECT_EQ(lrfd.Mn, asd.Mn) << c.example;
        if (c.lp > 0) expectNear(lrfd.Lp / kFoot, c.lp, std::string(c.example) + " Lp");
        if (c.lr > 0) expectNear(lrfd.Lr / kFoot, c.lr, std::string(c.example) + " Lr");
        expectNear(lrfd.available / kKipFoot, c.lrfd, std::string(c.example) + " LRFD");
        if (c.asd > 0) expectNear(asd.available / kKipFoot, c.asd, std::string(c.example) + " ASD");
    }
}

TEST(FlexuralStrength, CbNeverLiftsTheStrengthAbovePlasticAndSlenderFlangesUseKc)
{
    const DesignSection s = english("W18 X 50");
    const FlexureStrength capped = flexuralStrength(s, 50 * kKsi, steelModulus(false), 8 * kFoot, 2.0,
                                                    Method::Strength);
    EXPECT_EQ(capped.Mn, capped.Mp);
    EXPECT_EQ(capped.limitState, FlexureLimitState::Yielding);

    // A flange beyond the non-compact limit: Mn = 0.9 E kc Sx / lambda^2, kc at most 0.76.
    DesignSection slender = s;
    slender.flangeSlenderness = 30;
    slender.htw = 20;  // 4 / sqrt(20) = 0.89, held to 0.76
    const FlexureStrength flb = flexuralStrength(slender, 50 * kKsi, steelModulus(false), 0, 1,
                                                 Method::Strength);
    EXPECT_EQ(flb.limitState, FlexureLimitState::FlangeLocalBuckling);
    EXPECT_DOUBLE_EQ(flb.Mn, 0.9 * steelModulus(false) * 0.76 * s.Sx / 900);
}

TEST(FlexuralStrength, RefusesAChannelWithANonCompactFlange)
{
    const DesignSection mc = english("MC6 X 15.3");
    EXPECT_FALSE(flexureRefusal(mc, 50 * kKsi, steelModulus(false)));
    EXPECT_EQ(flexureRefusal(mc, 70 * kKsi, steelModulus(false)),
              "The flange of MC6 X 15.3 is not compact at this yield stress, and a channel with a "
              "non-compact flange cannot be checked here. Choose a lower Fy or another section.");
}

// G.1: W24 X 62 at 50 ksi; a channel's web takes the lower factors and kv = 5.34.
TEST(ShearStrength, DesignExamplesAndWebsThatBuckle)
{
    const DesignSection w = english("W24 X 62");
    expectNear(shearStrength(w, 50 * kKsi, steelModulus(false), Method::Strength).available / kKsi, 306, "G.1A");
    expectNear(shearStrength(w, 50 * kKsi, steelModulus(false), Method::AllowableStress).available / kKsi, 204, "G.1B");

    // C15 X 33.9, h/tw = 30.9: Cv1 = 1, Vn = 0.6 Fy d tw, phi 0.90 / Omega 1.67.
    const DesignSection c = english("C15 X 33.9");
    const ShearStrength channel = shearStrength(c, 36 * kKsi, steelModulus(false), Method::Strength);
    EXPECT_EQ(channel.Cv1, 1.0);
    EXPECT_DOUBLE_EQ(channel.available, 0.9 * 0.6 * 36 * kKsi * 15.0 * 0.400);

    DesignSection slender = w;
    slender.htw = 100;  // beyond 1.10 sqrt(kv E / Fy) = 61.2 at 50 ksi
    const ShearStrength buckling = shearStrength(slender, 50 * kKsi, steelModulus(false), Method::AllowableStress);
    expectNear(buckling.Cv1, 0.612, "Cv1");
    EXPECT_DOUBLE_EQ(buckling.available, 0.6 * 50 * kKsi * w.d * w.tw * buckling.Cv1 / 1.67);
}

// A metric section is the English one converted: each strength is the English one times its
// unit factor, to rounding.
TEST(SteelStrengthUnits, MetricEqualsEnglish)
{
    const SteelShape& shape = *shippedTable().find("W18 X 50");
    const DesignSection in = designSection(shape, false);
    const DesignSection m = designSection(shape, true);
    const double fyIn = 50 * kKsi;
    const double fyM = fyIn * kPoundToNewton / (kInchToMetre * kInchToMetre);
    const FlexureStrength fIn = flexuralStrength(in, fyIn, steelModulus(false), 150, 1.2, Method::Strength);
    const FlexureStrength fM = flexuralStrength(m, fyM, steelModulus(true), 150 * kInchToMetre, 1.2,
                                                Method::Strength);
    EXPECT_NEAR(fM.available / (fIn.available * kPoundToNewton * kInchToMetre), 1, 1e-12);
    EXPECT_NEAR(fM.Lr / (fIn.Lr * kInchToMetre), 1, 1e-12);
    const double vIn = shearStrength(in, fyIn, steelModulus(false), Method::AllowableStress).available;
    const double vM = shearStrength(m, fyM, steelModulus(true), Method::AllowableStress).available;
    EXPECT_NEAR(vM / (vIn * kPoundToNewton), 1, 1e-12);
    EXPECT_NEAR(m.weightPerLength / (in.weightPerLength * kPoundToNewton / kInchToMetre), 1, 1e-12);
    EXPECT_DOUBLE_EQ(in.weightPerLength, 50.0 / 12);

    EXPECT_FALSE(yieldStressRefusal(345e6, true));
    EXPECT_EQ(yieldStressRefusal(75 * kKsi, false), "The yield stress Fy must be from 30 to 70 ksi.");
    EXPECT_EQ(yieldStressRefusal(200e6, true), "The yield stress Fy must be from 207 to 483 MPa.");
    EXPECT_EQ(gradeYieldStress(defaultGrade(shape.type), false), 50 * kKsi);
    EXPECT_EQ(gradeYieldStress(defaultGrade(SteelShapeType::MC), true), 250e6);
}

}  // namespace
}  // namespace spanrix::design
