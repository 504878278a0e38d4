#pragma once

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "drawing/surface.h"

namespace spanrix {

// Paints the surface operations with a QPainter in device pixels, at the given pixels
// per twip, in the colours, fill and font the surface holds. The one place surface
// drawing becomes Qt painting: the screens paint their backing images with it, and
// printing paints pages with it.
class SurfacePainter {
public:
    // screenPixel: the size of one screen pixel in the painter's units, which lines and
    // fill patterns take on paper; 0 paints device pixels as the screens themselves do.
    SurfacePainter(QPainter& painter, const Surface& surface, double pixelsPerTwipX,
                   double pixelsPerTwipY, double screenPixel = 0);

    void line(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    void filledBox(double x1, double y1, double x2, double y2);
    void circle(double xc, double yc, double r);
    void arc(double xc, double yc, double r, float a1, float a2);
    // Returns the height of one text line in twips.
    double text(double x, double y, const std::string& s);

    static QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }
    static QFont font(const Surface& surface);
    // The width of s and the height of one line in the surface's font on device, in twips.
    static QSizeF textSize(const Surface& surface, const QPaintDevice* device, double pixelsPerTwipX,
                           double pixelsPerTwipY, const std::string& s);

private:
    QPointF toPixels(double x, double y) const { return QPointF(x * px_, y * py_); }
    void preparePainter(bool useFill);
    // On paper a crossed fill is drawn as lines rather than as a brush.
    void hatchOnPaper(const QPainterPath& shape);

    QPainter& painter_;
    const Surface& surface_;
    double px_;
    double py_;
    double screenPixel_;
};

// A surface that paints straight onto a painter's device (a printer page, a PDF): a
// screen drawn again at the device's own resolution. Whatever transform the painter
// holds (the fit to a page) applies; nothing is kept after painting.
class PainterSurface : public Surface {
public:
    // The drawable area in twips, as large as the screen it stands for.
    PainterSurface(QPainter& painter, double widthTwips, double heightTwips);

    double width() const override { return width_; }
    double height() const override { return height_; }
    Rgb backColor() const override { return kWhite; }

    void box(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2) override;
    void circle(double xc, double yc, double r) override;
    void arc(double xc, double yc, double r, float a1, float a2) override;
    void refresh() override {}
    double textWidth(const std::string& s) const override;
    double lineHeight() const override;

    QPainter& painter() { return painter_; }
    double pixelsPerTwipX() const { return px_; }
    double pixelsPerTwipY() const { return py_; }

protected:
    void drawLine(double x1, double y1, double x2, double y2) override;
    double drawText(double x, double y, const std::string& s) override;

private:
    SurfacePainter paint();

    QPainter& painter_;
    double width_;
    double height_;
    double px_;
    double py_;
};

}  // namespace spanrix
