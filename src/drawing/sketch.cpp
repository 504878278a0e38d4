#include "drawing/sketch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "legend/legend_captions.h"
#include "model/number_format.h"
#include "drawing/legend.h"

namespace spanrix {

namespace {

constexpr int kEraseMode = 15;

// Arc angles go to the surface as floats, as every caller of the arc does.
const float kArcLeftOpenFrom = static_cast<float>(5 * kSketchPi / 4);
const float kArcLeftOpenTo = static_cast<float>(3 * kSketchPi / 4);
const float kArcRightOpenFrom = static_cast<float>(kSketchPi / 4);
const float kArcRightOpenTo = static_cast<float>(7 * kSketchPi / 4);

// Scaled size of a magnitude against its tracker; a zero tracker (only a damaged file can
// leave one beside a live entry) scales to nothing rather than to infinity.
double scaled(double magnitude, double scale, double tracker)
{
    if (magnitude == 0.0 || tracker == 0.0) return 0.0;
    return magnitude * scale / tracker;
}

double pointLoadLength(const AppState& state, int i)
{
    return scaled(state.model.pointLoadMag[i], state.geometry.arrowScale, state.model.maxPointLoadMag);
}

// A distributed load's arrows at its two ends, and the beam edge all its arrows end on.
struct DistArrows {
    double hs;
    double he;
    int y0;
};

DistArrows distLoadArrows(const AppState& state, int i)
{
    const ScreenGeometry& g = state.geometry;
    const BeamModel& m = state.model;
    const double halfScale = g.arrowScale / 2.0;
    const double hs = scaled(m.distLoadStartMag[i], halfScale, m.maxDistLoadMag);
    const double he = scaled(m.distLoadEndMag[i], halfScale, m.maxDistLoadMag);
    // All five arrows end on the edge of the longer one.
    const double big = std::abs(he) >= std::abs(hs) ? he : hs;
    return {hs, he, big >= 0 ? g.beamTop : g.beamBottom};
}

double momentRadius(const AppState& state, int i)
{
    return scaled(state.model.momentMag[i], state.geometry.symbolScale, state.model.maxMomentMag);
}

// Half the width a thin symbol (a small arrow) can still be pointed at with: four pixels.
constexpr double kPointingSlack = 60;

LabelRect spanning(double x1, double y1, double x2, double y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
}

bool contains(const LabelRect& r, double x, double y)
{
    return x >= r.left && x <= r.left + r.width && y >= r.top && y <= r.top + r.height;
}

}  // namespace

double sketchX(const AppState& state, double location)
{
    const ScreenGeometry& g = state.geometry;
    const double length = state.model.beamLength;
    if (!(length > 0.0)) return g.beamLeft;
    return location * (g.beamRight - g.beamLeft) / length + g.beamLeft;
}

double sketchMidY(const ScreenGeometry& g) { return (g.beamTop + g.beamBottom) / 2.0; }

void prepareSketchSurface(Surface& surface)
{
    surface.setFillStyle(FillStyle::DiagonalCross);
    surface.setFontSize(8);
}

void Sketch::drawSketch(int mode)
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    BeamModel& m = state_.model;

    s.setForeColor(kBlack);
    supportColor_ = kRed;
    s.refresh();
    // The beam is drawn black in both modes, so erasing leaves it standing.
    s.box(g.beamLeft, g.beamTop, g.beamRight, g.beamBottom);
    // Erasing fills a moment's dot in the background too, or the dot would stay for good.
    const Rgb savedFill = s.fillColor();
    if (mode == kEraseMode) {
        s.setForeColor(s.backColor());
        s.setFillColor(s.backColor());
        supportColor_ = s.backColor();
    }

    const std::string savedName = s.fontName();
    const auto savedSize = static_cast<int16_t>(roundHalfEven(s.fontSize()));
    setTitleFont(s);
    s.setCurrentPosition((g.beamLeft + g.beamRight) / 2.0 - g.workAreaWidth / 15.0,
                         g.workAreaHeight - g.workAreaHeight / 8.0);
    s.text(sketchLengthText(m, state_.sigFigs));
    // Bold stays on: the length text is always bold and nothing else draws text here.
    s.setFontSize(savedSize);
    s.setFontName(savedName);

