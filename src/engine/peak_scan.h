#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Finding the largest magnitude along the grid while a pass writes it, block by block. The
// comparisons run in independent lanes, so they do not wait on each other; the position is
// looked up only in a block that holds a new peak. NaN never becomes a peak: the passes
// find values beyond the range of numbers by other means.
namespace spanrix::engine_detail {

// Points handled at a time, so that evaluating and scanning stay in cache.
inline constexpr int kBlock = 512;

inline double largestMagnitude(const double* values, int begin, int end)
{
    double largest = 0;
    int j = begin;
#if defined(__SSE2__)
    // Eight magnitudes at a time in four pairs of lanes. maxpd keeps its second operand when
    // the first is NaN, so NaN is passed over as in the plain loop below.
    const __m128d sign = _mm_set1_pd(-0.0);
    __m128d lane[4] = {_mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd()};
    for (; j + 8 <= end; j += 8)
        for (int k = 0; k < 4; ++k)
            lane[k] = _mm_max_pd(_mm_andnot_pd(sign, _mm_loadu_pd(values + j + 2 * k)), lane[k]);
    const __m128d pair = _mm_max_pd(_mm_max_pd(lane[0], lane[1]), _mm_max_pd(lane[2], lane[3]));
    largest = std::max(_mm_cvtsd_f64(pair), _mm_cvtsd_f64(_mm_unpackhi_pd(pair, pair)));
#else
    constexpr int kLanes = 8;
    std::array<double, kLanes> lane{};
    for (; j + kLanes <= end; j += kLanes)
        for (int k = 0; k < kLanes; ++k) lane[k] = std::max(lane[k], std::abs(values[j + k]));
    for (double l : lane) largest = std::max(largest, l);
#endif
    for (; j < end; ++j) largest = std::max(largest, std::abs(values[j]));
    return largest;
}

// The largest magnitude so far and where: a later value replaces it only when strictly
// greater, so among equal magnitudes the one met first stays.
struct PeakScan {
    double magnitude = 0;
    int index = -1;  // none yet

    // Values met in increasing index order, [begin, end).
    void scanUp(const double* values, int begin, int end)
    {
        noteUp(values, begin, end, largestMagnitude(values, begin, end));
    }

    // Values met in decreasing index order, [begin, end) from end - 1 down.
    void scanDown(const double* values, int begin, int end)
    {
        noteDown(values, begin, end, largestMagnitude(values, begin, end));
    }

    // The same, for a pass that found the largest magnitude of [begin, end) as it wrote it.
    void noteUp(const double* values, int begin, int end, double largest)
    {
        if (!(largest > magnitude)) return;
        magnitude = largest;
        index = begin;
        while (std::abs(values[index]) != largest && index < end - 1) ++index;
    }
    void noteDown(const double* values, int begin, int end, double largest)
    {
        if (!(largest > magnitude)) return;
        magnitude = largest;
        index = end - 1;
        while (std::abs(values[index]) != largest && index > begin) --index;
    }
};

}  // namespace spanrix::engine_detail
