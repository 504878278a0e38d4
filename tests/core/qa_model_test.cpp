// Faults found by walking the program as a user: the model side.

#include <gtest/gtest.h>

#include "forms/beam_setup.h"

namespace spanrix {
namespace {

// 1e308 ft is a number, but not in inches: an infinite beam was accepted and every later
// location check and the run then worked with infinity.
TEST(QaBeamLength, FeetBeyondTheRangeOfInchesAreRefused)
{
    BeamModel m;
    m.beamLength = 1200.0;
    for (const char* text : {"1e308", "1.5e307", "-1e308"}) {
        EXPECT_EQ(acceptBeamLength(m, text, true, true),
                  "Enter a positive non-zero value for beam length.")
            << text;
        EXPECT_EQ(m.beamLength, 1200.0);
    }
    // The same number in metres or inches is a (very long) beam.
    EXPECT_FALSE(acceptBeamLength(m, "1e308", false, true));
    EXPECT_EQ(m.beamLength, 1e308);
    EXPECT_FALSE(acceptBeamLength(m, "1e307", true, true));
    EXPECT_EQ(m.beamLength, 1.2e308);
}

}  // namespace
}  // namespace spanrix
