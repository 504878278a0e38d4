#include "ui/qt_surface.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <cmath>

#include "geometry/geometry.h"

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

namespace {

QImage blankImage(QSize size, double ratio, int dpiX, int dpiY, QColor back)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // Text drawn into the image must have the point size it has on the screen.
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    image.fill(back);
    return image;
}

}  // namespace

void QtSurface::ensureImageSize(QSize size)
{
    const double ratio = devicePixelRatioF();
    const bool sameRatio = !image_.isNull() && image_.devicePixelRatio() == ratio;
    const QSize shown = sameRatio ? image_.deviceIndependentSize().toSize() : QSize(0, 0);
    const QSize wanted = size.expandedTo(shown);
    if (sameRatio && wanted == shown) return;
    QImage bigger = blankImage(wanted, ratio, logicalDpiX(), logicalDpiY(), qColor(backColor()));
    // A drawing of another density cannot be kept; the owner draws again.
    if (sameRatio) {
        QPainter p(&bigger);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(bigger);
}

void QtSurface::resetImage()
{
    image_ = blankImage(size().expandedTo(QSize(1, 1)), devicePixelRatioF(), logicalDpiX(),
                        logicalDpiY(), qColor(backColor()));
    update();
}

void QtSurface::ensureTwipsSize(double widthTwips, double heightTwips)
{
    ensureImageSize(QSize(static_cast<int>(std::ceil(widthTwips * pixelsPerTwipX())),
                          static_cast<int>(std::ceil(heightTwips * pixelsPerTwipY()))));
}

void QtSurface::clear() { image_.fill(qColor(backColor())); }

SurfacePainter QtSurface::painterOn(QPainter& painter) const
{
    return SurfacePainter(painter, *this, pixelsPerTwipX(), pixelsPerTwipY());
}

void QtSurface::drawLine(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    painterOn(p).line(x1, y1, x2, y2);
    update();
}

void QtSurface::box(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    painterOn(p).box(x1, y1, x2, y2);
    update();
}

void QtSurface::filledBox(double x1, double y1, double x2, double y2)
{
    QPainter p(&image_);
    painterOn(p).filledBox(x1, y1, x2, y2);
    update();
}

void QtSurface::circle(double xc, double yc, double r)
{
    QPainter p(&image_);
    painterOn(p).circle(xc, yc, r);
    update();
}

void QtSurface::arc(double xc, double yc, double r, float a1, float a2)
{
    QPainter p(&image_);
    painterOn(p).arc(xc, yc, r, a1, a2);
    update();
}

double QtSurface::drawText(double x, double y, const std::string& s)
{
    QPainter p(&image_);
    const double lineHeight = painterOn(p).text(x, y, s);
    update();
    return lineHeight;
}

void QtSurface::refresh() { repaint(); }

double QtSurface::textWidth(const std::string& s) const
{
    return SurfacePainter::textSize(*this, &image_, pixelsPerTwipX(), pixelsPerTwipY(), s).width();
}

double QtSurface::lineHeight() const
{
    return SurfacePainter::textSize(*this, &image_, pixelsPerTwipX(), pixelsPerTwipY(), {}).height();
}

void QtSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.fillRect(r, qColor(backColor()));
    const double ratio = image_.devicePixelRatio();
    p.drawImage(QRectF(r), image_, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void QtSurface::resizeEvent(QResizeEvent* event)
{
    ensureImageSize(event->size());
    QWidget::resizeEvent(event);
    emit areaChanged();
}

bool QtSurface::event(QEvent* event)
{
    // Moved to a screen of another density (or the density of its screen changed).
    const bool newScreen = event->type() == QEvent::ScreenChangeInternal;
    const bool handled = QWidget::event(event);
    if (newScreen && image_.devicePixelRatio() != devicePixelRatioF()) {
        ensureImageSize(size());
        emit areaChanged();
    }
    return handled;
}

}  // namespace spanrix
