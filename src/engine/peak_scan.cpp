#include "engine/peak_scan.h"

#include <algorithm>
#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define SPANRIX_X86_LANES 1
#endif

namespace spanrix::engine_detail {

namespace {

double largestMagnitudeFrom(double largest, const double* values, int begin, int end)
{
    for (int j = begin; j < end; ++j) largest = std::max(largest, std::abs(values[j]));
    return largest;
}

#if defined(SPANRIX_X86_LANES)

// maxpd keeps its second operand when the first is NaN, so in both forms below NaN is
// passed over as in the plain loop: lane = max(|v|, lane).

// Eight magnitudes at a time in four pairs of lanes: every x86-64 processor has them.
double largestMagnitudePairs(const double* values, int begin, int end)
{
    const __m128d sign = _mm_set1_pd(-0.0);
    __m128d lane[4] = {_mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd()};
    int j = begin;
    for (; j + 8 <= end; j += 8)
        for (int k = 0; k < 4; ++k)
            lane[k] = _mm_max_pd(_mm_andnot_pd(sign, _mm_loadu_pd(values + j + 2 * k)), lane[k]);
    const __m128d pair = _mm_max_pd(_mm_max_pd(lane[0], lane[1]), _mm_max_pd(lane[2], lane[3]));
    const double largest = std::max(_mm_cvtsd_f64(pair), _mm_cvtsd_f64(_mm_unpackhi_pd(pair, pair)));
    return largestMagnitudeFrom(largest, values, j, end);
}

// Sixteen at a time in four quadruples, where the processor has them: the scans are a
// good part of a grid run, and this halves their instructions.
__attribute__((target("avx"))) double largestMagnitudeQuads(const double* values, int begin,
                                                            int end)
{
    const __m256d sign = _mm256_set1_pd(-0.0);
    __m256d lane[4] = {_mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd(),
                       _mm256_setzero_pd()};
    int j = begin;
    for (; j + 16 <= end; j += 16)
        for (int k = 0; k < 4; ++k)
            lane[k] = _mm256_max_pd(_mm256_andnot_pd(sign, _mm256_loadu_pd(values + j + 4 * k)),
                                    lane[k]);
    const __m256d quad =
        _mm256_max_pd(_mm256_max_pd(lane[0], lane[1]), _mm256_max_pd(lane[2], lane[3]));
    alignas(32) std::array<double, 4> lanes;
    _mm256_store_pd(lanes.data(), quad);
    const double largest = *std::max_element(lanes.begin(), lanes.end());
    return largestMagnitudeFrom(largest, values, j, end);
}

using Scan = double (*)(const double*, int, int);
const Scan kScan = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") ? largestMagnitudeQuads : largestMagnitudePairs;
}();

#endif

}  // namespace

double largestMagnitude(const double* values, int begin, int end)
{
#if defined(SPANRIX_X86_LANES)
    return kScan(values, begin, end);
#else
    return largestMagnitudeFrom(0, values, begin, end);
#endif
}

}  // namespace spanrix::engine_detail
