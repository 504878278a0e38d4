#include "design/steel_check.h"

#include <algorithm>
#include <cmath>

#include "design/case_solutions.h"
#include "model/number_format.h"

namespace spanrix::design {

namespace {

std::vector<double> uniqueSorted(std::vector<double> xs)
{
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

// The stretches between consecutive points, each end that is not a point being free.
std::vector<BeamStretch> stretchesBetween(const std::vector<double>& points, double length,
                                          const std::vector<double>& supports)
{
    std::vector<double> bounds = points;
    bounds.push_back(0);
    bounds.push_back(length);
    bounds = uniqueSorted(bounds);
    const bool leftFree = supports.empty() || supports.front() > 0;
    const bool rightFree = supports.empty() || supports.back() < length;
    std::vector<BeamStretch> stretches;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        const double a = bounds[i];
        const double b = bounds[i + 1];
        stretches.push_back({a, b, (a == 0 && leftFree) || (b == length && rightFree)});
    }
    return stretches;
}

DesignCheckLine line(DesignCheckKind kind, const std::string& combination, const DemandPeak& peak,
                     const BeamStretch& where, double capacity)
{
    DesignCheckLine l;
    l.kind = kind;
    l.combination = combination;
    l.pattern = peak.pattern;
    l.where = where;
    l.x = peak.x;
    l.demand = peak.value;
    l.capacity = capacity;
    l.ratio = peak.value / capacity;
    return l;
}

void checkDeflection(SteelCheckResult& result, DesignCheckKind kind, const CombinationDemands* demands,
                     const std::vector<BeamStretch>& spans, double ei, double denominator)
{
    if (demands == nullptr) return;
    for (const BeamStretch& span : spans) {
        DemandPeak peak = demands->deflectionTimesEI(span);
        peak.value /= ei;
        result.lines.push_back(line(kind, demands->name(), peak, span, deflectionLimitLength(span) / denominator));
    }
}

}  // namespace

std::vector<BeamStretch> unbracedSegments(const BeamModel& model, const SteelCheckSettings& settings)
{
    const std::vector<double> supports = supportPositions(model);
    std::vector<double> points = supports;
    if (settings.bracing == Bracing::AtPoints)
        for (const double x : settings.bracePoints)
            if (x > 0 && x < model.beamLength) points.push_back(x);
    return stretchesBetween(uniqueSorted(points), model.beamLength, supports);
}

std::vector<BeamStretch> deflectionSpans(const BeamModel& model)
{
    const std::vector<double> supports = supportPositions(model);
    return stretchesBetween(supports, model.beamLength, supports);
}

double deflectionLimitLength(const BeamStretch& span) { return span.overhang ? 2 * span.length() : span.length(); }

std::string_view checkKindName(DesignCheckKind kind)
{
    switch (kind) {
    case DesignCheckKind::Flexure: return "flexure";
    case DesignCheckKind::Shear: return "shear";
    case DesignCheckKind::DeflectionLive: return "deflection-live";
    case DesignCheckKind::DeflectionTotal: return "deflection-total";
    }
    return "";
}

const DesignCheckLine* SteelCheckResult::verdictLine() const
{
    const auto worst = std::max_element(governing.begin(), governing.end(),
                                        [](const auto& a, const auto& b) { return a.ratio < b.ratio; });
    return worst == governing.end() ? nullptr : &*worst;
}

double checkYieldStress(const SteelCheckSettings& settings, const SteelShape& shape, bool metricUnits)
{
    return settings.yieldStress ? *settings.yieldStress : gradeYieldStress(defaultGrade(shape.type), metricUnits);
}

std::optional<std::string> steelCheckRefusal(const BeamModel& model, const SteelShape& shape,
                                             const SteelCheckSettings& settings)
{
    const bool metric = model.metricUnits;
    const double fy = checkYieldStress(settings, shape, metric);
    if (auto refusal = yieldStressRefusal(fy, metric)) return refusal;
    for (const double limit : {settings.liveLimit, settings.totalLimit})
        if (!(limit > 0) || !std::isfinite(limit))
            return "A deflection limit must be a positive number, such as 360 for span/360.";
    for (const double x : settings.bracePoints)
        if (!(x >= 0 && x <= model.beamLength))
            return "A brace point must lie on the beam, from 0 to its length.";
    return flexureRefusal(designSection(shape, metric), fy, steelModulus(metric));
}

SteelCheckResult runSteelCheck(const SteelCheckInput& input)
{
    const bool metric = input.model.metricUnits;
    const SteelCheckSettings& settings = input.settings;
    const DesignSection section = designSection(input.shape, metric);
    const double e = steelModulus(metric);
    const double fy = checkYieldStress(settings, input.shape, metric);

    SteelCheckResult result;
    result.section = input.shape.name;
    result.method = settings.method;
    result.yieldStress = fy;

    const std::vector<BeamStretch> segments = unbracedSegments(input.model, settings);
    for (const CombinationDemands* demands : input.combinations) {
        for (const BeamStretch& segment : segments) {
            const SegmentMoments m = demands->moments(segment);
            // A segment that ends at a free end takes Cb = 1.0.
            const double cb = settings.cb == CbMode::One || segment.overhang
                                  ? 1.0
                                  : momentGradientFactor(m.largest.value, m.quarter, m.middle, m.threeQuarter);
            const double lb = settings.bracing == Bracing::Continuous ? 0.0 : segment.length();
            const FlexureStrength strength = flexuralStrength(section, fy, e, lb, cb, settings.method);
            DesignCheckLine l = line(DesignCheckKind::Flexure, demands->name(), m.largest, segment, strength.available);
            l.flexure = strength;
            result.lines.push_back(std::move(l));
        }
    }
    const double shearCapacity = shearStrength(section, fy, e, settings.method).available;
    const BeamStretch wholeBeam{0, input.model.beamLength, false};
    for (const CombinationDemands* demands : input.combinations)
        result.lines.push_back(line(DesignCheckKind::Shear, demands->name(), demands->shear(), wholeBeam, shearCapacity));

    const std::vector<BeamStretch> spans = deflectionSpans(input.model);
    const double ei = e * section.Ix;
    checkDeflection(result, DesignCheckKind::DeflectionLive, input.liveService, spans, ei, settings.liveLimit);
    checkDeflection(result, DesignCheckKind::DeflectionTotal, input.totalService, spans, ei, settings.totalLimit);

    for (const DesignCheckKind kind : {DesignCheckKind::Flexure, DesignCheckKind::Shear,
                                       DesignCheckKind::DeflectionLive, DesignCheckKind::DeflectionTotal}) {
        const DesignCheckLine* worst = nullptr;
        for (const DesignCheckLine& l : result.lines)
            if (l.kind == kind && (worst == nullptr || l.ratio > worst->ratio)) worst = &l;
        if (worst != nullptr) result.governing.push_back(*worst);
    }
    result.pass = std::all_of(result.governing.begin(), result.governing.end(),
                              [](const DesignCheckLine& l) { return l.passes(); });
    return result;
}

}  // namespace spanrix::design
