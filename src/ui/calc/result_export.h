#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "drawing/diagrams.h"
#include "ui/save_name.h"

class QWidget;

namespace spanrix {

class Prompts;
class QtSurface;

// The three diagrams as an image file: SVG (drawn again by the diagram code, in vectors)
// when the name ends in ".svg", in any case, otherwise PNG of the screen's image as it is.
QByteArray diagramImageFile(const QString& fileName, const QtSurface& screen, const DiagramInput& in);

// Where the two commands start: the folder the file windows last showed.
struct ExportPlace {
    QWidget* parent;
    const SaveNameChooser& chooseName;
    Prompts& prompts;
    const std::string& directory;
};

// "Export Results (CSV)...": asks for a name and writes the table of every calculation
// point in the units the screen shows. A failure says "Could not save <path>.".
void exportResultsCsv(const ExportPlace& place, const ResultSet& results, const ResultBasis& basis);

// "Save Diagrams as Image...": asks for a name and writes the three diagrams, safely.
void saveDiagramImage(const ExportPlace& place, const QtSurface& screen, const DiagramInput& in);

}  // namespace spanrix