    drawPointLoads();
    legend_.addPointLoadLegend(m.numPointLoads, m.shownPointLoads, m.numFeatures);
    drawDistLoads();
    legend_.addDistLoadLegend(m.numDistLoads, m.shownDistLoads, m.numFeatures);
    drawMoments();
    legend_.addMomentLegend(m.numMoments, m.shownMoments, m.numFeatures);
    drawSupports();
    legend_.addSupportLegend(m.numSupports, m.shownSupports, m.numFeatures);

    s.setFillColor(savedFill);
    supportColor_ = kRed;
}

void Sketch::drawArrow(double x, int y0, double len)
{
    Surface& s = surface_;
    const double h = len / 10;
    s.lineBy(x, y0 - len, 0, len);
    s.lineBy(x, y0, h, -h);
    s.lineBy(x + h, y0 - h, -2 * h, 0);
    s.lineBy(x - h, y0 - h, h, h);
}

void Sketch::drawPointLoads()
{
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    for (int i = 1; i <= m.numPointLoads; ++i) {
        const double len = pointLoadLength(state_, i);
        if (len == 0.0) continue;  // a removed load leaves nothing
        const double x = sketchX(state_, m.pointLoadLoc[i]);
        // Downward loads end on the upper edge, upward ones on the lower edge.
        drawArrow(x, len < 0 ? g.beamBottom : g.beamTop, len);
    }
}

void Sketch::drawDistLoads()
{
    Surface& s = surface_;
    const BeamModel& m = state_.model;
    for (int i = 1; i <= m.numDistLoads; ++i) {
        const double xs = sketchX(state_, m.distLoadStart[i]);
        const double xe = sketchX(state_, m.distLoadEnd[i]);
        if (m.distLoadStartMag[i] == 0.0 && m.distLoadEndMag[i] == 0.0) continue;
        const auto [hs, he, y0] = distLoadArrows(state_, i);
        const double dx = (xe - xs) / 4;
        const double slope = xs == xe ? 0.0 : (hs - he) / (xs - xe);
        for (int k = 0; k <= 4; ++k) {
            const double d = k * dx;
            drawArrow(xs + d, y0, d * slope + hs);
        }
        s.line(xs, y0 - hs, xe, y0 - he);
    }
}

void Sketch::arcArrowhead(double xc, double yc, double r)
{
    Surface& s = surface_;
    const double cos45 = std::cos(kSketchPi / 4);
    const double px = xc - cos45 * r;
    const double py = yc - std::abs(r) * cos45;
    const double hh = r / 10;
    s.line(px, py, px, py - std::abs(hh));
    s.line(s.currentX(), s.currentY(), px + hh, py);
    s.line(s.currentX(), s.currentY(), px, py);
}

void Sketch::drawMoments()
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    const double yMid = sketchMidY(g);
    for (int i = 1; i <= m.numMoments; ++i) {
        const double r = momentRadius(state_, i);
        if (r == 0.0) continue;  // a removed moment leaves nothing
        const double xm = sketchX(state_, m.momentLoc[i]);
        s.setFillStyle(FillStyle::Solid);
        s.circle(xm, yMid, std::abs(g.beamTop - g.beamBottom) / 10.0);
        s.setFillStyle(FillStyle::DiagonalCross);
        // Three quarters of a circle, open on the left for a positive moment.
        if (r > 0)
            s.arc(xm, yMid, r, kArcLeftOpenFrom, kArcLeftOpenTo);
        else
            s.arc(xm, yMid, std::abs(r), kArcRightOpenFrom, kArcRightOpenTo);
        arcArrowhead(xm, yMid, r);
    }
}

