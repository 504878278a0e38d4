#pragma once

#include <cmath>

// Finding the largest magnitude along the grid while a pass writes it, block by block. The
// comparisons run in independent lanes, so they do not wait on each other; the position is
// looked up only in a block that holds a new peak. NaN never becomes a peak: the passes
// find values beyond the range of numbers by other means.
namespace spanrix::engine_detail {

// Points handled at a time, so that evaluating and scanning stay in cache.
inline constexpr int kBlock = 512;

// The largest magnitude of values[begin, end), NaN passed over; 0 for none.
double largestMagnitude(const double* values, int begin, int end);

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

    // The same, for a caller that knows the largest magnitude of [begin, end) already.
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
