#include "drawing/legend_painting.h"

#include <QFontMetrics>
#include <cmath>

#include "drawing/painter_surface.h"

namespace spanrix {

namespace {
constexpr double kLabelMargin = 30;  // twips at each side: two pixels on a screen
}  // namespace

QFont legendLabelFont(const LegendLabel& label, const std::string& fontName)
{
    QFont font(QString::fromStdString(fontName));
    font.setPointSize(8);
    font.setBold(label.bold);
    font.setUnderline(label.underlined);
    return font;
}

std::vector<PlacedLabel> placeLegend(const Legend& legend, double px, double py,
                                     const CaptionSize& captionSize)
{
    const int margin = int(std::lround(kLabelMargin * px));
    std::vector<PlacedLabel> placed;
    std::vector<LabelRect> rects;
    for (int row = 1; row <= legend.rowCount(); ++row) {
        for (int slot = 0; slot < 4; ++slot) {
            const LegendLabel& label = (*legend.group(row))[slot];
            if (!label.visible || label.caption.empty()) continue;
            const QSize text = captionSize(row, slot, label) + QSize(2 * margin, 0);
            // Laid out in twips, where stacked labels are exact multiples of their height
            // apart; the sides are whole pixels already.
            const double centre = std::lround((label.left + label.width / 2) * px);
            const double left = centre - text.width() / 2;
            const double height = label.autoSize ? text.height() / py : label.height;
            rects.push_back({left / px, label.top, text.width() / px, height});
            placed.push_back({row, slot, {}});
        }
    }
    const std::vector<double> tops = clearedTops(rects);
    for (size_t i = 0; i < placed.size(); ++i) {
        placed[i].rect = rects[i];
        placed[i].rect.top = tops[i];
    }
    return placed;
}

void paintLegend(PainterSurface& surface, const Legend& legend)
{
    QPainter& p = surface.painter();
    const double px = surface.pixelsPerTwipX();
    const double py = surface.pixelsPerTwipY();
    const auto measure = [&](int, int, const LegendLabel& label) {
        const QFontMetrics metrics(legendLabelFont(label, surface.fontName()), p.device());
        return metrics.size(0, QString::fromStdString(label.caption));
    };
    for (const PlacedLabel& placed : placeLegend(legend, px, py, measure)) {
        const LegendLabel& label = (*legend.group(placed.row))[placed.slot];
        const LabelRect& r = placed.rect;
        const QRectF place(r.left * px, r.top * py, r.width * px, r.height * py);
        p.fillRect(place, SurfacePainter::colour(surface.backColor()));
        p.setFont(legendLabelFont(label, surface.fontName()));
        p.setPen(SurfacePainter::colour(label.colour));
        p.drawText(place, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                   QString::fromStdString(label.caption));
    }
}

}  // namespace spanrix
