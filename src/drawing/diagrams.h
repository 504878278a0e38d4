#pragma once

#include <string>

#include "engine/result_display.h"
#include "engine/results.h"
#include "geometry/geometry.h"
#include "drawing/surface.h"

namespace spanrix {

class Surface;

// A rectangle of text on a surface, in twips.
struct TextBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool meets(const TextBox& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// What the three result diagrams draw from.
struct DiagramInput {
    const ScreenGeometry& geometry;
    const ResultBasis& basis;
    const ResultSet& results;
    int sigFigs;
};

// Each diagram: axis in the current fore colour, a blue 7 x 7 grid with value labels on the
// left and position labels below, the title in black, then the curve (none when the peak
// is 0). Drawn over whatever the surface shows.
void drawMomentDiagram(Surface& surface, const DiagramInput& in);
void drawStressDiagram(Surface& surface, const DiagramInput& in);
void drawDeflectionDiagram(Surface& surface, const DiagramInput& in);

// The shear force, upward positive above the axis, with its axis where the moment's is.
void drawShearDiagram(Surface& surface, const DiagramInput& in);

// An envelope as the moment or shear diagram draws it: `in` holds the upper curve (its
// peak the larger magnitude of both), `lower` the other one in slots 1..pointCount, drawn
// after it in lowerColour.
void drawMomentEnvelope(Surface& surface, const DiagramInput& in, const std::vector<double>& lower,
                        Rgb lowerColour);
void drawShearEnvelope(Surface& surface, const DiagramInput& in, const std::vector<double>& lower,
                       Rgb lowerColour);
// Where the moment or shear diagram's title stands, so that what is written beside the
// diagram can keep clear of it.
TextBox diagramTitleBox(Surface& surface, Quantity quantity, const ScreenGeometry& geometry);

// The three of the calculations screen in order.
void drawResultDiagrams(Surface& surface, const DiagramInput& in);

// One line of text under the deflection diagram, where the value labels begin; nothing
// for an empty text.
void drawDiagramNote(Surface& surface, const ScreenGeometry& geometry, const std::string& note);

// Recalculation starts on a clean screen: a filled box of the background colour over the
// whole surface, then black for drawing.
void clearResultScreen(Surface& surface);

// A beam the analysis refuses: the refusal in the middle of the cleared screen.
void drawRefusal(Surface& surface, const std::string& refusal);

}  // namespace spanrix
