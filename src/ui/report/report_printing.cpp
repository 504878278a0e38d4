#include "ui/report/report_printing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "model/geometry.h"
#include "ui/painter_surface.h"

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

}  // namespace

bool printReport(QPagedPaintDevice& device, const ReportDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF page(0, 0, device.width(), device.height());
    bool started = false;
    auto nextPage = [&] {
        if (started) device.newPage();
        started = true;
    };

    for (const ScreenImage& image : document.images) {
        nextPage();
        paintFitted(painter, page, image);
    }

    if (!document.lines.empty()) {
        nextPage();
        const QFont font = textFont(document.lines, page, device);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(font, &device);
        const double lineHeight = metrics.lineSpacing();
        double top = 0;
        for (const std::string& line : document.lines) {
            if (top + lineHeight > page.height() && top > 0) {
                device.newPage();
                top = 0;
            }
            if (!line.empty())
                painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(line));
            top += lineHeight;
        }
    }
    return painter.end();
}

}  // namespace spanrix
