#include "drawing/legend.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "legend/legend_captions.h"
#include "drawing/sketch.h"

namespace spanrix {

namespace {

constexpr double kLabelHeight = 200.0;
constexpr double kLabelStep = 200.0;

struct LabelNames {
    const char* title;
    const char* value;
    const char* second;
};

// The second value label's prefix ends in "_": "loadlab2" + "1" would be the value label
// of the 21st point load, "loadlab" + "21".
LabelNames namesOf(FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::PointLoad: return {"loadtitle", "loadlab", "loadlab2_"};
    case FeatureKind::DistLoad: return {"dloadtitle", "dloadlab", "dloadlab2_"};
    case FeatureKind::Moment: return {"mloadtitle", "mloadlab", "mloadlab2_"};
    case FeatureKind::Support: return {"sloadtitle", "sloadlab", "sloadlab2_"};
    case FeatureKind::None: break;
    }
    return {"", "", ""};
}

// Widths of the title, value and second value labels; the number label is 1000 wide.
std::array<double, 4> widthsOf(FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::DistLoad: return {1000, 1000, 4000, 4000};
    case FeatureKind::Moment: return {1000, 1000, 1500, 1000};
    case FeatureKind::Support: return {1000, 2000, 1000, 1300};
    default: return {1000, 1000, 1000, 1000};
    }
}

// Tops of a stack of four labels whose first one is at `first`.
void stackFrom(LegendGroup& g, double first)
{
    for (int i = 0; i < 4; ++i) g[i].top = first + i * kLabelStep;
}

double ratio(double magnitude, double tracker) { return tracker == 0.0 ? 0.0 : magnitude / tracker; }

// A magnitude as the relayout compares it: rounded to a 32-bit float, as the legend has
// always placed them. Magnitudes the float cannot hold keep their double value: a load of
// 1e300 would become infinite and throw its labels off the window, one of 1e-50 would
// read as removed and never move.
double relayoutMagnitude(double v)
{
    if (!(std::abs(v) <= double(std::numeric_limits<float>::max()))) return v;
    const float f = static_cast<float>(v);
    return f == 0.0f ? v : double(f);
}

}  // namespace

double Legend::featureX(FeatureKind kind, int k) const
{
    const BeamModel& m = state_.model;
    const ScreenGeometry& g = state_.geometry;
    switch (kind) {
    case FeatureKind::PointLoad: return sketchX(state_, m.pointLoadLoc[k]);
    case FeatureKind::DistLoad: {
        // The sketch x of the load's midpoint.
        const double length = m.beamLength;
        if (!(length > 0.0)) return g.beamLeft;
        return ((m.distLoadStart[k] + m.distLoadEnd[k]) * (g.beamRight - g.beamLeft) / 2) / length +
               g.beamLeft;
    }
    case FeatureKind::Moment: return sketchX(state_, m.momentLoc[k]);
    case FeatureKind::Support: return sketchX(state_, m.supportLoc[k]);
    case FeatureKind::None: break;
    }
    return g.beamLeft;
}

void Legend::setLefts(LegendGroup& g, FeatureKind kind, int k) const
{
    const double x = featureX(kind, k);
    const auto widths = widthsOf(kind);
    for (int i = 0; i < 4; ++i) {
        g[i].width = widths[static_cast<size_t>(i)];
        g[i].left = x - g[i].width / 2;  // every label is centred on the feature
    }
}

LegendGroup Legend::builtGroup(FeatureKind kind, int k, int row) const
{
    const BeamModel& m = state_.model;
    const ScreenGeometry& geo = state_.geometry;
    const LegendCaptions captions = legendCaptions(m, kind, k, row, state_.sigFigs);
    const LabelNames names = namesOf(kind);

    LegendGroup g;
    g[LegendGroup::Number].name = "featlabel" + std::to_string(row);
    g[LegendGroup::Number].caption = captions.number;
    g[LegendGroup::Number].bold = true;
    g[LegendGroup::Number].underlined = true;
    g[LegendGroup::Title].name = names.title + std::to_string(k);
    g[LegendGroup::Title].caption = captions.title;
    g[LegendGroup::Value].name = names.value + std::to_string(k);
    g[LegendGroup::Value].caption = captions.value;
    g[LegendGroup::Second].name = names.second + std::to_string(k);
    g[LegendGroup::Second].caption = captions.second;
    for (LegendLabel& label : g.labels) label.height = kLabelHeight;
    setLefts(g, kind, k);

    // The stack sits beyond the free end of the arrow, above a moment's arc and under a
    // support's triangle.
    switch (kind) {
    case FeatureKind::PointLoad:
    case FeatureKind::DistLoad: {
        double a = 0.0;
        if (kind == FeatureKind::PointLoad) {
            a = m.maxPointLoadMag == 0.0 ? 0.0 : m.pointLoadMag[k] * geo.arrowScale / m.maxPointLoadMag;
        } else {
            const double big = dominantIntensity(m, k, TieGoesTo::End);
            a = m.maxDistLoadMag == 0.0 ? 0.0 : big * (geo.arrowScale / 2.0) / m.maxDistLoadMag;
        }
        if (a > 0)
            stackFrom(g, geo.beamTop - a - 800);
        else
            stackFrom(g, geo.beamBottom - a + 25);
        break;
    }
    case FeatureKind::Moment: {
        const double r = m.maxMomentMag == 0.0 ? 0.0 : m.momentMag[k] * geo.symbolScale / m.maxMomentMag;
        stackFrom(g, geo.beamTop - std::abs(r) - 800);
        break;
    }
    case FeatureKind::Support: {
        const double side = geo.arrowScale / 2.0;
        stackFrom(g, geo.beamBottom + side / std::sqrt(2.0) + 25);
        LegendLabel& reaction = g[LegendGroup::Second];
        reaction.height = 400;
        reaction.autoSize = true;
        break;
    }
    case FeatureKind::None: break;
    }
    return g;
}

