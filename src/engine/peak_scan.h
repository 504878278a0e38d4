#pragma once

#include <algorithm>
#include <array>
#include <cmath>

// Finding the largest magnitude along the grid while a pass writes it, block by block. The
// comparisons run in independent lanes, so they do not wait on each other; the position is
// looked up only in a block that holds a new peak. NaN never becomes a peak: the passes
// find values beyond the range of numbers by other means.
namespace spanrix::engine_detail {

// Points handled at a time, so that evaluating and scanning stay in cache.
inline constexpr int kBlock = 2048;

inline double largestMagnitude(const double* values, int begin, int end)
{
    constexpr int kLanes = 8;
    std::array<double, kLanes> lane{};
    int j = begin;
    for (; j + kLanes <= end; j += kLanes)
        for (int k = 0; k < kLanes; ++k) lane[k] = std::max(lane[k], std::abs(values[j + k]));
    double largest = 0;
    for (; j < end; ++j) largest = std::max(largest, std::abs(values[j]));
    for (double l : lane) largest = std::max(largest, l);
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
        const double largest = largestMagnitude(values, begin, end);
        if (!(largest > magnitude)) return;
        magnitude = largest;
        index = begin;
        while (std::abs(values[index]) != largest) ++index;
    }

    // Values met in decreasing index order, [begin, end) from end - 1 down.
    void scanDown(const double* values, int begin, int end)
    {
        const double largest = largestMagnitude(values, begin, end);
        if (!(largest > magnitude)) return;
        magnitude = largest;
        index = end - 1;
        while (std::abs(values[index]) != largest) --index;
    }
};

}  // namespace spanrix::engine_detail
