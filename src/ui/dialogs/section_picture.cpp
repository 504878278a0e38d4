#include "ui/dialogs/section_picture.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "files/section_catalogue.h"

namespace spanrix {

namespace {

// An outline in a unit square centred on the origin (y down), and where its axes cross.
struct Shape {
    QPolygonF outline;
    QPointF centroid;
};

Shape shapeOf(int kind)
{
    switch (kind) {
    case WBeams:  // wide flange: broad, parallel flanges
        return {QPolygonF({{-0.4, -0.5}, {0.4, -0.5}, {0.4, -0.42}, {0.04, -0.42}, {0.04, 0.42},
                           {0.4, 0.42}, {0.4, 0.5}, {-0.4, 0.5}, {-0.4, 0.42}, {-0.04, 0.42},
                           {-0.04, -0.42}, {-0.4, -0.42}}),
                {0, 0}};
    case SBeams:  // S beam: narrow flanges whose inner faces slope
        return {QPolygonF({{-0.25, -0.5}, {0.25, -0.5}, {0.25, -0.45}, {0.04, -0.38}, {0.04, 0.38},
                           {0.25, 0.45}, {0.25, 0.5}, {-0.25, 0.5}, {-0.25, 0.45}, {-0.04, 0.38},
                           {-0.04, -0.38}, {-0.25, -0.45}}),
                {0, 0}};
    case Channels:  // channel: web at the back, the centroid near it
        return {QPolygonF({{-0.2, -0.5}, {0.2, -0.5}, {0.2, -0.42}, {-0.12, -0.42}, {-0.12, 0.42},
                           {0.2, 0.42}, {0.2, 0.5}, {-0.2, 0.5}}),
                {-0.11, 0}};
    case Angles:  // angle: long leg up, short leg along the bottom
        return {QPolygonF({{-0.375, -0.5}, {-0.255, -0.5}, {-0.255, 0.38}, {0.375, 0.38},
                           {0.375, 0.5}, {-0.375, 0.5}}),
                {-0.17, 0.17}};
    default:  // user-defined: any section, drawn as a plain box
        return {QPolygonF({{-0.3, -0.5}, {0.3, -0.5}, {0.3, 0.5}, {-0.3, 0.5}}), {0, 0}};
    }
}

}  // namespace

SectionPicture::SectionPicture(int kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setObjectName(QStringLiteral("picture%1").arg(kind));
    setMinimumSize(sizeHint());
}

void SectionPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));

    const Shape shape = shapeOf(kind_);
    const double labelRoom = fontMetrics().height() + 4;
    const double side = std::min(width(), height()) - 2 * labelRoom - 16;
    const QPointF centre(width() / 2.0, height() / 2.0);
    auto at = [&](QPointF p) { return centre + p * side; };

    QPolygonF outline;
    for (const QPointF& p : shape.outline) outline << at(p);
    painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
    painter.setBrush(QColor(160, 170, 182));
    painter.drawPolygon(outline);

    // Axes through the centroid, reaching past the section, each end labelled.
    const QPointF c = at(shape.centroid);
    const double reach = side / 2 + 8;
    QPen axis(QColor(30, 80, 170), 1, Qt::DashDotLine);
    painter.setPen(axis);
    painter.drawLine(QPointF(centre.x() - reach, c.y()), QPointF(centre.x() + reach, c.y()));
    painter.drawLine(QPointF(c.x(), centre.y() - reach), QPointF(c.x(), centre.y() + reach));
    const QSizeF box(labelRoom, labelRoom);
    auto labelAt = [&](QPointF middle, const QString& text) {
        painter.drawText(QRectF(middle - QPointF(box.width() / 2, box.height() / 2), box),
                         Qt::AlignCenter, text);
    };
    const double offset = reach + labelRoom / 2;
    labelAt({centre.x() - offset, c.y()}, "X");
    labelAt({centre.x() + offset, c.y()}, "X");
    labelAt({c.x(), centre.y() - offset}, "Y");
    labelAt({c.x(), centre.y() + offset}, "Y");
}

}  // namespace spanrix
