#include "ui/calc/result_curve.h"

#include <QPointF>
#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/qt_surface.h"

namespace spanrix {

double CurveSpec::x(int point) const
{
    // Every point number up to the largest resolution is exact in a float too, so counting
    // in int moves no point.
    return static_cast<double>(point) * width / intervals + left;
}

double CurveSpec::y(int point) const
{
    const double v = (*values)[static_cast<size_t>(point) + 1] / peak;
    return direction < 0 ? axisY - halfHeight * v : axisY + halfHeight * v;
}

void drawCurveByLines(Surface& surface, const CurveSpec& curve)
{
    for (int i = 0; i < curve.pointCount; ++i) {
        const double x = curve.x(i);
        surface.line(x, curve.axisY, x, curve.y(i));
    }
}

namespace {

// Qt's aliased one-pixel line rasteriser works in 26.6 fixed point, truncating.
int fixed26Dot6(double v) { return static_cast<int>(v * 64.); }

}  // namespace

// Reproduces what QPainter does with each vertical line of the reference, which the
// pixel-for-pixel test holds it to:
// - a line whose ends compare equal (QPointF's fuzzy compare) is one pixel at the rounded
//   start point;
// - otherwise, with ends a <= b truncated to 26.6, nothing when they are equal, else the
//   rows a>>6 .. b>>6 of column x>>6.
// All lines of a curve share the axis end, so the lines falling into one column cover one
// run of rows from the highest to the lowest end among them.
void drawCurveBySpans(QtSurface& surface, const CurveSpec& curve)
{
    QImage& image = surface.backingImage();
    const int w = image.width(), h = image.height();
    if (curve.pointCount <= 0) return;
    if (image.format() != QImage::Format_RGB32 || w <= 0 || h <= 0) {
        drawCurveByLines(surface, curve);
        return;
    }

    const double ppx = surface.pixelsPerTwipX(), ppy = surface.pixelsPerTwipY();
    std::vector<int> top(static_cast<size_t>(w), INT_MAX), bottom(static_cast<size_t>(w), INT_MIN);
    std::vector<char> dot(static_cast<size_t>(w), 0);

    const double axisPx = curve.axisY * ppy;
    const double xEnd = std::max(std::abs(curve.x(0)), std::abs(curve.x(curve.pointCount - 1))) * ppx;
    if (!(axisPx >= 0 && axisPx < h) || !(xEnd < w + 2.0)) {
        // Only an axis and columns on the image keep the clipping simple.
        drawCurveByLines(surface, curve);
        return;
    }
    const int axis26 = fixed26Dot6(axisPx);
    const int dotRow = qRound(axisPx);

    for (int i = 0; i < curve.pointCount; ++i) {
        const double px = curve.x(i) * ppx;
        double py = curve.y(i) * ppy;
        if (!std::isfinite(py)) continue;
        // Ends far outside the image are clipped; rows within it stay as they were.
        py = std::clamp(py, -2.0, h + 2.0);
        if (QPointF(px, axisPx) == QPointF(px, py)) {
            const int c = qRound(px);
            if (c >= 0 && c < w) dot[static_cast<size_t>(c)] = 1;
            continue;
        }
        const int end26 = fixed26Dot6(py);
        if (end26 == axis26) continue;
        const int c = fixed26Dot6(px) >> 6;
        if (c < 0 || c >= w) continue;
        const auto k = static_cast<size_t>(c);
        top[k] = std::min(top[k], std::min(axis26, end26) >> 6);
        bottom[k] = std::max(bottom[k], std::max(axis26, end26) >> 6);
    }

    const QRgb pixel = surface.qColor(surface.foreColor()).rgb();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto at = [&](int row, int column) -> QRgb& {
        return reinterpret_cast<QRgb*>(bits + row * stride)[column];
    };
    const bool dotRowInside = dotRow >= 0 && dotRow < h;
    for (int c = 0; c < w; ++c) {
        const auto k = static_cast<size_t>(c);
        if (top[k] <= bottom[k]) {
            const int from = std::max(top[k], 0), to = std::min(bottom[k], h - 1);
            for (int r = from; r <= to; ++r) at(r, c) = pixel;
        }
        if (dot[k] && dotRowInside) at(dotRow, c) = pixel;
    }
    // The reference leaves the current position at the end of the last line.
    const int last = curve.pointCount - 1;
    surface.setCurrentPosition(curve.x(last), curve.y(last));
    surface.update();
}

void drawCurve(Surface& surface, const CurveSpec& curve)
{
    if (auto* qt = dynamic_cast<QtSurface*>(&surface)) {
        drawCurveBySpans(*qt, curve);
        return;
    }
    drawCurveByLines(surface, curve);
}

}  // namespace spanrix
