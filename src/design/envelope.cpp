#include "design/envelope.h"

#include <algorithm>
#include <cmath>

#include "engine/result_quantities.h"

namespace spanrix::design {

namespace {

const Peak& rangeEnd(const ExactRanges& r, Quantity q, bool upper)
{
    const PeakRange& range = q == Quantity::Moment ? r.moment
                             : q == Quantity::Shear ? r.shear
                                                    : r.deflection;
    return upper ? range.max : range.min;
}

// The exact extreme near x of a pattern, kept within [from, to].
Extreme refine(const CaseSolutions& s, const Combination& combination, Quantity q, double x,
               bool upper, double from, double to, const Pattern& pattern)
{
    Extreme e;
    e.pattern = pattern;
    const double dx = s.grid.dx;
    const double lo = std::max(from, x - dx), hi = std::min(to, x + dx);
    const ExactSolution exact = combinedExact(s, loadingWeights(s, combination, e.pattern), lo, hi);
    const ExactRanges ranges = exactRanges(exact, lo, hi);
    const Peak& peak = rangeEnd(ranges, q, upper);
    e.value = peak.value;
    e.x = peak.x;
    return e;
}

// The pattern worst at a calculation point, read from the parts' signs sampled there: a
// part counts where its factored share makes the value worse, as worstPattern finds it.
Pattern worstPatternAt(const CaseSolutions& s, const Combination& combination, Quantity q,
                       int point, bool upper)
{
    Pattern pattern{};
    const auto at = static_cast<size_t>(point);
    for (LoadCase c : kLoadCases) {
        const double f = combination.factor(c);
        const CaseSolutions::Samples& samples = s.samples[caseSlot(c)][q];
        if (!isPatterned(c) || f == 0.0 || samples.positiveParts.empty()) continue;
        pattern[caseSlot(c)] = upper == (f > 0) ? samples.positiveParts[at] : samples.negativeParts[at];
    }
    return pattern;
}

// One factored term of a combination's upper or lower curve: the samples and their blocks.
struct Term {
    double factor;
    const double* values;
    const CaseSolutions::Samples::Blocks* blocks;
};

// The leftmost calculation point of [first, end] where the sum of the terms is largest
// (upper) or smallest. The sum is taken point by point in the order of the terms. A run of
// points is searched only when the same sum of its bounds could match the best so far
// (rounding never lifts a sum above that of larger parts), the likeliest run first.
class WorstPointSearch {
public:
    WorstPointSearch(const std::array<Term, kLoadCaseCount>& terms, size_t count, int first,
                     int end, bool upper)
        : terms_(terms), count_(count), first_(first), end_(end), upper_(upper)
    {
        // Each term's bounds on the side that could make the sum worst.
        for (size_t t = 0; t < count_; ++t) {
            const bool high = upper_ == (terms_[t].factor > 0);
            limits_[t] = high ? &terms_[t].blocks->max : &terms_[t].blocks->min;
        }
    }

    int find()
    {
        if (count_ == 0) return first_;
        const auto top = static_cast<int>(terms_[0].blocks->max.size()) - 1;
        const int span = runPoints(top);
        search(top, first_ / span, end_ / span);
        return best_;
    }

private:
    static int runPoints(int level)
    {
        int points = 1;
        for (int l = 0; l <= level; ++l) points *= CaseSolutions::kBlockSize;
        return points;
    }

    bool better(double a, double b) const { return upper_ ? a > b : a < b; }

    bool couldWin(double limit, int start) const
    {
        return best_ < 0 || better(limit, bestValue_) || (limit == bestValue_ && start < best_);
    }

    double bound(int level, int run) const
    {
        const auto l = static_cast<size_t>(level), r = static_cast<size_t>(run);
        double sum = 0;
        for (size_t t = 0; t < count_; ++t) sum += terms_[t].factor * (*limits_[t])[l][r];
        return sum;
    }

    void scan(int from, int to)
    {
        for (int i = from; i <= to; ++i) {
            const auto at = static_cast<size_t>(i);
            double value = 0;
            for (size_t t = 0; t < count_; ++t) value += terms_[t].factor * terms_[t].values[at];
            if (best_ < 0 || better(value, bestValue_) || (value == bestValue_ && i < best_)) {
                best_ = i;
                bestValue_ = value;
            }
        }
    }

    // Runs lo..hi of a level, at most kBlockSize of them.
    void search(int level, int lo, int hi)
    {
        const int span = runPoints(level);
        std::array<double, CaseSolutions::kBlockSize> bounds{};
        int likeliest = lo;
        for (int run = lo; run <= hi; ++run) {
            bounds[static_cast<size_t>(run - lo)] = bound(level, run);
            if (better(bounds[static_cast<size_t>(run - lo)], bounds[static_cast<size_t>(likeliest - lo)]))
                likeliest = run;
        }
        auto visit = [&](int run) {
            const int from = std::max(first_, run * span), to = std::min(end_, run * span + span - 1);
            if (level == 0)
                scan(from, to);
            else
                search(level - 1, from / (span / CaseSolutions::kBlockSize), to / (span / CaseSolutions::kBlockSize));
        };
        visit(likeliest);
        for (int run = lo; run <= hi; ++run)
            if (run != likeliest && couldWin(bounds[static_cast<size_t>(run - lo)], run * span)) visit(run);
    }

