#include <gtest/gtest.h>

#include "engine/result_display.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

ResultBasis englishBasis(double length = 120, double intervals = 10, bool useInches = false)
{
    ResultBasis b;
    b.beamLength = length;
    b.intervals = intervals;
    b.pointCount = static_cast<int>(intervals) + 1;
    b.useInches = useInches;
    b.momentOfInertia = 100.0f;
    b.modulusE = 29e6f;
    return b;
}

ResultBasis metricBasis()
{
    ResultBasis b = englishBasis(10, 10);
    b.metricUnits = true;
    b.momentOfInertia = 8e-5f;
    b.modulusE = 200e9f;
    return b;
}

TEST(ResultDisplay, MomentSwitchesToFeetAtThousandInchPounds)
{
    EXPECT_EQ(momentText(999, false, 3), "999 lb.-in.");
    EXPECT_EQ(momentText(1000, false, 3), "83.3 lb.-ft.");
    EXPECT_EQ(momentText(-1000, false, 3), "-83.3 lb.-ft.");
    EXPECT_EQ(momentText(123456, true, 3), "123000 N-m");
    // Diagram labels switch on the peak, so the axis label of a big diagram is in lb-ft.
    EXPECT_EQ(momentLabelText(0, 1000, false, 3), "0 lb.-ft.");
    EXPECT_EQ(momentLabelText(333, 999, false, 3), "333 lb.-in.");
    EXPECT_EQ(momentLabelText(333.3333, 1000, false, 3), "27.8 lb.-ft.");
}

TEST(ResultDisplay, StressUnitsByMagnitude)
{
    EXPECT_EQ(stressText(999, true, 3), "999 Pa");
    EXPECT_EQ(stressText(-1000, true, 3), "-1 kPa");
    EXPECT_EQ(stressText(999999, true, 3), "1000 kPa");
    EXPECT_EQ(stressText(1e6, true, 3), "1 MPa");
    EXPECT_EQ(stressText(9999, false, 3), "10000 psi");
    EXPECT_EQ(stressText(10000, false, 3), "10 ksi");

    EXPECT_EQ(stressLabelText(333, 999, true, 3), "333 Pa");
    EXPECT_EQ(stressLabelText(333, 1000, true, 3), "0.333 kPa");
    EXPECT_EQ(stressLabelText(0, 1e6, true, 3), "0 MPa");
    EXPECT_EQ(stressLabelText(5000, 10000, false, 3), "5 ksi");
}

TEST(ResultDisplay, ShearSwitchesToKipsOrKilonewtonsAtThousand)
{
    EXPECT_EQ(shearText(999, false, 3), "999 lb.");
    EXPECT_EQ(shearText(-1000, false, 3), "-1 kips");
    EXPECT_EQ(shearText(999, true, 3), "999 N");
    EXPECT_EQ(shearText(2224.111, true, 3), "2.22 kN");
    EXPECT_EQ(shearLabelText(0, 1000, false, 3), "0 kips");
    EXPECT_EQ(shearLabelText(-333, 999, true, 3), "-333 N");
}

TEST(ResultDisplay, DeflectionAndSlopeRemoveStiffness)
{
    const ResultBasis eng = englishBasis();
    const double ei = 100.0 * 29e6;
    // Held downward positive, shown upward positive.
    EXPECT_EQ(deflectionText(0.5 * ei, eng, 3), "-0.5 in.");
    EXPECT_EQ(deflectionLabelText(0.5 * ei, eng, 3), "0.5 in.");
    const ResultBasis met = metricBasis();
    EXPECT_EQ(deflectionText(-0.002 * 8e-5f * 200e9f, met, 3), "2 mm");
    EXPECT_EQ(deflectionLabelText(0.002 * 8e-5f * 200e9f, met, 3), "2 mm");

    // The two windows' values of pi differ in the eighth figure.
    EXPECT_EQ(slopeText(ei, eng, kPiMaxWindow, 8), "57.295779 degrees");
    EXPECT_EQ(slopeText(ei, eng, kPiPointWindow, 8), "57.29578 degrees");
}

TEST(ResultDisplay, LocationsInMetresInchesOrFeet)
{
    EXPECT_EQ(locationText(60, englishBasis(), 3), "5 ft.");
    EXPECT_EQ(locationText(60, englishBasis(120, 10, true), 3), "60 in.");
    EXPECT_EQ(locationText(2.5, metricBasis(), 3), "2.5 m");
}

TEST(ResultDisplay, MaximumValuesOfARunWithoutLoadsKeepOldLocations)
{
    ResultSet r;
    r.peakMomentLoc = 24;  // left by an earlier run
    const MaxValueTexts t = maxValueTexts(peakValues(r), englishBasis(), 3);
    EXPECT_EQ(t[Quantity::Moment].value, "0 lb.-in.");
    EXPECT_EQ(t[Quantity::Moment].location, "2 ft.");
    EXPECT_EQ(t[Quantity::Stress].value, "0 psi");
    EXPECT_EQ(t[Quantity::Deflection].value, "0 in.");
    EXPECT_EQ(t[Quantity::Slope].value, "0 degrees");
    EXPECT_EQ(t[Quantity::Slope].location, "0 ft.");
}

