#pragma once

#include <vector>

namespace spanrix {

inline constexpr int kMinResolution = 10;
inline constexpr int kMaxResolution = 200000;

// Whether a run can use n calculation intervals: a whole number from 10 to 200,000. Only
// such a grid ends on the right end of the beam and has points enough for its peaks.
bool isUsableResolution(double n);
// Slot i + 1 holds point i: slots 1..200001.
inline constexpr int kResultSlots = kMaxResolution + 1;

// Moment, shear, stress, slope and deflection along the beam. Slope and deflection are
// held multiplied by E*I, deflection positive downward. The program allocates them once
// for the largest resolution and reuses them for every run; slots beyond pointCount keep
// older values.
struct ResultSet {
    ResultSet();
    // Room for slots 1..slots only, for a caller that keeps no more than its runs need.
    explicit ResultSet(int slots);

    // Grows every array to hold slots 1..slots; never shrinks. Every run calls it for its
    // own points before it writes any.
    void holdSlots(int slots);
    // Exactly slots 1..slots, keeping what the arrays already hold room for.
    void sizeTo(int slots);

    std::vector<double> momentAt, shearAt, stressAt, slopeAt, deflectionAt;  // index = slot (1-based)
    int pointCount = 0;  // N + 1 of the last run

    double peakMoment = 0, peakMomentLoc = 0;          // signed
    double peakShear = 0, peakShearLoc = 0;            // signed
    double peakStress = 0, peakStressLoc = 0;          // magnitude
    double peakSlope = 0, peakSlopeLoc = 0;            // signed, times E*I
    double peakDeflection = 0, peakDeflectionLoc = 0;  // signed, times E*I
};

// A signed extreme value and where it occurs.
struct Peak {
    double value = 0;
    double x = 0;
};

// The peaks of a solution: moment, shear, slope and deflection signed, stress as a
// magnitude; slope and deflection times E*I, deflection positive downward.
struct PeakValues {
    Peak moment, shear, stress, slope, deflection;
};

// The peaks the last run kept.
PeakValues peakValues(const ResultSet& results);

}  // namespace spanrix