    const std::array<Term, kLoadCaseCount>& terms_;
    std::array<const std::vector<std::vector<double>>*, kLoadCaseCount> limits_{};
    size_t count_;
    int first_, end_;
    bool upper_;
    int best_ = -1;
    double bestValue_ = 0;
};

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
        const double value = exactValuesAt(c.exact, x).*resultQuantity(q).section;
        const double share = combination.factor(c.loadCase) * value;
        if (upper ? share > 0 : share < 0) pattern[caseSlot(c.loadCase)] |= 1u << (c.part - 1);
    }
    return pattern;
}

Curves combinationCurves(const CaseSolutions& s, const Combination& combination)
{
    Curves curves;
    const auto points = static_cast<size_t>(s.grid.pointCount);
    for (Quantity q : kEnvelopedQuantities) {
        std::vector<double>& upper = curves.upper[q];
        std::vector<double>& lower = curves.lower[q];
        upper.assign(points, 0.0);
        lower.assign(points, 0.0);
        for (LoadCase c : kLoadCases) {
            const double f = combination.factor(c);
            if (f == 0.0) continue;
            const CaseSolutions::Samples& samples = s.samples[caseSlot(c)][q];
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
        for (Quantity q : kEnvelopedQuantities) {
            std::vector<double>& upper = envelope.upper[q];
            std::vector<double>& lower = envelope.lower[q];
            for (size_t i = 0; i < upper.size(); ++i) {
                upper[i] = std::max(upper[i], c.upper[q][i]);
                lower[i] = std::min(lower[i], c.lower[q][i]);
            }
        }
    }
    return envelope;
}

Bounds patternedBounds(const CaseSolutions& s, const Combination& combination, Quantity q,
                       double from, double to)
{
    const double dx = s.grid.dx;
    const int last = s.grid.pointCount - 1;
    // The calculation points within [from, to], allowing for the rounding of i * dx.
    const int first = std::max(0, static_cast<int>(std::ceil(from / dx - 1e-9)));
    const int end = std::min(last, static_cast<int>(std::floor(to / dx + 1e-9)));
    if (first > end) {  // a stretch shorter than an interval: its middle stands for it
        const double middle = (from + to) / 2;
        return {refine(s, combination, q, middle, true, from, to,
                       worstPattern(s, combination, q, middle, true)),
                refine(s, combination, q, middle, false, from, to,
                       worstPattern(s, combination, q, middle, false))};
    }
    // The factored samples the two curves add up, as combinationCurves adds them; summed
    // point by point here while looking for the worst, so nothing is stored.
    std::array<Term, kLoadCaseCount> uppers{}, lowers{};
    size_t count = 0;
    for (LoadCase c : kLoadCases) {
        const double f = combination.factor(c);
        const CaseSolutions::Samples& samples = s.samples[caseSlot(c)][q];
        if (f == 0.0 || (isPatterned(c) ? samples.positive : samples.all).empty()) continue;
        if (!isPatterned(c)) {
            uppers[count] = lowers[count] = {f, samples.all.data(), &samples.allBlocks};
        } else {
            const Term positive{f, samples.positive.data(), &samples.positiveBlocks};
            const Term negative{f, samples.negative.data(), &samples.negativeBlocks};
            uppers[count] = f > 0 ? positive : negative;
            lowers[count] = f > 0 ? negative : positive;
        }
        ++count;
    }
    const int worstUpper = WorstPointSearch(uppers, count, first, end, true).find();
    const int worstLower = WorstPointSearch(lowers, count, first, end, false).find();
    return {refine(s, combination, q, s.grid.x(worstUpper), true, from, to,
                   worstPatternAt(s, combination, q, worstUpper, true)),
            refine(s, combination, q, s.grid.x(worstLower), false, from, to,
                   worstPatternAt(s, combination, q, worstLower, false))};
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
        r.peaks = allLoadedPeaks(s, combination);
        for (Quantity q : kEnvelopedQuantities) {
            Bounds& b = r.patterned[q];
            b = patternedBounds(s, combination, q, 0.0, s.beamLength);
            b.max.combination = b.min.combination = static_cast<int>(index);
            Bounds& e = result.envelope[q];
            if (index == 0 || b.max.value > e.max.value) e.max = b.max;
            if (index == 0 || b.min.value < e.min.value) e.min = b.min;
        }
        result.combinations.push_back(std::move(r));
    }
    return result;
}

std::string patternText(const Pattern& pattern, const Combination& combination, size_t partCount)
{
    std::string text;
    for (LoadCase c : kLoadCases) {
        if (!isPatterned(c) || combination.factor(c) == 0.0) continue;
        std::vector<int> loaded;
        for (int part = 1; part <= static_cast<int>(partCount); ++part)
            if (partLoaded(pattern, c, part)) loaded.push_back(part);
        if (!text.empty()) text += "; ";
        text += std::string(loadCaseName(c)) + " on ";
        if (loaded.empty()) text += "no part";
        text += loaded.size() == 1 ? "part " : loaded.empty() ? "" : "parts ";
        for (size_t i = 0; i < loaded.size(); ++i)
            text += (i ? ", " : "") + std::to_string(loaded[i]);
    }
    return text;
}

}  // namespace spanrix::design
