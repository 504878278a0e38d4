#include "model/beam_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spanrix {

std::string_view kindCode(FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return "pt";
    case FeatureKind::DistLoad: return "di";
    case FeatureKind::Moment: return "mo";
    case FeatureKind::Support: return "su";
    case FeatureKind::None: break;
    }
    return "";
}

FeatureKind kindFromCode(std::string_view code)
{
    if (code == "pt") return FeatureKind::PointLoad;
    if (code == "di") return FeatureKind::DistLoad;
    if (code == "mo") return FeatureKind::Moment;
    if (code == "su") return FeatureKind::Support;
    return FeatureKind::None;
}

void resetModel(BeamModel& model)
{
    for (int i = 1; i <= model.numPointLoads; ++i) {
        model.pointLoadMag[i] = 0.0;
        model.pointLoadLoc[i] = 0.0;
    }
    for (int i = 1; i <= model.numDistLoads; ++i) {
        model.distLoadStartMag[i] = 0.0;
        model.distLoadEndMag[i] = 0.0;
        model.distLoadStart[i] = 0.0;
        model.distLoadEnd[i] = 0.0;
    }
    for (int i = 1; i <= model.numMoments; ++i) {
        model.momentMag[i] = 0.0;
        model.momentLoc[i] = 0.0;
    }
    for (int i = 1; i <= model.numSupports; ++i) {
        model.supportLoc[i] = 0.0;
        model.supportType[i].clear();
    }
    for (int n = 1; n <= model.numFeatures; ++n) {
        model.featureId[n].clear();
        model.featureForceUnit[n].clear();
        model.featureLengthUnit[n].clear();
    }
    model.numPointLoads = model.shownPointLoads = 0;
    model.numDistLoads = model.shownDistLoads = 0;
    model.numMoments = model.shownMoments = 0;
    model.numSupports = model.shownSupports = 0;
    model.numFeatures = 0;
    model.maxPointLoadMag = 0.0;
    model.prevMaxPointLoadMag = 0.0;
    model.maxMomentMag = 0.0;
    model.prevMaxMomentMag = 0.0;
    model.maxDistLoadMag = 0.0;
    model.prevMaxDistLoadMag = 0.0;
    model.resolution = kDefaultResolution;
    model.momentOfInertia = 0.0f;
    model.modulusE = 0.0f;
    model.fiberDistance = 0.0f;
    model.pointLoadCase.fill(LoadCase::D);
    model.distLoadCase.fill(LoadCase::D);
    model.momentCase.fill(LoadCase::D);
    model.design = {};
}

std::string_view loadCaseName(LoadCase c)
{
    switch (c) {
    case LoadCase::D: return "D";
    case LoadCase::L: return "L";
    case LoadCase::Lr: return "Lr";
    case LoadCase::S: return "S";
    case LoadCase::W: return "W";
    }
    return "";
}

std::optional<LoadCase> loadCaseFromName(std::string_view name)
{
    for (LoadCase c : kLoadCases)
        if (loadCaseName(c) == name) return c;
    return std::nullopt;
}

namespace {

// The case slot of load k, const or not as the model is; null for anything but a load.
template <typename Model>
auto caseSlotOf(Model& model, FeatureKind kind, int k) -> decltype(&model.pointLoadCase[0])
{
    if (k < 1 || k > featureCapacity(kind)) return nullptr;
    const auto i = static_cast<size_t>(k);
    switch (kind) {
    case FeatureKind::PointLoad: return &model.pointLoadCase[i];
    case FeatureKind::DistLoad: return &model.distLoadCase[i];
    case FeatureKind::Moment: return &model.momentCase[i];
    default: return nullptr;
    }
}

}  // namespace

LoadCase loadCaseOf(const BeamModel& model, FeatureKind kind, int k)
{
    const LoadCase* slot = caseSlotOf(model, kind, k);
    return slot ? *slot : LoadCase::D;
}

void setLoadCase(BeamModel& model, FeatureKind kind, int k, LoadCase c)
{
    if (LoadCase* slot = caseSlotOf(model, kind, k)) *slot = c;
}

bool hasDesignData(const BeamModel& model)
{
    if (model.design != DesignSettings{}) return true;
    for (FeatureKind kind : {FeatureKind::PointLoad, FeatureKind::DistLoad, FeatureKind::Moment})
        for (int k = 1; k <= std::min(featureCount(model, kind), featureCapacity(kind)); ++k)
            if (loadCaseOf(model, kind, k) != LoadCase::D) return true;
    return false;
}

int featureCount(const BeamModel& model, FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return model.numPointLoads;
    case FeatureKind::DistLoad: return model.numDistLoads;
    case FeatureKind::Moment: return model.numMoments;
    case FeatureKind::Support: return model.numSupports;
    case FeatureKind::None: break;
    }
    return 0;
}

int featureCapacity(FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return kMaxPointLoads;
    case FeatureKind::DistLoad: return kMaxDistLoads;
    case FeatureKind::Moment: return kMaxMoments;
    case FeatureKind::Support: return kMaxSupports;
    case FeatureKind::None: break;
    }
    return 0;
}

std::optional<std::string> capacityRefusal(const BeamModel& model, FeatureKind kind)
{
    const int capacity = featureCapacity(kind);
    if (featureCount(model, kind) < capacity && model.numFeatures < kMaxFeatures)
        return std::nullopt;
    const char* noun = "";
    switch (kind) {
    case FeatureKind::PointLoad: noun = " point loads"; break;
    case FeatureKind::DistLoad: noun = " distributed loads"; break;
    case FeatureKind::Moment: noun = " moments"; break;
    case FeatureKind::Support: noun = " supports"; break;
    case FeatureKind::None: noun = " features"; break;
    }
    return "Maximum of " + std::to_string(capacity) + noun + " reached.";
}

