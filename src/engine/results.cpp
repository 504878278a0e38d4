#include "engine/results.h"

#include <algorithm>
#include <cmath>

namespace spanrix {

ResultSet::ResultSet() : ResultSet(kResultSlots) {}

ResultSet::ResultSet(int slots) { holdSlots(slots); }

void ResultSet::holdSlots(int slots)
{
    const auto size = static_cast<size_t>(std::max(slots, 0)) + 1;  // slot 0 is unused
    for (std::vector<double>* values : {&momentAt, &shearAt, &stressAt, &slopeAt, &deflectionAt})
        if (values->size() < size) values->resize(size, 0.0);
}

void ResultSet::sizeTo(int slots)
{
    const auto size = static_cast<size_t>(std::max(slots, 0)) + 1;
    for (std::vector<double>* values : {&momentAt, &shearAt, &stressAt, &slopeAt, &deflectionAt})
        values->resize(size, 0.0);
}

PeakValues peakValues(const ResultSet& r)
{
    return {{r.peakMoment, r.peakMomentLoc},
            {r.peakShear, r.peakShearLoc},
            {r.peakStress, r.peakStressLoc},
            {r.peakSlope, r.peakSlopeLoc},
            {r.peakDeflection, r.peakDeflectionLoc}};
}

bool isUsableResolution(double n)
{
    return n >= kMinResolution && n <= kMaxResolution && n == std::floor(n);
}

}  // namespace spanrix
