#pragma once

// A moment or shear envelope drawn as the calculations screen draws its diagrams: both
// curves, each extreme named by the combination that gives it.

#include <string>
#include <vector>

#include "design/case_solutions.h"
#include "design/envelope.h"
#include "engine/result_display.h"
#include "geometry/geometry.h"

class QWidget;

namespace spanrix {

class QtSurface;

// The diagram's own work area (two thirds of the screen's) and the share of it the surface
// shows: the diagram with its title and labels fills the top third.
ScreenGeometry envelopeGeometry(const ScreenGeometry& screen);
QtSurface* makeEnvelopeSurface(const ScreenGeometry& geometry, QWidget* parent, const char* name);

// The calculation points of the solved cases as a basis the diagram labels read.
ResultBasis envelopeBasis(const BeamModel& model, const design::CaseSolutions& s);

// A name written beside an extreme of the diagram.
struct ExtremeLabel {
    double x = 0;
    double value = 0;
    std::string text;
};

// Clears the surface and draws the upper and the lower curve of quantity q (Moment or
// Shear), then each label at its point.
void drawEnvelope(QtSurface& surface, const ScreenGeometry& geometry, const ResultBasis& basis,
                  Quantity q, const design::Curves& curves, const std::vector<ExtremeLabel>& labels,
                  int sigFigs);

// Marks positions on the beam axis of a drawn moment diagram (brace points): a short
// vertical bar across the axis at each.
void markPositions(QtSurface& surface, const ScreenGeometry& geometry, double beamLength,
                   const std::vector<double>& positions);

}  // namespace spanrix
