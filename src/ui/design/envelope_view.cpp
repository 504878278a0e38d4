#include "ui/design/envelope_view.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"
#include "drawing/diagrams.h"
#include "ui/qt_surface.h"

namespace spanrix {

namespace {

constexpr Rgb kLowerCurve{0, 128, 0};
constexpr Rgb kLabelColour{128, 0, 0};

// Where the moment and shear diagrams put their axis: a sixth of the height down.
double axisY(const ScreenGeometry& g) { return roundHalfEven(g.workAreaHeight / 6.0); }

double beamX(const ScreenGeometry& g, double beamLength, double x)
{
    return g.beamLeft + (beamLength > 0 ? x / beamLength : 0) * (g.beamRight - g.beamLeft);
}

// Slots 1..n hold points 0..n-1, as the result arrays do.
std::vector<double> inSlots(const std::vector<double>& points)
{
    std::vector<double> shifted(points.size() + 1, 0.0);
    std::copy(points.begin(), points.end(), shifted.begin() + 1);
    return shifted;
}

}  // namespace

ScreenGeometry envelopeGeometry(const ScreenGeometry& screen)
{
    return screenGeometry(screen.workAreaWidth * 2 / 3, screen.workAreaHeight * 2 / 3);
}

QtSurface* makeEnvelopeSurface(const ScreenGeometry& geometry, QWidget* parent, const char* name)
{
    auto* surface = new QtSurface(parent);
    surface->setObjectName(name);
    surface->ensureTwipsSize(geometry.workAreaWidth, geometry.workAreaHeight / 3.0);
    // In the window's own pixels: on a dense display the image holds more.
    surface->setMinimumSize(surface->image().deviceIndependentSize().toSize());
    return surface;
}

ResultBasis envelopeBasis(const BeamModel& model, const design::CaseSolutions& s)
{
    ResultBasis basis = resultBasis(model);
    basis.beamLength = s.grid.length;
    basis.intervals = s.grid.intervals;
    basis.pointCount = s.grid.pointCount;
    return basis;
}

void drawEnvelope(QtSurface& surface, const ScreenGeometry& geometry, const ResultBasis& basis,
                  Quantity q, const design::Curves& curves, const std::vector<ExtremeLabel>& labels,
                  int sigFigs)
{
    const std::vector<double>& upper = curves.upper[q];
    const std::vector<double>& lower = curves.lower[q];
    double peak = 0;
    for (const std::vector<double>* curve : {&upper, &lower})
        for (const double v : *curve)
            if (std::abs(v) > std::abs(peak)) peak = v;

    ResultSet shown(static_cast<int>(upper.size()));
    const std::vector<double> upperSlots = inSlots(upper), lowerSlots = inSlots(lower);
    const bool moment = q == Quantity::Moment;
    (moment ? shown.momentAt : shown.shearAt) = upperSlots;
    (moment ? shown.peakMoment : shown.peakShear) = peak;
    shown.pointCount = basis.pointCount;

    surface.clear();
    surface.setForeColor(kBlack);
    const DiagramInput in{geometry, basis, shown, sigFigs};
    if (moment)
        drawMomentEnvelope(surface, in, lowerSlots, kLowerCurve);
    else
        drawShearEnvelope(surface, in, lowerSlots, kLowerCurve);

    if (peak == 0) return;
    const double halfHeight = geometry.arrowScale / 2.0;
    const double gap = geometry.workAreaWidth / 100.0;
    const TextBox title = diagramTitleBox(surface, q, geometry);
    surface.setForeColor(kLabelColour);
    for (const ExtremeLabel& label : labels) {
        const double y = axisY(geometry) - halfHeight * label.value / std::abs(peak);
        // Above a largest value, below a smallest one and the position labels there, so the
        // name never hides the curve; beside the title rather than over it.
        const double lineHeight = geometry.workAreaHeight / 40.0;
        const double width = surface.textWidth(label.text);
        TextBox box;
        box.left = beamX(geometry, basis.beamLength, label.x) + gap;
        box.top = label.value >= 0 ? y - 1.5 * lineHeight : y + 1.5 * lineHeight;
        box.right = box.left + width;
        box.bottom = box.top + std::max(lineHeight, surface.lineHeight());
        if (box.meets(title)) box.left = title.right + gap;
        box.left = std::max(0.0, std::min(box.left, surface.width() - width));
        surface.setCurrentPosition(box.left, box.top);
        surface.text(label.text);
    }
    surface.setForeColor(kBlack);
    // Painted once the caller is done: the steel check marks its brace points over this.
    surface.update();
}

void markPositions(QtSurface& surface, const ScreenGeometry& geometry, double beamLength,
                   const std::vector<double>& positions)
{
    const double y = axisY(geometry), half = geometry.arrowScale / 6.0;
    surface.setForeColor(kRed);
    for (const double x : positions) {
        const double bx = beamX(geometry, beamLength, x);
        surface.filledBox(bx - 15, y - half, bx + 15, y + half);
    }
    surface.setForeColor(kBlack);
    surface.update();
}

}  // namespace spanrix
