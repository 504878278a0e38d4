#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>

#include "files/load_file.h"
#include "model/beam_model.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

// Random models as users build them: values typed as decimals (at most 15 significant
// digits for doubles, 6 for section properties), removed features, unset fields.
class RandomBeams {
public:
    explicit RandomBeams(unsigned seed) : rng_(seed) {}

    BeamModel next()
    {
        BeamModel m;
        m.metricUnits = chance(0.5);
        m.useInches = chance(0.5);
        m.beamLength = maybe(decimal(15));
        for (MaybeNumber* tracker : {&m.maxPointLoadMag, &m.prevMaxPointLoadMag, &m.maxMomentMag,
                                     &m.prevMaxMomentMag, &m.maxDistLoadMag, &m.prevMaxDistLoadMag})
            *tracker = maybe(std::abs(decimal(15)));
        const FeatureKind kinds[] = {FeatureKind::PointLoad, FeatureKind::DistLoad,
                                     FeatureKind::Moment, FeatureKind::Support};
        const int wanted = pick(0, chance(0.1) ? kMaxFeatures : 12);
        for (int n = 0; n < wanted; ++n) {
            const FeatureKind kind = kinds[pick(0, 3)];
            if (capacityRefusal(m, kind)) continue;
            const int k = appendFeature(m, kind, unitCode(), chance(0.1) ? "" : "ft");
            const bool removed = chance(0.2);
            switch (kind) {
            case FeatureKind::PointLoad:
                m.pointLoadMag[k] = removed ? 0.0 : decimal(15);
                m.pointLoadLoc[k] = maybe(decimal(15));
                break;
            case FeatureKind::DistLoad:
                m.distLoadStartMag[k] = removed ? 0.0 : decimal(15);
                m.distLoadEndMag[k] = removed ? 0.0 : decimal(15);
                m.distLoadStart[k] = maybe(decimal(15));
                m.distLoadEnd[k] = maybe(decimal(15));
                break;
            case FeatureKind::Moment:
                m.momentMag[k] = removed ? 0.0 : decimal(15);
                m.momentLoc[k] = maybe(decimal(15));
                break;
            default:
                m.supportLoc[k] = removed ? MaybeNumber(-1.0) : maybe(std::abs(decimal(15)));
                m.supportType[k] = chance(0.5) ? "simp" : "cant";
                break;
            }
        }
        m.shownPointLoads = pick(0, m.numPointLoads);
        m.shownDistLoads = pick(0, m.numDistLoads);
        m.shownMoments = pick(0, m.numMoments);
        m.shownSupports = pick(0, m.numSupports);
        m.fiberDistance = static_cast<float>(decimal(6));
        m.momentOfInertia = static_cast<float>(std::abs(decimal(6)));
        m.modulusE = static_cast<float>(std::abs(decimal(6)));
        m.resolution = static_cast<float>(pick(10, 200000));
        placeOnTheBeam(m);
        return m;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

private:
    // What the dialogs would have refused is made valid: any live feature puts the beam's
    // end past every position (decimals stay below 1e27), a distributed load runs from
    // its smaller to its larger location, a cantilever stands at an end, and a support
    // where another stands, or a distributed load of no length, counts as removed.
    static void placeOnTheBeam(BeamModel& m)
    {
        const auto length = MaybeNumber(1e27);
        auto onBeam = [](MaybeNumber& x) {
            if (x < 0.0) x = -double(x);
        };
        for (int k = 1; k <= m.numPointLoads; ++k) onBeam(m.pointLoadLoc[k]);
        for (int k = 1; k <= m.numMoments; ++k) onBeam(m.momentLoc[k]);
        for (int k = 1; k <= m.numDistLoads; ++k) {
            onBeam(m.distLoadStart[k]);
            onBeam(m.distLoadEnd[k]);
            if (m.distLoadEnd[k] < m.distLoadStart[k]) std::swap(m.distLoadStart[k], m.distLoadEnd[k]);
            if (double(m.distLoadEnd[k]) == double(m.distLoadStart[k])) m.distLoadStartMag[k] = m.distLoadEndMag[k] = 0.0;
        }
        for (int k = 1; k <= m.numSupports; ++k) {
            if (m.supportType[k] == "cant" && m.supportLoc[k] >= 0.0)
                m.supportLoc[k] = m.supportLoc[k] > 1.0 ? length : MaybeNumber(0.0);
            for (int j = 1; j < k; ++j)
                if (m.supportLoc[j] >= 0.0 && double(m.supportLoc[j]) == double(m.supportLoc[k])) m.supportLoc[k] = -1.0;
        }
        if (m.numPointLoads + m.numDistLoads + m.numMoments + m.numSupports > 0) m.beamLength = length;
    }

    // A decimal of up to `digits` significant digits over a wide range of exponents.
    double decimal(int digits)
    {
        std::string text = chance(0.5) ? "-" : "";
        const int count = pick(1, digits);
        text += static_cast<char>('1' + pick(0, 8));
        for (int i = 1; i < count; ++i) text += static_cast<char>('0' + pick(0, 9));
        text += 'e';
        text += std::to_string(pick(-12, 12));
        return *parseNumber(text);
    }
    MaybeNumber maybe(double value) { return chance(0.1) ? MaybeNumber{} : MaybeNumber{value}; }
    std::string unitCode()
    {
        static const char* codes[] = {"lb", "N", "kg", "pi", "pf", ""};
        return codes[pick(0, 5)];
    }

    std::mt19937 rng_;
};

template <typename T>
auto bitsOf(T value)
{
    using Bits = std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>;
    return std::bit_cast<Bits>(value);
}

// Compares by bit pattern, which == on doubles would not (it equates 0 and -0).
void expectSameBits(const BeamModel& a, const BeamModel& b)
{
    auto same = [](MaybeNumber x, MaybeNumber y) {
        return x.isSet() == y.isSet() && bitsOf(double(x)) == bitsOf(double(y));
    };
    EXPECT_TRUE(same(a.beamLength, b.beamLength));
    EXPECT_TRUE(same(a.maxDistLoadMag, b.maxDistLoadMag));
    EXPECT_EQ(bitsOf(a.momentOfInertia), bitsOf(b.momentOfInertia));
    EXPECT_EQ(bitsOf(a.modulusE), bitsOf(b.modulusE));
    EXPECT_EQ(bitsOf(a.fiberDistance), bitsOf(b.fiberDistance));
    EXPECT_EQ(bitsOf(a.resolution), bitsOf(b.resolution));
    for (int i = 1; i <= a.numPointLoads; ++i)
        EXPECT_TRUE(same(a.pointLoadMag[i], b.pointLoadMag[i]) && same(a.pointLoadLoc[i], b.pointLoadLoc[i]));
    for (int i = 1; i <= a.numDistLoads; ++i) {
        EXPECT_EQ(bitsOf(a.distLoadStartMag[i]), bitsOf(b.distLoadStartMag[i]));
        EXPECT_EQ(bitsOf(a.distLoadEndMag[i]), bitsOf(b.distLoadEndMag[i]));
        EXPECT_TRUE(same(a.distLoadStart[i], b.distLoadStart[i]) && same(a.distLoadEnd[i], b.distLoadEnd[i]));
    }
    for (int i = 1; i <= a.numMoments; ++i)
        EXPECT_TRUE(same(a.momentMag[i], b.momentMag[i]) && same(a.momentLoc[i], b.momentLoc[i]));
    for (int i = 1; i <= a.numSupports; ++i) EXPECT_TRUE(same(a.supportLoc[i], b.supportLoc[i]));
}

TEST(LoadFileRoundTrip, RandomModelsComeBackBitForBit)
{
    RandomBeams beams(20240601);
    for (int trial = 0; trial < 1000; ++trial) {
        const BeamModel original = beams.next();
        BeamModel opened;
        const OpenOutcome outcome = readLoadText(loadFileText(original), FileLayout::Current, opened);
        ASSERT_TRUE(outcome.ok()) << "trial " << trial << ": " << outcome.reason;
        EXPECT_EQ(opened, original) << "trial " << trial;
        expectSameBits(opened, original);
        ASSERT_EQ(outcome.legendRows.size(), static_cast<size_t>(original.numFeatures));
        for (const LegendRow& row : outcome.legendRows)
            EXPECT_EQ(row.live, isLive(original, featureKind(original, row.row), featureIndex(original, row.row)));
        if (HasFailure()) return;  // one trial's report is enough
    }
}

// Mutations a damaged or hand-edited file may show.
std::string mutate(std::string text, RandomBeams& r)
{
    static const std::string alphabet = ",\r\n\" #TRUEFALS0123456789.-+eExptdimosu";
    const int edits = r.pick(1, 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const auto at = static_cast<size_t>(r.pick(0, static_cast<int>(text.size()) - 1));
        switch (r.pick(0, 4)) {
        case 0: text.resize(at); break;  // truncated
        case 1: text[at] = alphabet[static_cast<size_t>(r.pick(0, static_cast<int>(alphabet.size()) - 1))]; break;
        case 2: text.erase(at, static_cast<size_t>(r.pick(1, 8))); break;
        case 3: text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), alphabet[static_cast<size_t>(r.pick(0, static_cast<int>(alphabet.size()) - 1))]); break;
        default: text.insert(at, std::to_string(r.pick(-40000, 40000))); break;
        }
    }
    return text;
}

