#include "drawing/result_curve.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "drawing/image_surface.h"
#include "drawing/painter_surface.h"

namespace spanrix {

double CurveSpec::x(int point) const
{
    // Every point number up to the largest resolution is exact in a float too, so counting
    // in int moves no point.
    return static_cast<double>(point) * width / intervals + left;
}

double CurveSpec::y(int point) const { return yOf((*values)[static_cast<size_t>(point) + 1]); }

double CurveSpec::yOf(double value) const
{
    const double v = value / peak;
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

// The pixels of the reference as runs of rows, one per device pixel column: rows top..bottom
// (none when top > bottom), and a dot on dotRow where a line shrank to one pixel.
struct CurveColumns {
    std::vector<int> top, bottom;
    std::vector<char> dot;
    int dotRow = 0;

    // Column k also covers the rows from the axis to an end (both in 26.6).
    void extend(size_t k, int axis26, int end26)
    {
        top[k] = std::min(top[k], std::min(axis26, end26) >> 6);
        bottom[k] = std::max(bottom[k], std::max(axis26, end26) >> 6);
    }
};

// Ends far outside a device h rows high are clipped; rows within it stay as they were.
double clippedRow(double py, int h) { return std::clamp(py, -2.0, h + 2.0); }

// The columns strictly between the columns of two neighbouring points, which no point
// reaches when the points are fewer than the columns.
void fillBetweenPoints(CurveColumns& out, const CurveSpec& curve, double ppx, double ppy, int axis26, int h)
{
    const int w = static_cast<int>(out.top.size());
    for (int i = 0; i + 1 < curve.pointCount; ++i) {
        const double x0 = curve.x(i) * ppx, x1 = curve.x(i + 1) * ppx;
        const double y0 = curve.y(i) * ppy, y1 = curve.y(i + 1) * ppy;
        if (!std::isfinite(y0) || !std::isfinite(y1) || !(x1 > x0)) continue;
        const int first = std::max((fixed26Dot6(x0) >> 6) + 1, 0);
        const int last = std::min((fixed26Dot6(x1) >> 6) - 1, w - 1);
        for (int c = first; c <= last; ++c) {
            const double t = (c + 0.5 - x0) / (x1 - x0);
            const int end26 = fixed26Dot6(clippedRow(y0 + (y1 - y0) * t, h));
            if (end26 != axis26) out.extend(static_cast<size_t>(c), axis26, end26);
        }
    }
}

// Reproduces what QPainter does with each vertical line of the reference on a device of
// w x h pixels, which the pixel-for-pixel test holds it to:
// - a line whose ends compare equal (QPointF's fuzzy compare) is one pixel at the rounded
//   start point;
// - otherwise, with ends a <= b truncated to 26.6, nothing when they are equal, else the
//   rows a>>6 .. b>>6 of column x>>6.
// All lines of a curve share the axis end, so the lines falling into one column cover one
// run of rows from the highest to the lowest end among them. nullopt when the curve is
// better drawn line by line.
// throughPoints: a column no point falls into, between two points, runs from the axis to
// the straight line joining them, taken at the column's middle.
std::optional<CurveColumns> curveColumns(const CurveSpec& curve, double ppx, double ppy, int w, int h,
                                         bool throughPoints)
{
    if (curve.pointCount <= 0 || w <= 0 || h <= 0) return std::nullopt;
    const double axisPx = curve.axisY * ppy;
    const double xEnd = std::max(std::abs(curve.x(0)), std::abs(curve.x(curve.pointCount - 1))) * ppx;
    // Only an axis and columns on the device keep the clipping simple.
    if (!(axisPx >= 0 && axisPx < h) || !(xEnd < w + 2.0)) return std::nullopt;

    CurveColumns out;
    out.top.assign(static_cast<size_t>(w), INT_MAX);
    out.bottom.assign(static_cast<size_t>(w), INT_MIN);
    out.dot.assign(static_cast<size_t>(w), 0);
    const int axis26 = fixed26Dot6(axisPx);
    out.dotRow = qRound(axisPx);

    auto addPoint = [&](int i) {
        const double px = curve.x(i) * ppx;
        const double py = curve.y(i) * ppy;
        if (!std::isfinite(py)) return;
        if (QPointF(px, axisPx) == QPointF(px, py)) {
            const int c = qRound(px);
            if (c >= 0 && c < w) out.dot[static_cast<size_t>(c)] = 1;
            return;
        }
        const int end26 = fixed26Dot6(clippedRow(py, h));
        const int c = fixed26Dot6(px) >> 6;
        if (end26 != axis26 && c >= 0 && c < w) out.extend(static_cast<size_t>(c), axis26, end26);
    };
    // Every step from a point to its pixel rows is monotonic, so the points of one column
    // give the run of their least and greatest values: one comparison per point instead of
    // the whole conversion. Columns where a value may lie on the axis (a dot) or off the
    // number line, and columns beside the device, are taken point by point.
    auto columnOf = [&](int i) { return fixed26Dot6(curve.x(i) * ppx) >> 6; };
    const std::vector<double>& values = *curve.values;
    constexpr double kClearOfAxis = 1e-6;  // pixels; far wider than the fuzzy compare's reach
    bool skippedColumns = false;
    int previous = 0;
    for (int i = 0; i < curve.pointCount;) {
        const int c = columnOf(i);
        // The first point past column c, by galloping then halving.
        int inside = i, step = 1;
        while (inside + step < curve.pointCount && columnOf(inside + step) == c) {
            inside += step;
            step *= 2;
        }
        int past = std::min(inside + step, curve.pointCount);
        while (past - inside > 1) {
            const int middle = inside + (past - inside) / 2;
            (columnOf(middle) == c ? inside : past) = middle;
        }
        skippedColumns = skippedColumns || (i > 0 && c > previous + 1);
        previous = c;

        double least = HUGE_VAL, greatest = -HUGE_VAL;
        for (int k = i; k < past; ++k) {
            const double v = values[static_cast<size_t>(k) + 1];
            least = std::min(least, v);
            greatest = std::max(greatest, v);
        }
        const double pyA = curve.yOf(least) * ppy, pyB = curve.yOf(greatest) * ppy;
        const double low = std::min(pyA, pyB), high = std::max(pyA, pyB);
        const bool wholeColumn = c >= 0 && c < w && std::isfinite(low) && std::isfinite(high) &&
                                 (low > axisPx + kClearOfAxis || high < axisPx - kClearOfAxis);
        if (wholeColumn) {
            // A NaN among the values was passed over by min and max, as it is point by point.
            const int lowEnd = fixed26Dot6(clippedRow(low, h)), highEnd = fixed26Dot6(clippedRow(high, h));
            if (lowEnd != axis26) out.extend(static_cast<size_t>(c), axis26, lowEnd);
            if (highEnd != axis26) out.extend(static_cast<size_t>(c), axis26, highEnd);
        } else {
            for (int k = i; k < past; ++k) addPoint(k);
        }
        i = past;
    }
    if (throughPoints && skippedColumns) fillBetweenPoints(out, curve, ppx, ppy, axis26, h);
    return out;
}

// Calls fill(column, firstRow, lastRow) for every run of rows within h rows.
template <typename Fill>
void forEachRun(const CurveColumns& columns, int h, Fill fill)
{
    const bool dotRowInside = columns.dotRow >= 0 && columns.dotRow < h;
    for (size_t k = 0; k < columns.top.size(); ++k) {
        const int c = static_cast<int>(k);
        if (columns.top[k] <= columns.bottom[k])
            fill(c, std::max(columns.top[k], 0), std::min(columns.bottom[k], h - 1));
        if (columns.dot[k] && dotRowInside) fill(c, columns.dotRow, columns.dotRow);
    }
}

// The reference leaves the current position at the end of the last line.
void endAtLastPoint(Surface& surface, const CurveSpec& curve)
{
    const int last = curve.pointCount - 1;
    surface.setCurrentPosition(curve.x(last), curve.y(last));
}

}  // namespace

void drawCurveBySpans(ImageSurface& surface, const CurveSpec& curve, bool throughPoints)
{
    QImage& image = surface.backingImage();
    if (curve.pointCount <= 0) return;
    // Written in device pixels, which a screen of high density has more of.
    const double ratio = image.devicePixelRatio();
    const auto columns = image.format() == QImage::Format_RGB32
        ? curveColumns(curve, surface.pixelsPerTwipX() * ratio, surface.pixelsPerTwipY() * ratio,
                       image.width(), image.height(), throughPoints)
        : std::nullopt;
    if (!columns) {
        drawCurveByLines(surface, curve);
        return;
    }
    const QRgb pixel = SurfacePainter::colour(surface.foreColor()).rgb();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    forEachRun(*columns, image.height(), [&](int column, int from, int to) {
        for (int r = from; r <= to; ++r) reinterpret_cast<QRgb*>(bits + r * stride)[column] = pixel;
    });
    endAtLastPoint(surface, curve);
    surface.imageChanged();
}

namespace {

// The same runs, filling between points, as one path of one-pixel-wide rectangles in the
// painter's pixels, so a page or a vector file holds one element per curve rather than one
// line per point.
void drawCurveByColumns(PainterSurface& surface, const CurveSpec& curve)
{
    if (curve.pointCount <= 0) return;
    const double ppx = surface.pixelsPerTwipX(), ppy = surface.pixelsPerTwipY();
    const QSize device(static_cast<int>(std::ceil(surface.width() * ppx)),
                       static_cast<int>(std::ceil(surface.height() * ppy)));
    const auto columns = curveColumns(curve, ppx, ppy, device.width(), device.height(), true);
    if (!columns) {
        drawCurveByLines(surface, curve);
        return;
    }
    // One path for the whole curve, so a vector file holds one element, not one per column.
    QPainterPath runs;
    runs.setFillRule(Qt::WindingFill);  // a dot inside a run stays filled
    forEachRun(*columns, device.height(), [&](int column, int from, int to) {
        runs.addRect(QRect(column, from, 1, to - from + 1));
    });
    surface.painter().fillPath(runs, SurfacePainter::colour(surface.foreColor()));
    endAtLastPoint(surface, curve);
}

}  // namespace

void drawCurve(Surface& surface, const CurveSpec& curve)
{
    if (auto* image = dynamic_cast<ImageSurface*>(&surface)) {
        drawCurveBySpans(*image, curve, true);
        return;
    }
    if (auto* painted = dynamic_cast<PainterSurface*>(&surface)) {
        drawCurveByColumns(*painted, curve);
        return;
    }
    drawCurveByLines(surface, curve);
}

}  // namespace spanrix
