#pragma once

// The steel design check of a beam: flexure in every unbraced segment, shear, and the live
// and total load deflection of every span, for every combination of the chosen method with
// its live-load patterns; each check's ratio of demand to capacity and the verdict.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/steel_strength.h"
#include "files/steel_design_table.h"
#include "model/beam_model.h"
#include "model/steel_check_settings.h"

namespace spanrix::design {

// A stretch of the beam between two positions: an unbraced segment or a span.
struct BeamStretch {
    double from = 0;
    double to = 0;
    bool overhang = false;  // one end is a free end of the beam

    double length() const { return to - from; }
    bool operator==(const BeamStretch&) const = default;
};

// The unbraced segments of the compression flange: between consecutive brace points (every
// support, and with bracing at points the positions listed inside the beam) and from the
// outermost ones to the beam's ends. With continuous bracing the supports alone divide it.
std::vector<BeamStretch> unbracedSegments(const BeamModel& model, const SteelCheckSettings& settings);

// The spans of the deflection check: between adjacent supports, and the overhangs beyond
// the first and the last.
std::vector<BeamStretch> deflectionSpans(const BeamModel& model);

// The length a deflection limit divides: the span's, or twice an overhang's.
double deflectionLimitLength(const BeamStretch& span);

// The loaded parts of each patterned case, numbered from 1 at the left: {{L, {1, 3}}}.
using LoadPattern = std::vector<std::pair<LoadCase, std::vector<int>>>;

// The largest absolute value of a quantity over a stretch and every pattern: where it is
// and under which pattern.
struct DemandPeak {
    double value = 0;
    double x = 0;
    LoadPattern pattern;
};

// A segment's largest |M| with the |M| of that pattern at the segment's quarter points.
struct SegmentMoments {
    DemandPeak largest;
    double quarter = 0, middle = 0, threeQuarter = 0;
};

// One combination of loads with every pattern of its live loads, as the check reads it.
class CombinationDemands {
public:
    virtual ~CombinationDemands() = default;
    virtual const std::string& name() const = 0;
    virtual SegmentMoments moments(const BeamStretch& segment) const = 0;
    // The largest |V| anywhere, either side of a jump.
    virtual DemandPeak shear() const = 0;
    // The largest |E I deflection| in the span.
    virtual DemandPeak deflectionTimesEI(const BeamStretch& span) const = 0;
};

enum class DesignCheckKind { Flexure, Shear, DeflectionLive, DeflectionTotal };
std::string_view checkKindName(DesignCheckKind kind);  // "flexure", ..., "deflection-total"

// One check of one combination on one segment or span (the shear's stretch is the beam).
struct DesignCheckLine {
    DesignCheckKind kind = DesignCheckKind::Flexure;
    std::string combination;
    LoadPattern pattern;
    BeamStretch where;
    double x = 0;
    double demand = 0;
    double capacity = 0;
    double ratio = 0;
    std::optional<FlexureStrength> flexure;  // the flexure lines' strength in detail

    bool passes() const { return ratio <= 1.0; }
};

struct SteelCheckResult {
    std::string section;
    Method method = Method::Strength;
    double yieldStress = 0;  // psi or Pa
    std::vector<DesignCheckLine> lines;      // every combination and segment or span
    std::vector<DesignCheckLine> governing;  // the largest ratio of each check, in check order
    bool pass = false;

    // The governing line of the whole check (the largest ratio); null when nothing was checked.
    const DesignCheckLine* verdictLine() const;
};

// What the check reads: the beam, its section, the settings and the loads' demands. The
// live and total service combinations are null when they hold no loads (no L loads, say).
struct SteelCheckInput {
    const BeamModel& model;
    const SteelShape& shape;
    const SteelCheckSettings& settings;
    std::vector<const CombinationDemands*> combinations;  // of the chosen method
    const CombinationDemands* liveService = nullptr;      // L
    const CombinationDemands* totalService = nullptr;     // D + L + Lr + S
};

// The yield stress the check uses: the one chosen, or the default grade's.
double checkYieldStress(const SteelCheckSettings& settings, const SteelShape& shape, bool metricUnits);

// Why the check cannot run with these settings (Fy out of range, a section these provisions
// do not cover, a limit that is not a positive number); nullopt when it can.
std::optional<std::string> steelCheckRefusal(const BeamModel& model, const SteelShape& shape,
                                             const SteelCheckSettings& settings);

// Runs every check. Requires steelCheckRefusal to have found nothing.
SteelCheckResult runSteelCheck(const SteelCheckInput& input);

}  // namespace spanrix::design
