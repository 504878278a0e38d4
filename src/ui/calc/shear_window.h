#pragma once

#include <QWidget>

#include "drawing/diagrams.h"

class QLineEdit;

namespace spanrix {

class QtSurface;

// The shear force diagram of the last run in a modeless window of its own
// (`sheardisplay`), with the largest shear force and its location below it. It belongs to
// the calculations screen and closes with it.
class ShearWindow : public QWidget {
    Q_OBJECT

public:
    // geometry is the calculations screen's; the window draws on two thirds of its width.
    ShearWindow(const ScreenGeometry& geometry, QWidget* calculationsScreen);

    // Draws the diagram afresh and fills the maximum.
    void showResults(const ResultSet& results, const ResultBasis& basis, int sigFigs);

    QtSurface& surface() { return *surface_; }
    // The caption names the beam's file.
    void showFile(const QString& fileName);

private:
    void placeAtTheBottom();

    ScreenGeometry geometry_;
    QtSurface* surface_;
    QLineEdit* maxShear_;
    QLineEdit* maxShearLocation_;
};

}  // namespace spanrix
