#pragma once

#include <vector>

namespace spanrix {

class ImageSurface;
class Surface;

// A result curve: for every calculation point i a vertical line from the axis to the value,
// at x = i * width / intervals + left and y = axisY + direction * halfHeight * value / peak
// (twips). direction is -1 for values drawn upward when positive, +1 for downward.
struct CurveSpec {
    const std::vector<double>* values = nullptr;  // slot i + 1 holds point i
    int pointCount = 0;
    double intervals = 0;
    double left = 0;
    double width = 0;
    double axisY = 0;
    double halfHeight = 0;
    double direction = -1;
    double peak = 0;

    double x(int point) const;
    double y(int point) const;
    double yOf(double value) const;  // the y of a value
};

// Draws the curve in the surface's fore colour: on an ImageSurface straight into its image, on
// a PainterSurface (paper, a vector file) as one filled path of the same runs per pixel
// column, otherwise one line per point. On the first two a curve of fewer points than
// pixel columns is drawn through its points: a column between two points reaches the
// straight line between them, so the filled diagram has no gaps at any resolution.
void drawCurve(Surface& surface, const CurveSpec& curve);

// One line per point through the surface's own line operation: the reference.
void drawCurveByLines(Surface& surface, const CurveSpec& curve);

// The same pixels as drawCurveByLines on an ImageSurface, written as one vertical span per
// device pixel column, so the time no longer grows with the points beyond one pass.
// throughPoints also fills the columns between points, as drawCurve does.
void drawCurveBySpans(ImageSurface& surface, const CurveSpec& curve, bool throughPoints = false);

}  // namespace spanrix
