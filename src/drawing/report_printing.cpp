#include "drawing/report_printing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <algorithm>

#include "geometry/geometry.h"
#include "drawing/painter_surface.h"

namespace spanrix {

namespace {

constexpr double kTextPointSize = 10;
// Narrower text would no longer be read comfortably; wider lines are cut at the margin.
constexpr double kSmallestPointSize = 5;

void paintFitted(QPainter& painter, const QRectF& page, const ScreenImage& image)
{
    const QPaintDevice& device = *painter.device();
    const double w = image.width * device.logicalDpiX() / kTwipsPerInch;
    const double h = image.height * device.logicalDpiY() / kTwipsPerInch;
    if (!(w > 0 && h > 0)) return;
    const double scale = std::min(page.width() / w, page.height() / h);
    painter.save();
    painter.translate(page.left() + (page.width() - w * scale) / 2, page.top());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, w, h));
    PainterSurface surface(painter, image.width, image.height);
    image.draw(surface);
    painter.restore();
}

// The fixed-pitch font at the size that lets the widest line, and the report's
// 118-character rules, fit the page width.
QFont textFont(const std::vector<std::string>& lines, const QRectF& page, QPaintDevice& device)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kTextPointSize);
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    if (widest > page.width())
        font.setPointSizeF(std::max(kSmallestPointSize, kTextPointSize * page.width() / widest));
    return font;
}

// The lines from the top of the page, a new page whenever one is full.
void paintText(QPainter& painter, const QRectF& page, QPagedPaintDevice& device,
               const std::vector<std::string>& lines)
{
    const QFont font = textFont(lines, page, device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &device);
    const double lineHeight = metrics.lineSpacing();
    double top = 0;
    for (const std::string& line : lines) {
        if (top + lineHeight > page.height() && top > 0) {
            device.newPage();
            top = 0;
        }
        if (!line.empty())
            painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(line));
        top += lineHeight;
    }
}

}  // namespace

bool printReport(QPagedPaintDevice& device, const ReportDocument& document)
{
    // A screen is wider than tall: its page is turned to landscape so it prints larger.
    // The text keeps the layout the user chose.
    const QPageLayout chosen = device.pageLayout();
    auto layoutFor = [&chosen](const ScreenImage* image) {
        QPageLayout layout = chosen;
        if (image) {
            layout.setOrientation(image->width > image->height ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
        }
        return layout;
    };
    std::vector<const ScreenImage*> pages;  // nullptr: the first text page
    for (const ScreenImage& image : document.images) pages.push_back(&image);
    if (!document.lines.empty()) pages.push_back(nullptr);
    if (pages.empty()) return true;

    device.setPageLayout(layoutFor(pages.front()));
    QPainter painter;
    const bool printed = painter.begin(&device);
    if (printed) {
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                device.setPageLayout(layoutFor(pages[i]));
                device.newPage();
            }
            const QRectF page(0, 0, device.width(), device.height());
            if (pages[i])
                paintFitted(painter, page, *pages[i]);
            else
                paintText(painter, page, device, document.lines);
        }
    }
    device.setPageLayout(chosen);
    return printed && painter.end();
}

}  // namespace spanrix
