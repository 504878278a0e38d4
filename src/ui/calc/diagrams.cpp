#include "ui/calc/diagrams.h"

#include <cmath>
#include <string>

#include "model/number_format.h"
#include "ui/calc/result_curve.h"
#include "ui/surface.h"

namespace spanrix {

namespace {

inline constexpr Rgb kGridBlue{0, 0, 200};
inline constexpr Rgb kNoteColour{185, 0, 0};

enum class Kind { Moment, Stress, Deflection, Shear };

struct DiagramRow {
    double axisFraction;  // of the work-area height, in sixths
    const char* title;
    double titleShift;    // the title starts Wa / titleShift left of the beam's middle
    const std::vector<double>* values;
    double direction;     // -1: positive values above the axis
    double peak;
};

DiagramRow rowOf(Kind kind, const ResultSet& r)
{
    switch (kind) {
    case Kind::Moment: return {1.0, "MOMENT", 28, &r.momentAt, -1, r.peakMoment};
    case Kind::Stress: return {2.75, "BENDING STRESS", 18, &r.stressAt, -1, r.peakStress};
    // In a window of its own, placed like the moment diagram.
    case Kind::Shear: return {1.0, "SHEAR FORCE", 21, &r.shearAt, -1, r.peakShear};
    case Kind::Deflection: break;
    }
    return {4.5, "DEFLECTION", 22, &r.deflectionAt, 1, r.peakDeflection};
}

std::string valueLabel(Kind kind, double v, double peak, const DiagramInput& in)
{
    switch (kind) {
    case Kind::Moment: return momentLabelText(v, peak, in.basis.metricUnits, in.sigFigs);
    case Kind::Stress: return stressLabelText(v, peak, in.basis.metricUnits, in.sigFigs);
    case Kind::Shear: return shearLabelText(v, peak, in.basis.metricUnits, in.sigFigs);
    case Kind::Deflection: break;
    }
    return deflectionLabelText(v, in.basis, in.sigFigs);
}

void drawDiagram(Surface& s, Kind kind, const DiagramInput& in)
{
    const ScreenGeometry& g = in.geometry;
    const DiagramRow row = rowOf(kind, in.results);
    const double H = g.workAreaHeight, Wa = g.workAreaWidth;
    const double A = g.arrowScale / 2.0;
    const int32_t W = g.beamRight - g.beamLeft;
    const int32_t y0 = static_cast<int32_t>(roundHalfEven(row.axisFraction * H / 6));
    const double P = std::abs(row.peak);
    const double L = in.basis.beamLength;

    s.line(g.beamLeft, y0, g.beamRight, y0);
    s.setForeColor(kGridBlue);
    for (float t = -3; t <= 3; ++t) {
        const double gridY = y0 + t * A / 3;
        s.line(g.beamRight, gridY, g.beamLeft, gridY);
        s.setCurrentX(g.beamLeft - Wa / 15);
        s.setCurrentY(s.currentY() - H / 65);
        s.text(valueLabel(kind, P * -t / 3, P, in));

        const double step = static_cast<double>(t) + 3;
        const double xk = step * W / 6 + g.beamLeft;
        s.line(xk, y0 - A, xk, y0 + A);
        s.text(locationText(step * L / 6, in.basis, in.sigFigs));
    }

    const auto savedSize = static_cast<float>(roundHalfEven(s.fontSize()));
    const std::string savedName = s.fontName();
    s.setForeColor(kBlack);
    s.setFontSize(14);
    s.setFontName("arial");
    s.setBold(true);
    s.setCurrentPosition((g.beamLeft + g.beamRight) / 2.0 - Wa / row.titleShift, y0 - A - H / 30);
    s.text(row.title);
    s.setFontSize(savedSize);
    s.setFontName(savedName);
    s.setBold(false);

    if (row.peak == 0) return;
    CurveSpec curve;
    curve.values = row.values;
    curve.pointCount = in.basis.pointCount;
    curve.intervals = in.basis.intervals;
    curve.left = g.beamLeft;
    curve.width = W;
    curve.axisY = y0;
    curve.halfHeight = A;
    curve.direction = row.direction;
    curve.peak = P;
    drawCurve(s, curve);
}

}  // namespace

void drawMomentDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Kind::Moment, in); }
void drawStressDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Kind::Stress, in); }
void drawDeflectionDiagram(Surface& surface, const DiagramInput& in)
{
    drawDiagram(surface, Kind::Deflection, in);
}

void drawShearDiagram(Surface& surface, const DiagramInput& in) { drawDiagram(surface, Kind::Shear, in); }

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
    const DiagramRow row = rowOf(Kind::Deflection, ResultSet{});
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

}  // namespace spanrix
