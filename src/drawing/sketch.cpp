#include "drawing/sketch.h"

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
    s.setFontName("arial");
    s.setBold(true);
    s.setFontSize(14);
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

void Sketch::drawPointLoads()
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    for (int i = 1; i <= m.numPointLoads; ++i) {
        const double len = scaled(m.pointLoadMag[i], g.arrowScale, m.maxPointLoadMag);
        if (len == 0.0) continue;  // a removed load leaves nothing
        const double x = sketchX(state_, m.pointLoadLoc[i]);
        const double h = len / 10;
        // Downward loads end on the upper edge, upward ones on the lower edge.
        const int y0 = len < 0 ? g.beamBottom : g.beamTop;
        s.lineBy(x, y0 - len, 0, len);
        s.lineBy(x, y0, h, -h);
        s.lineBy(x + h, y0 - h, -2 * h, 0);
        s.lineBy(x - h, y0 - h, h, h);
    }
}

void Sketch::drawDistLoads()
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    const double halfScale = g.arrowScale / 2.0;
    for (int i = 1; i <= m.numDistLoads; ++i) {
        const double xs = sketchX(state_, m.distLoadStart[i]);
        const double xe = sketchX(state_, m.distLoadEnd[i]);
        if (m.distLoadStartMag[i] == 0.0 && m.distLoadEndMag[i] == 0.0) continue;
        const double hs = scaled(m.distLoadStartMag[i], halfScale, m.maxDistLoadMag);
        const double he = scaled(m.distLoadEndMag[i], halfScale, m.maxDistLoadMag);
        // All five arrows end on the edge of the longer one.
        const double big = std::abs(he) >= std::abs(hs) ? he : hs;
        const int y0 = big >= 0 ? g.beamTop : g.beamBottom;
        const double dx = (xe - xs) / 4;
        const double slope = xs == xe ? 0.0 : (hs - he) / (xs - xe);
        for (int k = 0; k <= 4; ++k) {
            const double d = k * dx;
            const double a = d * slope + hs;
            const double h = a / 10;
            s.lineBy(xs + d, y0 - a, 0, a);
            s.lineBy(xs + d, y0, h, -h);
            s.lineBy(xs + d + h, y0 - h, -2 * h, 0);
            s.lineBy(xs + d - h, y0 - h, h, h);
        }
        s.line(xs, y0 - hs, xe, y0 - he);
    }
}

void Sketch::arcArrowhead(double hh)
{
    Surface& s = surface_;
    const double px = s.currentX();
    const double py = s.currentY();
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
    const double cos45 = std::cos(kSketchPi / 4);
    for (int i = 1; i <= m.numMoments; ++i) {
        const double r = scaled(m.momentMag[i], g.symbolScale, m.maxMomentMag);
        if (r == 0.0) continue;  // a removed moment leaves nothing
        const double xm = sketchX(state_, m.momentLoc[i]);
        const double hh = r / 10;
        s.setFillStyle(FillStyle::Solid);
        s.circle(xm, yMid, std::abs(g.beamTop - g.beamBottom) / 10.0);
        s.setFillStyle(FillStyle::DiagonalCross);
        // Three quarters of a circle, open on the left for a positive moment.
        if (r > 0)
            s.arc(xm, yMid, r, kArcLeftOpenFrom, kArcLeftOpenTo);
        else
            s.arc(xm, yMid, std::abs(r), kArcRightOpenFrom, kArcRightOpenTo);
        s.setCurrentPosition(xm - cos45 * r, yMid - std::abs(r) * cos45);
        arcArrowhead(hh);
    }
}

void Sketch::drawSupports()
{
    Surface& s = surface_;
    const ScreenGeometry& g = state_.geometry;
    const BeamModel& m = state_.model;
    const double yMid = sketchMidY(g);
    const double cos45 = std::cos(kSketchPi / 4);
    s.setForeColor(supportColor_);
    const double side = g.arrowScale / 2.0;
    const double t = g.symbolScale / 10.0;
    for (int i = 1; i <= m.numSupports; ++i) {
        if (m.supportLoc[i] < 0) continue;  // removed
        const double xs = sketchX(state_, m.supportLoc[i]);
        s.line(xs, g.beamBottom, xs - side / 2, g.beamBottom + side / std::sqrt(2.0));
        s.lineBy(s.currentX(), s.currentY(), side, 0);
        s.line(xs, g.beamBottom, xs + side / 2, s.currentY());
        if (m.supportType[i] == "cant") {
            s.arc(xs, yMid, g.symbolScale, kArcLeftOpenFrom, kArcLeftOpenTo);
            s.setCurrentPosition(xs - g.symbolScale * cos45, yMid - g.symbolScale * cos45);
            arcArrowhead(t);
        }
    }
    s.setForeColor(kBlack);
}

}  // namespace spanrix