void Sketch::drawSupports()
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    const double yMid = sketchMidY(g);
    s.setForeColor(supportColor_);
    const double side = g.arrowScale / 2.0;
    for (int i = 1; i <= m.numSupports; ++i) {
        if (m.supportLoc[i] < 0) continue;  // removed
        const double xs = sketchX(state_, m.supportLoc[i]);
        s.line(xs, g.beamBottom, xs - side / 2, g.beamBottom + side / std::sqrt(2.0));
        s.lineBy(s.currentX(), s.currentY(), side, 0);
        s.line(xs, g.beamBottom, xs + side / 2, s.currentY());
        if (m.supportType[i] == "cant") {
            s.arc(xs, yMid, g.symbolScale, kArcLeftOpenFrom, kArcLeftOpenTo);
            arcArrowhead(xs, yMid, g.symbolScale);
        }
    }
    s.setForeColor(kBlack);
}

std::optional<LabelRect> symbolBounds(const AppState& state, int row)
{
    const BeamModel& m = state.model;
    const ScreenGeometry& g = state.geometry;
    if (row < 1 || row > m.numFeatures) return std::nullopt;
    const FeatureKind kind = featureKind(m, row);
    const int k = featureIndex(m, row);
    if (!isLive(m, kind, k)) return std::nullopt;
    const double yMid = sketchMidY(g);
    switch (kind) {
    case FeatureKind::PointLoad: {
        const double len = pointLoadLength(state, k);
        const double x = sketchX(state, m.pointLoadLoc[k]);
        const double half = std::max(std::abs(len) / 10, kPointingSlack);
        const int y0 = len < 0 ? g.beamBottom : g.beamTop;
        return spanning(x - half, y0 - len, x + half, y0);
    }
    case FeatureKind::DistLoad: {
        const auto [hs, he, y0] = distLoadArrows(state, k);
        const double top = std::min({double(y0), y0 - hs, y0 - he});
        const double bottom = std::max({double(y0), y0 - hs, y0 - he});
        return spanning(sketchX(state, m.distLoadStart[k]) - kPointingSlack, top,
                        sketchX(state, m.distLoadEnd[k]) + kPointingSlack, bottom);
    }
    case FeatureKind::Moment: {
        const double r = std::abs(momentRadius(state, k));
        const double x = sketchX(state, m.momentLoc[k]);
        return spanning(x - r, yMid - r, x + r, yMid + r);
    }
    case FeatureKind::Support: {
        const double x = sketchX(state, m.supportLoc[k]);
        const double side = g.arrowScale / 2.0;
        LabelRect r = spanning(x - side / 2, g.beamBottom, x + side / 2,
                               g.beamBottom + side / std::sqrt(2.0));
        if (m.supportType[k] == "cant") {
            const double s = g.symbolScale;
            const double bottom = r.top + r.height;
            r = spanning(std::min(r.left, x - s), yMid - s, std::max(r.left + r.width, x + s),
                         std::max(bottom, yMid + s));
        }
        return r;
    }
    case FeatureKind::None: break;
    }
    return std::nullopt;
}

int featureAt(const AppState& state, std::span<const PlacedLabel> legend, double x, double y)
{
    for (const PlacedLabel& label : legend)
        if (contains(label.rect, x, y)) return label.row;
    // Symbols overlap (a load over a longer distributed load): the smallest one is meant.
    int found = 0;
    double foundArea = 0.0;
    for (int row = 1; row <= state.model.numFeatures; ++row) {
        const auto r = symbolBounds(state, row);
        if (!r || !contains(*r, x, y)) continue;
        const double area = r->width * r->height;
        if (found == 0 || area < foundArea) {
            found = row;
            foundArea = area;
        }
    }
    return found;
}

std::optional<double> beamLocationAt(const AppState& state, double x, double y)
{
    const ScreenGeometry& g = state.geometry;
    const double length = state.model.beamLength;
    if (!(length > 0.0) || g.beamRight <= g.beamLeft) return std::nullopt;
    const LabelRect beam = spanning(g.beamLeft - kPointingSlack, g.beamTop - kPointingSlack,
                                    g.beamRight + kPointingSlack, g.beamBottom + kPointingSlack);
    if (!contains(beam, x, y)) return std::nullopt;
    const double location = (x - g.beamLeft) * length / (g.beamRight - g.beamLeft);
    return std::clamp(location, 0.0, length);
}

}  // namespace spanrix
