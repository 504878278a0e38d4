#include "ui/calc/result_export.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "files/results_csv.h"
#include "files/text_file.h"
#include "geometry/geometry.h"
#include "drawing/painter_surface.h"
#include "ui/prompts.h"
#include "ui/qt_surface.h"

namespace spanrix {

namespace {

QByteArray svgOfDiagrams(const QtSurface& screen, const DiagramInput& in)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    // In the window's pixels, which a screen of high density has fewer of than its image.
    const QSize size = screen.image().deviceIndependentSize().toSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // The screen's resolution, so lines and text have the size they have there.
    generator.setResolution(static_cast<int>(std::lround(screen.pixelsPerTwipX() * kTwipsPerInch)));
    generator.setTitle("Spanrix diagrams");
    QPainter painter;
    if (!painter.begin(&generator)) return {};
    painter.fillRect(QRect(QPoint(0, 0), size), SurfacePainter::colour(kWhite));
    PainterSurface surface(painter, size.width() / screen.pixelsPerTwipX(),
                           size.height() / screen.pixelsPerTwipY());
    drawResultDiagrams(surface, in);
    if (!painter.end()) return {};
    return bytes;
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QString suggestedPath(const ExportPlace& place, const char* name)
{
    const QString dir = QString::fromStdString(place.directory);
    return dir.isEmpty() ? QString(name) : QDir(dir).filePath(name);
}

}  // namespace

QByteArray diagramImageFile(const QString& fileName, const QtSurface& screen, const DiagramInput& in)
{
    if (fileName.endsWith(".svg", Qt::CaseInsensitive)) return svgOfDiagrams(screen, in);
    return pngOf(screen.image());
}

void exportResultsCsv(const ExportPlace& place, const ResultSet& results, const ResultBasis& basis)
{
    const auto path = place.chooseName({place.parent, "Export Results", suggestedPath(place, "results.csv"),
                                        "CSV files (*.csv);;All files (*)"});
    if (!path) return;
    if (const auto failure = writeResultsCsv(*path, results, basis, ResultUnits::Shown))
        place.prompts.message(*failure);
}

void saveDiagramImage(const ExportPlace& place, const QtSurface& screen, const DiagramInput& in)
{
    const auto path = place.chooseName({place.parent, "Save Diagrams as Image",
                                        suggestedPath(place, "diagrams.png"),
                                        "PNG images (*.png);;SVG drawings (*.svg)"});
    if (!path) return;
    const QByteArray bytes = diagramImageFile(QString::fromStdString(*path), screen, in);
    const auto failure = bytes.isEmpty() ? std::optional(saveFailureMessage(*path))
                                         : writeFileSafely(*path, std::string_view(bytes.constData(),
                                                                                   static_cast<size_t>(bytes.size())));
    if (failure) place.prompts.message(*failure);
}

}  // namespace spanrix