void Legend::placeGroup(int row, LegendGroup group)
{
    if (row < 1 || row > kMaxFeatures) return;
    while (rowCount() < row - 1) addBlankGroup(rowCount() + 1);
    if (rowCount() == row - 1)
        groups_.push_back(std::move(group));
    else
        groups_[static_cast<size_t>(row - 1)] = std::move(group);
    ++revision_;
}

void Legend::addBlankGroup(int row)
{
    if (row < 1 || row > kMaxFeatures) return;
    LegendGroup g;
    for (int i = 0; i < 4; ++i) {
        g[i].name = "blank" + std::to_string(row) + std::to_string(i + 1);
        g[i].height = kLabelHeight;
    }
    placeGroup(row, std::move(g));
}

bool Legend::addGroup(FeatureKind kind, int count, int& shown, int number)
{
    if (count <= shown) return false;
    shown = count;
    if (!isLive(state_.model, kind, count)) return false;
    placeGroup(number, builtGroup(kind, count, number));
    return true;
}

void Legend::addPointLoadLegend(int count, int& shown, int number)
{
    if (!addGroup(FeatureKind::PointLoad, count, shown, number)) return;
    const BeamModel& m = state_.model;
    if (std::abs(m.pointLoadMag[count]) == m.maxPointLoadMag &&
        m.maxPointLoadMag != m.prevMaxPointLoadMag)
        relayoutLegend(number);
}

void Legend::addDistLoadLegend(int count, int& shown, int number)
{
    if (!addGroup(FeatureKind::DistLoad, count, shown, number)) return;
    const BeamModel& m = state_.model;
    const double big = dominantIntensity(m, count, TieGoesTo::End);
    if (std::abs(big) == m.maxDistLoadMag && m.maxDistLoadMag != m.prevMaxDistLoadMag)
        relayoutLegend(number);
}

void Legend::addMomentLegend(int count, int& shown, int number)
{
    if (!addGroup(FeatureKind::Moment, count, shown, number)) return;
    const BeamModel& m = state_.model;
    if (std::abs(m.momentMag[count]) == m.maxMomentMag && m.maxMomentMag != m.prevMaxMomentMag)
        relayoutLegend(number);
}

void Legend::addSupportLegend(int count, int& shown, int number)
{
    addGroup(FeatureKind::Support, count, shown, number);
}

void Legend::relayoutLegend(int limit)
{
    const BeamModel& m = state_.model;
    const ScreenGeometry& geo = state_.geometry;
    const int last = std::min(limit - 1, rowCount());
    for (int f = 1; f <= last; ++f) {
        const FeatureKind kind = featureKind(m, f);
        const int k = featureIndex(m, f);
        if (kind == FeatureKind::None || kind == FeatureKind::Support) continue;  // supports do not scale
        if (k < 1 || k > featureCapacity(kind)) continue;
        double v = 0.0;
        double a = 0.0;
        switch (kind) {
        case FeatureKind::PointLoad:
            v = relayoutMagnitude(m.pointLoadMag[k]);
            a = geo.arrowScale * ratio(v, m.maxPointLoadMag);
            break;
        case FeatureKind::DistLoad:
            v = relayoutMagnitude(dominantIntensity(m, k, TieGoesTo::End));
            a = geo.arrowScale * ratio(v, m.maxDistLoadMag) / 2;
            break;
        default:
            v = relayoutMagnitude(std::abs(double(m.momentMag[k])));
            a = geo.symbolScale * ratio(v, m.maxMomentMag);
            break;
        }
        if (v == 0.0) continue;  // a removed feature's blank labels stay where they are
        LegendGroup& g = groups_[static_cast<size_t>(f - 1)];
        if (v > 0 || kind == FeatureKind::Moment)
            stackFrom(g, geo.beamTop - a - 800);
        else
            stackFrom(g, geo.beamBottom - a + 50);
    }
    ++revision_;
}

