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
    std::vector<LabelRect> groups;
    std::vector<size_t> firstOfGroup;
    for (int row = 1; row <= legend.rowCount(); ++row) {
        std::vector<LabelRect> lines;
        for (int slot = 0; slot < 4; ++slot) {
            const LegendLabel& label = (*legend.group(row))[slot];
            if (!label.visible || label.caption.empty()) continue;
            const QSize text = captionSize(row, slot, label) + QSize(2 * margin, 0);
            // Laid out in twips, where stacked labels are exact multiples of their height
            // apart; the sides are whole pixels already.
            const double centre = std::lround((label.left + label.width / 2) * px);
            const double left = centre - text.width() / 2;
            const double height = label.autoSize ? text.height() / py : label.height;
            lines.push_back({left / px, label.top, text.width() / px, height});
            placed.push_back({row, slot, {}});
        }
        if (lines.empty()) continue;
        // The lines of one group in their order, each clear of the one above it.
        const std::vector<double> tops = clearedTops(lines);
        for (size_t i = 0; i < lines.size(); ++i) lines[i].top = tops[i];
        firstOfGroup.push_back(placed.size() - lines.size());
        groups.push_back(boundingRect(lines));
        for (size_t i = 0; i < lines.size(); ++i) placed[firstOfGroup.back() + i].rect = lines[i];
    }
    // Whole groups step aside: the lines of two features never interleave.
    const std::vector<double> tops = clearedGroupTops(groups);
    firstOfGroup.push_back(placed.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        const double shift = tops[g] - groups[g].top;
        if (shift == 0.0) continue;
        for (size_t i = firstOfGroup[g]; i < firstOfGroup[g + 1]; ++i) placed[i].rect.top += shift;
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
