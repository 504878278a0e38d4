#include <gtest/gtest.h>

#include "files/results_csv.h"
#include "strict_csv.h"

namespace spanrix {
namespace {

using testing::parseCsvStrictly;

// Three points over 10 ft with values chosen to pick each unit.
struct Table {
    ResultSet results{3};
    ResultBasis basis;

    Table()
    {
        basis.beamLength = 120;
        basis.intervals = 2;
        basis.pointCount = 3;
        basis.momentOfInertia = 100.0f;
        basis.modulusE = 29e6f;
        const double ei = 100.0 * 29e6;
        results.momentAt = {0, 0, 12000 / 3.0, -12000};
        results.shearAt = {0, 0, 999, -500};
        results.stressAt = {0, 0, 20000, -600};
        results.slopeAt = {0, 0, 0.01 * ei, 0};
        results.deflectionAt = {0, 0, 0.25 * ei, 0};
        results.peakMoment = -12000;
        results.peakShear = 999;
        results.peakStress = 20000;
    }
    testing::CsvTable parsed(ResultUnits units) const
    {
        const auto table = parseCsvStrictly(resultsCsvText(results, basis, units));
        EXPECT_TRUE(table.has_value());
        return table.value_or(testing::CsvTable{});
    }
};

TEST(ResultsCsv, ShownUnitsFollowTheScreen)
{
    Table t;
    auto table = t.parsed(ResultUnits::Shown);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], (std::vector<std::string>{"x (ft.)", "moment (lb.-ft.)", "shear (lb.)", "stress (ksi)",
                                                  "slope (degrees)", "deflection (in.)"}));
    // 15 significant figures; deflection upward positive, slope in degrees.
    EXPECT_EQ(table[2], (std::vector<std::string>{"5", "333.333333333333", "999", "20", "0.572957795130823",
                                                  "-0.25"}));
    EXPECT_EQ(table[3][1], "-1000");

    t.basis.metricUnits = true;
    t.basis.useInches = true;  // an English choice only
    t.results.peakShear = 1000;
    table = t.parsed(ResultUnits::Shown);
    EXPECT_EQ(table[0], (std::vector<std::string>{"x (m)", "moment (N-m)", "shear (kN)", "stress (kPa)",
                                                  "slope (degrees)", "deflection (mm)"}));
    EXPECT_EQ(table[2][2], "0.999");
    EXPECT_EQ(table[2][5], "-250");
}

}  // namespace
}  // namespace spanrix
