#pragma once

#include <vector>

namespace spanrix {

inline constexpr int kMaxResolution = 200000;
// Slot i + 1 holds point i: slots 1..200001.
inline constexpr int kResultSlots = kMaxResolution + 1;

// Moment, stress, slope and deflection along the beam. Slope and deflection are held
// multiplied by E*I, deflection positive downward. Allocated once for the largest
// resolution and reused by every run; slots beyond pointCount keep older values.
struct ResultSet {
    ResultSet();

    std::vector<double> momentAt, stressAt, slopeAt, deflectionAt;  // index = slot (1-based)
    int pointCount = 0;  // N + 1 of the last run

    double peakMoment = 0, peakMomentLoc = 0;          // signed
    double peakStress = 0, peakStressLoc = 0;          // magnitude
    double peakSlope = 0, peakSlopeLoc = 0;            // signed, times E*I
    double peakDeflection = 0, peakDeflectionLoc = 0;  // signed, times E*I
};

}  // namespace spanrix