void expectSafeRead(const std::string& text, FileLayout layout, const BeamModel& before)
{
    BeamModel current = before;
    const OpenOutcome outcome = readLoadText(text, layout, current);
    if (!outcome.ok()) {
        EXPECT_EQ(*outcome.error, "File access error");
        EXPECT_FALSE(outcome.reason.empty());
        EXPECT_EQ(current, before);
        return;
    }
    // Whatever was read lies inside the arrays.
    EXPECT_LE(current.numPointLoads, kMaxPointLoads);
    EXPECT_LE(current.numSupports, kMaxSupports);
    EXPECT_GE(current.numDistLoads, 0);
    EXPECT_EQ(outcome.legendRows.size(), static_cast<size_t>(current.numFeatures));
    for (const LegendRow& row : outcome.legendRows) {
        if (row.kind != FeatureKind::None) {
            EXPECT_LE(row.index, featureCapacity(row.kind));
        }
    }
}

TEST(LoadFileFuzz, MutatedAndTruncatedFilesNeverCorruptTheModel)
{
    RandomBeams beams(77);
    const BeamModel loaded = beams.next();  // what the user has open
    for (int trial = 0; trial < 3000; ++trial) {
        const BeamModel source = beams.next();
        std::string text = loadFileText(source);
        if (trial % 3 == 0) {
            // A version-1 rendering of the same beam: five items on line 3, one intensity.
            const size_t line3 = text.find('\n', text.find('\n') + 1);
            const size_t flagEnd = text.rfind(',', line3);
            text.erase(flagEnd, line3 - 1 - flagEnd);
        }
        const std::string damaged = mutate(text, beams);
        expectSafeRead(damaged, FileLayout::Current, loaded);
        expectSafeRead(damaged, FileLayout::Version1, loaded);
        if (HasFailure()) {
            ADD_FAILURE() << "trial " << trial << ":\n" << damaged;
            return;
        }
    }
}

TEST(LoadFileFuzz, DamagedFilesOnDiskAreRefusedSafely)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("spanrix-fuzz-" + std::to_string(::getpid()) + ".lod");
    RandomBeams beams(5);
    const BeamModel loaded = beams.next();
    int refused = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const std::string text = loadFileText(beams.next());
        std::ofstream(path, std::ios::binary)
            << text.substr(0, static_cast<size_t>(beams.pick(0, static_cast<int>(text.size()) - 1)));
        BeamModel current = loaded;
        const OpenOutcome opened = openLoadFile(path.string(), current);
        const OpenOutcome imported = importVersion1File(path.string(), current);
        refused += !opened.ok();
        if (!opened.ok() && !imported.ok()) {
            EXPECT_EQ(current, loaded);
        }
    }
    std::filesystem::remove(path);
    EXPECT_GT(refused, 100);  // most truncations end before the last item
}

}  // namespace
}  // namespace spanrix