static int& countOf(BeamModel& model, FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return model.numPointLoads;
    case FeatureKind::DistLoad: return model.numDistLoads;
    case FeatureKind::Moment: return model.numMoments;
    default: return model.numSupports;
    }
}

int appendFeature(BeamModel& model, FeatureKind kind, std::string_view forceUnit,
                  std::string_view lengthUnit)
{
    int& count = countOf(model, kind);
    const int k = ++count;
    const int row = ++model.numFeatures;
    model.featureId[row] = std::string(kindCode(kind)) + std::to_string(k);
    model.featureForceUnit[row] = forceUnit;
    model.featureLengthUnit[row] = lengthUnit;
    return k;
}

FeatureKind featureKind(const BeamModel& model, int n)
{
    if (n < 1 || n > kMaxFeatures) return FeatureKind::None;
    const std::string& key = model.featureId[n];
    return key.size() < 2 ? FeatureKind::None : kindFromCode(std::string_view(key).substr(0, 2));
}

int featureIndex(const BeamModel& model, int n)
{
    if (n < 1 || n > kMaxFeatures) return 0;
    const std::string& key = model.featureId[n];
    if (key.size() < 3) return 0;
    int k = 0;
    const char* first = key.data() + 2;
    const char* last = key.data() + key.size();
    auto [ptr, ec] = std::from_chars(first, last, k);
    if (ec != std::errc() || ptr != last) return 0;
    return k;
}

bool isLive(const BeamModel& model, FeatureKind kind, int k)
{
    if (k < 1 || k > featureCapacity(kind)) return false;
    switch (kind) {
    case FeatureKind::PointLoad: return model.pointLoadMag[k] != 0.0;
    case FeatureKind::DistLoad:
        return model.distLoadStartMag[k] != 0.0 || model.distLoadEndMag[k] != 0.0;
    case FeatureKind::Moment: return model.momentMag[k] != 0.0;
    case FeatureKind::Support: return model.supportLoc[k] >= 0.0;
    case FeatureKind::None: break;
    }
    return false;
}

double dominantIntensity(const BeamModel& model, int k, TieGoesTo tie)
{
    const double s = model.distLoadStartMag[k];
    const double e = model.distLoadEndMag[k];
    if (std::abs(s) == std::abs(e)) return tie == TieGoesTo::End ? e : s;
    return std::abs(e) > std::abs(s) ? e : s;
}

namespace {

struct TrackerRef {
    MaybeNumber* max;
    MaybeNumber* prev;
};

TrackerRef trackerOf(BeamModel& model, FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return {&model.maxPointLoadMag, &model.prevMaxPointLoadMag};
    case FeatureKind::DistLoad: return {&model.maxDistLoadMag, &model.prevMaxDistLoadMag};
    case FeatureKind::Moment: return {&model.maxMomentMag, &model.prevMaxMomentMag};
    default: return {nullptr, nullptr};
    }
}

double slotMagnitude(const BeamModel& model, FeatureKind kind, int k)
{
    switch (kind) {
    case FeatureKind::PointLoad: return std::abs(model.pointLoadMag[k]);
    case FeatureKind::Moment: return std::abs(model.momentMag[k]);
    case FeatureKind::DistLoad:
        return std::max(std::abs(model.distLoadStartMag[k]), std::abs(model.distLoadEndMag[k]));
    default: return 0.0;
    }
}

}  // namespace

void raiseTracker(BeamModel& model, FeatureKind kind, double magnitude)
{
    TrackerRef t = trackerOf(model, kind);
    if (!t.max) return;
    const double m = std::abs(magnitude);
    if (featureCount(model, kind) == 0 || m >= *t.max) {
        *t.prev = double(*t.max);
        *t.max = m;
    }
}

void recomputeTracker(BeamModel& model, FeatureKind kind)
{
    TrackerRef t = trackerOf(model, kind);
    if (!t.max) return;
    *t.max = 0.0;
    *t.prev = 0.0;
    const int count = featureCount(model, kind);
    for (int i = 1; i <= count; ++i) {
        const double m = slotMagnitude(model, kind, i);
        if (m > *t.max) *t.max = m;
    }
}

bool holdsMaximum(const BeamModel& model, FeatureKind kind, int k)
{
    switch (kind) {
    case FeatureKind::PointLoad: return std::abs(model.pointLoadMag[k]) == model.maxPointLoadMag;
    case FeatureKind::Moment: return std::abs(model.momentMag[k]) == model.maxMomentMag;
    case FeatureKind::DistLoad:
        return std::abs(model.distLoadStartMag[k]) == model.maxDistLoadMag ||
               std::abs(model.distLoadEndMag[k]) == model.maxDistLoadMag;
    default: return false;
    }
}

bool sameBeam(const BeamModel& a, const BeamModel& b)
{
    BeamModel beamOfA = a;  // with the screen state of b
    beamOfA.editingFeature = b.editingFeature;
    beamOfA.shownPointLoads = b.shownPointLoads;
    beamOfA.shownDistLoads = b.shownDistLoads;
    beamOfA.shownMoments = b.shownMoments;
    beamOfA.shownSupports = b.shownSupports;
    return beamOfA == b;
}

}  // namespace spanrix