TEST(ResultDisplay, NoteWhenTheGridMissesAnExactPeakByMoreThanHalfAPercent)
{
    const ResultBasis basis = englishBasis();
    PeakValues exact;
    exact.moment = {-12000, 60};
    exact.deflection = {100 * 29e6 * 0.0314, 80.5};  // E*I times 0.0314 in., downward
    exact.slope = {1000, 0};
    const struct {
        double moment, deflection, slope;
        const char* note;
    } cases[] = {
        {-12000, exact.deflection.value, 1000, ""},
        {11950, exact.deflection.value * 0.996, 1004, ""},  // within 0.5 %, either sign
        {exact.moment.value, exact.deflection.value * 0.99, 1000,
         "Between calculation points the largest deflection is -0.0314 in. at 6.71 ft.: see Display > "
         "Exact Maximum Values."},
        {-11000, exact.deflection.value * 0.9, 900,  // the first that misses
         "Between calculation points the largest moment is -1000 lb.-ft. at 5 ft.: see Display > "
         "Exact Maximum Values."},
        {-12000, exact.deflection.value, 1006, "Between calculation points the largest slope is "},
    };
    for (const auto& c : cases) {
        PeakValues grid = exact;
        grid.moment.value = c.moment;
        grid.deflection.value = c.deflection;
        grid.slope.value = c.slope;
        const std::string note = gridPeakNote(grid, exact, basis, 3);
        // A note is all or nothing: an empty one is compared whole.
        const size_t compared = *c.note ? std::string(c.note).size() : std::string::npos;
        EXPECT_EQ(note.substr(0, compared), c.note) << c.moment << " " << c.deflection << " " << c.slope;
    }
}

class PointLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Point i holds moment 100 * i: the text tells which point was read.
        for (int i = 0; i <= 10; ++i) results.momentAt[static_cast<size_t>(i) + 1] = 100.0 * i;
    }
    std::string momentAt(std::string_view typed, bool feet, const ResultBasis& basis)
    {
        const PointLookup found = findPointValues(typed, feet, results, basis, 3);
        EXPECT_FALSE(found.message);
        return found.values ? (*found.values)[Quantity::Moment] : std::string();
    }
    void expectRefused(std::string_view typed, bool feet, const ResultBasis& basis)
    {
        const PointLookup found = findPointValues(typed, feet, results, basis, 3);
        EXPECT_FALSE(found.values) << typed;
        EXPECT_EQ(found.message.value_or(""),
                  parseNumber(typed) ? "Invalid location." : kNotANumberMessage)
            << typed;
    }
    ResultSet results;
};

TEST_F(PointLookupTest, NearestPointWithHalvesToEven)
{
    const ResultBasis b = englishBasis(120, 10);  // points every 12 in.
    EXPECT_EQ(momentAt("0", false, b), "0 lb.-in.");
    EXPECT_EQ(momentAt("120", false, b), "83.3 lb.-ft.");  // point 10: 1000 lb-in
    EXPECT_EQ(momentAt("6", false, b), "0 lb.-in.");       // halfway 0..1 goes to 0
    EXPECT_EQ(momentAt("18", false, b), "200 lb.-in.");    // halfway 1..2 goes to 2
    EXPECT_EQ(momentAt("1.5", true, b), "200 lb.-in.");    // 1.5 ft = 18 in.
    EXPECT_EQ(momentAt("10", true, b), "83.3 lb.-ft.");    // the right end in feet
    EXPECT_EQ(momentAt(" 35.9 ", false, b), "300 lb.-in.");
    EXPECT_EQ(nearestPoint(120, b), 10);
}

TEST_F(PointLookupTest, LocationsOffTheBeamOrNotNumbersAreRefused)
{
    const ResultBasis b = englishBasis(120, 10);
    expectRefused("-0.001", false, b);
    expectRefused("126.001", false, b);  // more than half an interval past the end
    expectRefused("10.6", true, b);      // 127.2 in.
    expectRefused("abc", false, b);
    expectRefused("", false, b);
    expectRefused("12ft", false, b);
    expectRefused("1e400", false, b);
    // Metric locations are metres whatever the English option says.
    EXPECT_EQ((*findPointValues("10", true, results, metricBasis(), 3).values)[Quantity::Moment],
              "1000 N-m");
}

// A 1 ft beam converted to metric is 0.30479999999999996 m long; typing its length
// 0.3048 m, or anything up to half an interval past the end, reads the last point.
TEST_F(PointLookupTest, TheEndOfTheBeamWithinHalfAnInterval)
{
    ResultBasis b = metricBasis();
    b.beamLength = 12 * 0.0254;
    ASSERT_LT(b.beamLength, 0.3048);
    EXPECT_EQ(momentAt("0.3048", false, b), "1000 N-m");  // point 10
    EXPECT_TRUE(isOnBeam(b.beamLength * 1.0499, b));
    EXPECT_FALSE(isOnBeam(b.beamLength * 1.0501, b));
    EXPECT_EQ(nearestPoint(b.beamLength * 1.0499, b), 10);
    expectRefused("0.33", false, b);
}

TEST_F(PointLookupTest, FractionalResolutionNeverReadsPastTheRun)
{
    ResultBasis b = englishBasis(120, 10);
    b.intervals = 10.6;  // the run filled points 0..10 only
    EXPECT_EQ(nearestPoint(120, b), 10);
}

}  // namespace
}  // namespace spanrix
