#include "design/envelope.h"

#include <algorithm>
#include <cmath>

namespace spanrix::design {

namespace {

const Peak& rangeEnd(const ExactRanges& r, Quantity q, bool upper)
{
    const PeakRange& range = q == Quantity::Moment ? r.moment
                             : q == Quantity::Shear ? r.shear
                                                    : r.deflection;
    return upper ? range.max : range.min;
}

// The exact extreme near x of the pattern worst at x, kept within [from, to].
Extreme refine(const CaseSolutions& s, const Combination& combination, Quantity q, double x,
               bool upper, double from, double to)
{
    Extreme e;
    e.pattern = worstPattern(s, combination, q, x, upper);
    const ExactSolution exact = combinedExact(s, loadingWeights(s, combination, e.pattern));
    const double dx = s.grid.dx;
    const ExactRanges ranges = exactRanges(exact, std::max(from, x - dx), std::min(to, x + dx));
    const Peak& peak = rangeEnd(ranges, q, upper);
    e.value = peak.value;
    e.x = peak.x;
    return e;
}

void addScaled(std::vector<double>& to, double factor, const std::vector<double>& values)
{
    if (values.size() != to.size()) return;  // the case has no solved part
    for (size_t i = 0; i < to.size(); ++i) to[i] += factor * values[i];
}

}  // namespace

Pattern worstPattern(const CaseSolutions& s, const Combination& combination, Quantity q, double x,
                     bool upper)
{
    Pattern pattern{};
    for (const CaseComponent& c : s.components) {
        if (c.part == 0) continue;
        const double share = combination.factor(c.loadCase) * quantityOf(exactValuesAt(c.exact, x), q);
        if (upper ? share > 0 : share < 0) pattern[caseSlot(c.loadCase)] |= 1u << (c.part - 1);
    }
    return pattern;
}

Curves combinationCurves(const CaseSolutions& s, const Combination& combination)
{
    Curves curves;
    const auto points = static_cast<size_t>(s.grid.pointCount);
    for (Quantity q : kQuantities) {
        const auto qi = static_cast<size_t>(q);
        std::vector<double>& upper = curves.upper[qi];
        std::vector<double>& lower = curves.lower[qi];
        upper.assign(points, 0.0);
        lower.assign(points, 0.0);
        for (LoadCase c : kLoadCases) {
            const double f = combination.factor(c);
            if (f == 0.0) continue;
            const CaseSolutions::Samples& samples = s.samples[caseSlot(c)][qi];
            if (!isPatterned(c)) {
                addScaled(upper, f, samples.all);
                addScaled(lower, f, samples.all);
                continue;
            }
            // Each part counts where it makes the value worse: a positive factor raises the
            // upper curve by the positive shares, a negative one by the negative shares.
            addScaled(upper, f, f > 0 ? samples.positive : samples.negative);
            addScaled(lower, f, f > 0 ? samples.negative : samples.positive);
        }
    }
    return curves;
}

Curves envelopeCurves(const CaseSolutions& s, const std::vector<Combination>& combinations)
{
    Curves envelope;
    bool first = true;
    for (const Combination& combination : combinations) {
        Curves c = combinationCurves(s, combination);
        if (first) {
            envelope = std::move(c);
            first = false;
            continue;
        }
        for (size_t q = 0; q < kQuantityCount; ++q) {
            for (size_t i = 0; i < c.upper[q].size(); ++i) {
                envelope.upper[q][i] = std::max(envelope.upper[q][i], c.upper[q][i]);
                envelope.lower[q][i] = std::min(envelope.lower[q][i], c.lower[q][i]);
            }
        }
    }
    return envelope;
}

Bounds patternedBounds(const CaseSolutions& s, const Combination& combination,
                       const Curves& curves, Quantity q, double from, double to)
{
    const auto qi = static_cast<size_t>(q);
    const double dx = s.grid.dx;
    const int last = s.grid.pointCount - 1;
    // The calculation points within [from, to], allowing for the rounding of i * dx.
    const int first = std::max(0, static_cast<int>(std::ceil(from / dx - 1e-9)));
    const int end = std::min(last, static_cast<int>(std::floor(to / dx + 1e-9)));
    if (first > end) {  // a stretch shorter than an interval: its middle stands for it
        const double middle = (from + to) / 2;
        return {refine(s, combination, q, middle, true, from, to),
                refine(s, combination, q, middle, false, from, to)};
    }
    int worstUpper = first, worstLower = first;
    for (int i = first + 1; i <= end; ++i) {
        const auto slot = static_cast<size_t>(i);
        if (curves.upper[qi][slot] > curves.upper[qi][static_cast<size_t>(worstUpper)]) worstUpper = i;
        if (curves.lower[qi][slot] < curves.lower[qi][static_cast<size_t>(worstLower)]) worstLower = i;
    }
    return {refine(s, combination, q, s.grid.x(worstUpper), true, from, to),
            refine(s, combination, q, s.grid.x(worstLower), false, from, to)};
}

CombinationsResult combineCases(const CaseSolutions& s, const std::vector<Combination>& combinations)
{
    CombinationsResult result;
    const Pattern all = allPartsLoaded(s);
    for (size_t index = 0; index < combinations.size(); ++index) {
        const Combination& combination = combinations[index];
        CombinationResult r;
        r.combination = combination;
        const std::vector<double> weights = loadingWeights(s, combination, all);
        r.reactions = combinedReactions(s, weights);
        r.peaks = exactPeaks(combinedExact(s, weights));
        const Curves curves = combinationCurves(s, combination);
        for (Quantity q : kQuantities) {
            const auto qi = static_cast<size_t>(q);
            Bounds& b = r.patterned[qi];
            b = patternedBounds(s, combination, curves, q, 0.0, s.beamLength);
            b.max.combination = b.min.combination = static_cast<int>(index);
            Bounds& e = result.envelope[qi];
            if (index == 0 || b.max.value > e.max.value) e.max = b.max;
            if (index == 0 || b.min.value < e.min.value) e.min = b.min;
        }
        result.combinations.push_back(std::move(r));
    }
    return result;
}

}  // namespace spanrix::design
