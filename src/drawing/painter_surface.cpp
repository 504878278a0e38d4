#include "drawing/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <cmath>

#include "geometry/geometry.h"
#include "model/units.h"

namespace spanrix {

namespace {

// A screen pixel at the usual 96 dots per inch: the width of every line on the screens.
constexpr double kScreenPixelTwips = kTwipsPerInch / 96.0;
// Qt's crossed hatch repeats every 8 device pixels.
constexpr double kHatchSpacing = 8;

}  // namespace

SurfacePainter::SurfacePainter(QPainter& painter, const Surface& surface, double pixelsPerTwipX,
                               double pixelsPerTwipY, double screenPixel)
    : painter_(painter), surface_(surface), px_(pixelsPerTwipX), py_(pixelsPerTwipY),
      screenPixel_(screenPixel)
{
}

QFont SurfacePainter::font(const Surface& surface)
{
    QFont font(QString::fromStdString(surface.fontName()));
    font.setPointSizeF(surface.fontSize() > 0 ? surface.fontSize() : 8.0);
    font.setBold(surface.bold());
    // Erasing redraws text in the background colour; antialiased edges would leave ghosts.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void SurfacePainter::preparePainter(bool useFill)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour(surface_.foreColor()));
    // On a screen of high density a line is one window pixel wide, as thick as elsewhere.
    const bool dense = screenPixel_ == 0 && painter_.device()->devicePixelRatio() > 1;
    pen.setWidthF(dense ? 1.0 : screenPixel_);
    painter_.setPen(pen);
    const bool hatched = surface_.fillStyle() == FillStyle::DiagonalCross;
    if (!useFill || (hatched && screenPixel_ > 0)) {
        painter_.setBrush(Qt::NoBrush);
        return;
    }
    painter_.setBrush(QBrush(colour(surface_.fillColor()),
                             hatched ? Qt::DiagCrossPattern : Qt::SolidPattern));
}

void SurfacePainter::hatchOnPaper(const QPainterPath& shape)
{
    if (!(screenPixel_ > 0) || surface_.fillStyle() != FillStyle::DiagonalCross) return;
    // A brush hatch is spaced in device pixels, far too fine on paper; the crossed lines
    // are drawn at the screen's spacing instead.
    painter_.save();
    painter_.setClipPath(shape, Qt::IntersectClip);
    QPen pen(colour(surface_.fillColor()));
    pen.setWidthF(screenPixel_);
    painter_.setPen(pen);
    const QRectF r = shape.boundingRect();
    const double step = kHatchSpacing * screenPixel_;
    const double h = r.height();
    for (double d = 0; d <= r.width() + h; d += step) {
        painter_.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - h, r.bottom()));
        painter_.drawLine(QPointF(r.right() - d, r.top()), QPointF(r.right() - d + h, r.bottom()));
    }
    painter_.restore();
}

void SurfacePainter::line(double x1, double y1, double x2, double y2)
{
    preparePainter(false);
    painter_.drawLine(toPixels(x1, y1), toPixels(x2, y2));
}

void SurfacePainter::box(double x1, double y1, double x2, double y2)
{
    const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    QPainterPath shape;
    shape.addRect(r);
    hatchOnPaper(shape);
    preparePainter(true);
    painter_.drawRect(r);
}

void SurfacePainter::filledBox(double x1, double y1, double x2, double y2)
{
    const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    painter_.fillRect(r.adjusted(0, 0, 1, 1), colour(surface_.foreColor()));
}

void SurfacePainter::circle(double xc, double yc, double r)
{
    const QPointF c = toPixels(xc, yc);
    const double rx = std::abs(r) * px_, ry = std::abs(r) * py_;
    QPainterPath shape;
    shape.addEllipse(c, rx, ry);
    hatchOnPaper(shape);
    preparePainter(true);
    painter_.drawEllipse(c, rx, ry);
}

void SurfacePainter::arc(double xc, double yc, double r, float a1, float a2)
{
    preparePainter(false);
    const double rx = std::abs(r) * px_;
    const double ry = std::abs(r) * py_;
    const QPointF c = toPixels(xc, yc);
    double span = double(a2) - double(a1);
    if (span < 0) span += 2 * kPi;
    auto sixteenths = [](double radians) {
        return int(std::lround(radians * 180.0 / kPi * 16.0));
    };
    painter_.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), sixteenths(a1),
                     sixteenths(span));
}

double SurfacePainter::text(double x, double y, const std::string& s)
{
    painter_.setPen(colour(surface_.foreColor()));
    const QFont f = font(surface_);
    painter_.setFont(f);
    painter_.drawText(QRectF(toPixels(x, y), QSizeF(1e6, 1e6)),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(s));
    return QFontMetricsF(f, painter_.device()).height() / py_;
}

QSizeF SurfacePainter::textSize(const Surface& surface, const QPaintDevice* device, double pixelsPerTwipX,
                                double pixelsPerTwipY, const std::string& s)
{
    const QFontMetricsF metrics(font(surface), const_cast<QPaintDevice*>(device));
    return {metrics.horizontalAdvance(QString::fromStdString(s)) / pixelsPerTwipX,
            metrics.height() / pixelsPerTwipY};
}

PainterSurface::PainterSurface(QPainter& painter, double widthTwips, double heightTwips)
    : painter_(painter), width_(widthTwips), height_(heightTwips),
      px_(painter.device()->logicalDpiX() / double(kTwipsPerInch)),
      py_(painter.device()->logicalDpiY() / double(kTwipsPerInch))
{
}

SurfacePainter PainterSurface::paint()
{
    return SurfacePainter(painter_, *this, px_, py_, kScreenPixelTwips * px_);
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2)
{
    paint().line(x1, y1, x2, y2);
}

void PainterSurface::box(double x1, double y1, double x2, double y2)
{
    paint().box(x1, y1, x2, y2);
}

void PainterSurface::filledBox(double x1, double y1, double x2, double y2)
{
    paint().filledBox(x1, y1, x2, y2);
}

void PainterSurface::circle(double xc, double yc, double r) { paint().circle(xc, yc, r); }

void PainterSurface::arc(double xc, double yc, double r, float a1, float a2)
{
    paint().arc(xc, yc, r, a1, a2);
}

double PainterSurface::textWidth(const std::string& s) const
{
    return SurfacePainter::textSize(*this, painter_.device(), px_, py_, s).width();
}

double PainterSurface::lineHeight() const
{
    return SurfacePainter::textSize(*this, painter_.device(), px_, py_, {}).height();
}

double PainterSurface::drawText(double x, double y, const std::string& s)
{
    return paint().text(x, y, s);
}

}  // namespace spanrix
