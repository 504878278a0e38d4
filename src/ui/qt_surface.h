#pragma once

#include <QImage>
#include <QWidget>

#include "drawing/image_surface.h"
#include "drawing/painter_surface.h"

namespace spanrix {

// A widget that is a drawing surface. Everything is painted into a persistent backing
// image, and paintEvent only copies that image to the screen, so drawings survive being
// covered, resized and repainted, and erasing by overdrawing works. The image has the
// window's device pixel ratio, so a screen of any density shows it sharp.
class QtSurface : public QWidget, public ImageSurface {
    Q_OBJECT

public:
    explicit QtSurface(QWidget* parent = nullptr);

    double width() const override;
    double height() const override;
    Rgb backColor() const override { return kWhite; }

    void box(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2) override;
    void circle(double xc, double yc, double r) override;
    void arc(double xc, double yc, double r, float a1, float a2) override;
    void refresh() override;
    double textWidth(const std::string& s) const override;
    double lineHeight() const override;

    // Clears the backing image to the background colour.
    void clear();

    double pixelsPerTwipX() const override;
    double pixelsPerTwipY() const override;
    QPointF toPixels(double x, double y) const;

    // In device pixels: devicePixelRatio() of them to a pixel of the widget.
    const QImage& image() const { return image_; }
    QImage& backingImage() override { return image_; }
    void imageChanged() override { update(); }
    double devicePixelRatio() const { return image_.devicePixelRatio(); }
    QColor qColor(Rgb c) const { return SurfacePainter::colour(c); }

    // Makes the backing image at least this large (in pixels of the widget), keeping what
    // it shows.
    void ensureImageSize(QSize size);
    // A blank image of the widget's own size at the window's device pixel ratio: the start
    // of a drawing laid out anew for this size.
    void resetImage();
    // The same for an area given in twips. Screens size their image to the work area, so
    // drawing made before the window reaches its maximised size is not clipped.
    void ensureTwipsSize(double widthTwips, double heightTwips);

signals:
    // The widget has a new size, or its window a screen of another density: whoever draws
    // on it lays out and draws again.
    void areaChanged();

protected:
    bool event(QEvent* event) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    double drawText(double x, double y, const std::string& s) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SurfacePainter painterOn(QPainter& painter) const;

    QImage image_;
};

}  // namespace spanrix
