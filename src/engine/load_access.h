#pragma once

#include <algorithm>

#include "model/beam_model.h"

// Small views of the model's loads the engine steps share. Counts are kept within the
// slot capacities so a damaged model can never index past its arrays.
namespace spanrix::engine_detail {

inline int pointLoadCount(const BeamModel& m)
{
    return std::clamp(m.numPointLoads, 0, kMaxPointLoads);
}
inline int distLoadCount(const BeamModel& m)
{
    return std::clamp(m.numDistLoads, 0, kMaxDistLoads);
}
inline int momentCount(const BeamModel& m) { return std::clamp(m.numMoments, 0, kMaxMoments); }

// What a live support holds: the engine reads the file's spelling only here.
enum class SupportType { Simple, Cantilever };
inline SupportType supportType(const BeamModel& m, int k)
{
    return m.supportType[k] == "cant" ? SupportType::Cantilever : SupportType::Simple;
}

// A linearly varying load from a to b with intensities w0 at a and w1 at b; k is the slope
// of the intensity.
struct DistLoad {
    double a, b, w0, w1, k;
};

// Whether distributed load j carries anything: a removed load (both intensities 0) does
// not, and neither does one without extent, which no dialog accepts but would otherwise
// divide by zero.
inline bool distLoadCarries(const BeamModel& m, int j)
{
    return (m.distLoadStartMag[j] != 0.0 || m.distLoadEndMag[j] != 0.0)
        && m.distLoadStart[j] < m.distLoadEnd[j];
}

inline DistLoad distLoad(const BeamModel& m, int j)
{
    const double a = m.distLoadStart[j], b = m.distLoadEnd[j];
    const double w0 = m.distLoadStartMag[j], w1 = m.distLoadEndMag[j];
    return {a, b, w0, w1, (w1 - w0) / (b - a)};
}

}  // namespace spanrix::engine_detail
