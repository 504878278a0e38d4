#include "drawing/diagrams.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/result_quantities.h"
#include "model/number_format.h"
#include "drawing/result_curve.h"
#include "drawing/surface.h"

namespace spanrix {

namespace {

inline constexpr Rgb kGridBlue{0, 0, 200};
inline constexpr Rgb kNoteColour{185, 0, 0};

// Where a diagram sits and how it is titled; its values and peak come from its quantity.
struct DiagramRow {
    double axisFraction;  // of the work-area height, in sixths
    const char* title;
    double titleShift;    // the title starts Wa / titleShift left of the beam's middle
    double direction;     // -1: positive values above the axis
};

DiagramRow rowOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Moment: return {1.0, "MOMENT", 28, -1};
    case Quantity::Stress: return {2.75, "BENDING STRESS", 18, -1};
    // In a window of its own, placed like the moment diagram.
    case Quantity::Shear: return {1.0, "SHEAR FORCE", 21, -1};
    case Quantity::Slope:
    case Quantity::Deflection: break;
    }
    return {4.5, "DEFLECTION", 22, 1};
}

// The value labels switch their unit on the diagram's peak; the deflection's labels keep
// their own rule.
std::string valueLabel(const ResultQuantity& q, double v, double peak, const DiagramInput& in)
{
    if (q.id == Quantity::Deflection) return deflectionLabelText(v, in.basis, in.sigFigs);
    return shownText(q, v, peak, in.basis, kPiMaxWindow, in.sigFigs);
}

// Where a text starting at `start` and `extent` long ends clear of `limit`: moved back by
// its overrun, but not before 0.
double clearOf(double start, double extent, double limit)
{
    const double overrun = start + extent - limit;
    return overrun > 0 ? std::max(start - overrun, 0.0) : start;
}

// Where the title goes, in the title's font. Where the window is small for its font, it
// moves up until clear of the grid's top line.
TextBox titleBox(const Surface& s, const DiagramRow& row, const ScreenGeometry& g)
{
    const double H = g.workAreaHeight, Wa = g.workAreaWidth;
    const double gridTop = roundHalfEven(row.axisFraction * H / 6) - g.arrowScale / 2.0;
    const double height = s.lineHeight();
    const double top = clearOf(gridTop - H / 30, height, gridTop - Wa / 200);
    const double left = (g.beamLeft + g.beamRight) / 2.0 - Wa / row.titleShift;
    return {left, top, left + s.textWidth(row.title), top + height};
}

struct SecondCurve {
    const std::vector<double>* values = nullptr;
    Rgb colour;
};

void drawDiagram(Surface& s, Quantity quantity, const DiagramInput& in, SecondCurve second = {})
{
    const ScreenGeometry& g = in.geometry;
    const DiagramRow row = rowOf(quantity);
    const ResultQuantity& q = resultQuantity(quantity);
    const double peak = (peakValues(in.results).*q.peak).value;
    const double H = g.workAreaHeight, Wa = g.workAreaWidth;
    const double A = g.arrowScale / 2.0;
    const int32_t W = g.beamRight - g.beamLeft;
    const int32_t y0 = static_cast<int32_t>(roundHalfEven(row.axisFraction * H / 6));
    const double P = std::abs(peak);
    const double L = in.basis.beamLength;

    // Where the window is small for its font, a label would run into the grid: it moves
    // left until clear.
    const double clearance = Wa / 200;
    s.line(g.beamLeft, y0, g.beamRight, y0);
    s.setForeColor(kGridBlue);
    for (float t = -3; t <= 3; ++t) {
        const double gridY = y0 + t * A / 3;
        s.line(g.beamRight, gridY, g.beamLeft, gridY);
        const std::string label = valueLabel(q, P * -t / 3, P, in);
        const double labelX = g.beamLeft - Wa / 15;
        s.setCurrentX(clearOf(labelX, s.textWidth(label), g.beamLeft - clearance));
        s.setCurrentY(s.currentY() - H / 65);
        s.text(label);

        const double step = static_cast<double>(t) + 3;
        const double xk = step * W / 6 + g.beamLeft;
        s.line(xk, y0 - A, xk, y0 + A);
        s.text(locationText(step * L / 6, in.basis, in.sigFigs));
    }

    const auto savedSize = static_cast<float>(roundHalfEven(s.fontSize()));
    const std::string savedName = s.fontName();
    s.setForeColor(kBlack);
    setTitleFont(s);
    const TextBox title = titleBox(s, row, g);
    s.setCurrentPosition(title.left, title.top);
    s.text(row.title);
    s.setFontSize(savedSize);
    s.setFontName(savedName);
    s.setBold(false);

    if (peak == 0) return;
    CurveSpec curve;
    curve.values = &(in.results.*q.samples);
    curve.pointCount = in.basis.pointCount;
    curve.intervals = in.basis.intervals;
    curve.left = g.beamLeft;
    curve.width = W;
    curve.axisY = y0;
    curve.halfHeight = A;
    curve.direction = row.direction;
    curve.peak = P;
    drawCurve(s, curve);
    if (second.values) {
        const Rgb saved = s.foreColor();
        s.setForeColor(second.colour);
        curve.values = second.values;
        drawCurve(s, curve);
        s.setForeColor(saved);
    }
}

}  // namespace

void drawMomentDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Quantity::Moment, in); }
void drawStressDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Quantity::Stress, in); }
void drawDeflectionDiagram(Surface& surface, const DiagramInput& in)
{
    drawDiagram(surface, Quantity::Deflection, in);
}

void drawShearDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Quantity::Shear, in); }

void drawMomentEnvelope(Surface& surface, const DiagramInput& in, const std::vector<double>& lower,
                        Rgb lowerColour)
{
    drawDiagram(surface, Quantity::Moment, in, {&lower, lowerColour});
}

TextBox diagramTitleBox(Surface& surface, Quantity quantity, const ScreenGeometry& geometry)
{
    const float size = surface.fontSize();
    const std::string name = surface.fontName();
    const bool bold = surface.bold();
    setTitleFont(surface);
    const TextBox box = titleBox(surface, rowOf(quantity), geometry);
    surface.setFontSize(size);
    surface.setFontName(name);
    surface.setBold(bold);
    return box;
}

void drawShearEnvelope(Surface& surface, const DiagramInput& in, const std::vector<double>& lower,
                       Rgb lowerColour)
{
    drawDiagram(surface, Quantity::Shear, in, {&lower, lowerColour});
}

void drawResultDiagrams(Surface& surface, const DiagramInput& in)
{
    drawMomentDiagram(surface, in);
    drawStressDiagram(surface, in);
    drawDeflectionDiagram(surface, in);
}

void drawDiagramNote(Surface& surface, const ScreenGeometry& g, const std::string& note)
{
    if (note.empty()) return;
    const double H = g.workAreaHeight;
    const DiagramRow row = rowOf(Quantity::Deflection);
    const double axis = roundHalfEven(row.axisFraction * H / 6);
    // Below the position labels, as far below them as the titles stand above the grids.
    surface.setCurrentPosition(g.beamLeft - g.workAreaWidth / 15.0, axis + g.arrowScale / 2.0 + H / 30);
    const Rgb saved = surface.foreColor();
    surface.setForeColor(kNoteColour);
    surface.text(note);
    surface.setForeColor(saved);
}

void clearResultScreen(Surface& surface)
{
    surface.setForeColor(surface.backColor());
    surface.filledBox(0, 0, surface.width(), surface.height());
    surface.setForeColor(kBlack);
}

void drawRefusal(Surface& surface, const std::string& refusal)
{
    // About half an em per character: centred closely enough without measuring the font.
    constexpr double kTwipsPerPoint = 20.0;
    const double width = static_cast<double>(refusal.size()) * kTitlePoints * kTwipsPerPoint * 0.5;
    const std::string fontName = surface.fontName();
    const float fontSize = surface.fontSize();
    setTitleFont(surface);
    surface.setForeColor(kBlack);
    surface.setCurrentPosition((surface.width() - width) / 2,
                               surface.height() / 2 - kTitlePoints * kTwipsPerPoint);
    surface.text(refusal);
    surface.setFontName(fontName);
    surface.setFontSize(fontSize);
    surface.setBold(false);
}

}  // namespace spanrix
