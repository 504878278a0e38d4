#include "ui/loading/legend_painting.h"

#include "ui/painter_surface.h"

namespace spanrix {

QFont legendLabelFont(const LegendLabel& label, const std::string& fontName)
{
    QFont font(QString::fromStdString(fontName));
    font.setPointSize(8);
    font.setBold(label.bold);
    font.setUnderline(label.underlined);
    return font;
}

void paintLegend(PainterSurface& surface, const Legend& legend)
{
    QPainter& p = surface.painter();
    const double px = surface.pixelsPerTwipX();
    const double py = surface.pixelsPerTwipY();
    for (int row = 1; row <= legend.rowCount(); ++row) {
        for (const LegendLabel& label : legend.group(row)->labels) {
            if (!label.visible || label.caption.empty()) continue;
            p.setFont(legendLabelFont(label, surface.fontName()));
            p.setPen(SurfacePainter::colour(label.colour));
            const QRectF place(label.left * px, label.top * py, label.width * px, label.height * py);
            const Qt::Alignment across = label.autoSize ? Qt::AlignLeft : Qt::AlignHCenter;
            p.drawText(place, across | Qt::AlignTop | Qt::TextDontClip,
                       QString::fromStdString(label.caption));
        }
    }
}

}  // namespace spanrix