void Legend::refreshLegendCaptions()
{
    const BeamModel& m = state_.model;
    const int last = std::min(m.numFeatures, rowCount());
    for (int f = 1; f <= last; ++f) {
        const FeatureKind kind = featureKind(m, f);
        const int k = featureIndex(m, f);
        if (!isLive(m, kind, k)) continue;
        const LegendCaptions c = legendCaptions(m, kind, k, f, state_.sigFigs);
        LegendGroup& g = groups_[static_cast<size_t>(f - 1)];
        g[LegendGroup::Value].caption = c.value;
        // A support's second label held its reaction, which no longer matches.
        g[LegendGroup::Second].caption = c.second;
    }
    forgetReactions();
    ++revision_;
}

void Legend::updateLegendGroup(int row)
{
    LegendGroup* g = mutableGroup(row);
    if (!g) return;
    const BeamModel& m = state_.model;
    const FeatureKind kind = featureKind(m, row);
    const int k = featureIndex(m, row);
    if (kind == FeatureKind::None || k < 1 || k > featureCapacity(kind)) return;
    const LegendCaptions c = legendCaptions(m, kind, k, row, state_.sigFigs);
    (*g)[LegendGroup::Number].caption = c.number;
    (*g)[LegendGroup::Title].caption = c.title;
    (*g)[LegendGroup::Value].caption = c.value;
    if (kind != FeatureKind::Support) (*g)[LegendGroup::Second].caption = c.second;
    setLefts(*g, kind, k);
    // A moved support's title goes 700 left of it, not centred as at creation.
    if (kind == FeatureKind::Support) (*g)[LegendGroup::Title].left = featureX(kind, k) - 700;
    ++revision_;
}

void Legend::blankGroupCaptions(int row)
{
    LegendGroup* g = mutableGroup(row);
    if (!g) return;
    for (LegendLabel& label : g->labels) label.caption.clear();
    ++revision_;
}

void Legend::setReactionCaption(int row, const std::string& caption)
{
    LegendGroup* g = mutableGroup(row);
    if (!g) return;
    LegendLabel& label = (*g)[LegendGroup::Second];
    label.caption = caption;
    label.colour = kReactionColour;
    label.bold = true;
    label.visible = true;
    reactionsFor_ = state_.model;
    if (std::find(reactionRows_.begin(), reactionRows_.end(), row) == reactionRows_.end())
        reactionRows_.push_back(row);
    ++revision_;
}

bool Legend::clearStaleReactions()
{
    if (!reactionsFor_ || sameBeam(*reactionsFor_, state_.model)) return false;
    for (int row : reactionRows_)
        if (LegendGroup* g = mutableGroup(row)) (*g)[LegendGroup::Second].caption.clear();
    forgetReactions();
    ++revision_;
    return true;
}

void Legend::forgetReactions()
{
    reactionsFor_.reset();
    reactionRows_.clear();
}

void Legend::clear()
{
    groups_.clear();
    forgetReactions();
    ++revision_;
}

void Legend::restore(const Saved& saved)
{
    groups_ = saved.groups;
    reactionsFor_ = saved.reactionsFor;
    reactionRows_ = saved.reactionRows;
    ++revision_;
}

void Legend::rebuild()
{
    clear();
    const BeamModel& m = state_.model;
    for (int row = 1; row <= m.numFeatures; ++row) {
        const FeatureKind kind = featureKind(m, row);
        const int k = featureIndex(m, row);
        if (!isLive(m, kind, k)) {
            addBlankGroup(row);
            continue;
        }
        int scratch = 0;  // a file's rows are built whatever the shown-counts say
        switch (kind) {
        case FeatureKind::PointLoad: addPointLoadLegend(k, scratch, row); break;
        case FeatureKind::DistLoad: addDistLoadLegend(k, scratch, row); break;
        case FeatureKind::Moment: addMomentLegend(k, scratch, row); break;
        case FeatureKind::Support: addSupportLegend(k, scratch, row); break;
        case FeatureKind::None: break;
        }
    }
}

void Legend::followGeometry()
{
    const std::vector<LegendGroup> shown = groups_;
    const auto reactionsFor = reactionsFor_;
    const std::vector<int> reactionRows = reactionRows_;
    rebuild();
    for (size_t row = 0; row < groups_.size() && row < shown.size(); ++row) {
        for (int slot = 0; slot < 4; ++slot) {
            LegendLabel& placed = groups_[row][slot];
            LegendLabel kept = shown[row][slot];
            kept.left = placed.left;
            kept.top = placed.top;
            kept.width = placed.width;
            kept.height = placed.height;
            placed = kept;
        }
    }
    reactionsFor_ = reactionsFor;
    reactionRows_ = reactionRows;
    ++revision_;
}

const LegendGroup* Legend::group(int row) const
{
    if (row < 1 || row > rowCount()) return nullptr;
    return &groups_[static_cast<size_t>(row - 1)];
}

LegendGroup* Legend::mutableGroup(int row)
{
    if (row < 1 || row > rowCount()) return nullptr;
    return &groups_[static_cast<size_t>(row - 1)];
}

const LegendLabel* Legend::find(std::string_view name) const
{
    for (const LegendGroup& g : groups_)
        for (const LegendLabel& label : g.labels)
            if (label.name == name) return &label;
    return nullptr;
}

}  // namespace spanrix
