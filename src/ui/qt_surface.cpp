#include "ui/qt_surface.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <cmath>
#include <numbers>

#include "model/geometry.h"

namespace spanrix {

QtSurface::QtSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImageSize(QSize(1, 1));
}

double QtSurface::pixelsPerTwipX() const { return logicalDpiX() / double(kTwipsPerInch); }
double QtSurface::pixelsPerTwipY() const { return logicalDpiY() / double(kTwipsPerInch); }

double QtSurface::width() const { return QWidget::width() / pixelsPerTwipX(); }
double QtSurface::height() const { return QWidget::height() / pixelsPerTwipY(); }

QPointF QtSurface::toPixels(double x, double y) const
{
    return QPointF(x * pixelsPerTwipX(), y * pixelsPerTwipY());
}

void QtSurface::ensureImageSize(QSize size)
{
    const QSize wanted = size.expandedTo(image_.size());
    if (wanted == image_.size() && !image_.isNull()) return;
    QImage bigger(wanted, QImage::Format_RGB32);
    // Text drawn into the image must have the point size it has on the screen.
    bigger.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    bigger.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    bigger.fill(qColor(backColor()));
    if (!image_.isNull()) {
        QPainter p(&bigger);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(bigger);
}

void QtSurface::ensureTwipsSize(double widthTwips, double heightTwips)
{
    ensureImageSize(QSize(static_cast<int>(std::ceil(widthTwips * pixelsPerTwipX())),
                          static_cast<int>(std::ceil(heightTwips * pixelsPerTwipY()))));
}

void QtSurface::clear() { image_.fill(qColor(backColor())); }

QFont QtSurface::currentFont() const
{
    QFont font(QString::fromStdString(fontName()));
    font.setPointSizeF(fontSize() > 0 ? fontSize() : 8.0);
    font.setBold(bold());
    // Erasing redraws text in the background colour; antialiased edges would leave ghosts.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void QtSurface::preparePainter(QPainter& painter, bool useFill) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(qColor(foreColor()));
    pen.setWidth(0);  // cosmetic: one device pixel
    painter.setPen(pen);
    if (!useFill) {
        painter.setBrush(Qt::NoBrush);
        return;
    }
    painter.setBrush(QBrush(qColor(fillColor()),
                            fillStyle() == FillStyle::Solid ? Qt::SolidPattern : Qt::DiagCrossPattern));
}

void QtSurface::drawLine(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    preparePainter(p, false);
    p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    update();
}

void QtSurface::box(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    preparePainter(p, true);
    p.drawRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized());
    update();
}

void QtSurface::filledBox(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    p.fillRect(r.adjusted(0, 0, 1, 1), qColor(foreColor()));
    update();
}

void QtSurface::circle(double xc, double yc, double r)
{
    QPainter p(&image_);
    preparePainter(p, true);
    const QPointF c = toPixels(xc, yc);
    p.drawEllipse(c, std::abs(r) * pixelsPerTwipX(), std::abs(r) * pixelsPerTwipY());
    update();
}

void QtSurface::arc(double xc, double yc, double r, float a1, float a2)
{
    QPainter p(&image_);
    preparePainter(p, false);
    const double rx = std::abs(r) * pixelsPerTwipX();
    const double ry = std::abs(r) * pixelsPerTwipY();
    const QPointF c = toPixels(xc, yc);
    double span = double(a2) - double(a1);
    if (span < 0) span += 2 * std::numbers::pi;
    auto sixteenths = [](double radians) { return int(std::lround(radians * 180.0 / std::numbers::pi * 16.0)); };
    p.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), sixteenths(a1), sixteenths(span));
    update();
}

double QtSurface::drawText(double x, double y, const std::string& s)
{
    QPainter p(&image_);
    p.setPen(qColor(foreColor()));
    const QFont font = currentFont();
    p.setFont(font);
    const QPointF topLeft = toPixels(x, y);
    p.drawText(QRectF(topLeft, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
               QString::fromStdString(s));
    update();
    return QFontMetricsF(font, &image_).height() / pixelsPerTwipY();
}

void QtSurface::refresh() { repaint(); }

void QtSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), qColor(backColor()));
    p.drawImage(event->rect().topLeft(), image_, event->rect());
}

void QtSurface::resizeEvent(QResizeEvent* event)
{
    ensureImageSize(event->size());
    QWidget::resizeEvent(event);
}

}  // namespace spanrix
