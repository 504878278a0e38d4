#pragma once

// The beam sketch of the loading screen, drawn through the Surface interface only.

#include <optional>
#include <span>

#include "model/app_state.h"
#include "drawing/legend_painting.h"
#include "drawing/surface.h"
#include "legend/legend_layout.h"

namespace spanrix {

class Legend;

// The pi of the sketch's angles.
inline constexpr double kSketchPi = 3.14159265;

// The sketch x (twips) of a location on the beam (internal units).
double sketchX(const AppState& state, double location);
// The beam's centre line.
double sketchMidY(const ScreenGeometry& g);

// Pointing at the sketch, in twips. The area a feature's symbol covers (nullopt for a
// removed feature or a row that does not exist).
std::optional<LabelRect> symbolBounds(const AppState& state, int row);
// The feature row under a point: the row of a legend label placed there (legend: the labels
// as the screen places them), else the smallest symbol there; 0 for none.
int featureAt(const AppState& state, std::span<const PlacedLabel> legend, double x, double y);
// The beam location (internal units) under a point on the beam bar, or nullopt off it.
std::optional<double> beamLocationAt(const AppState& state, double x, double y);

// The loading screen's surface settings the sketch is drawn with: crossed fill, 8 points.
void prepareSketchSurface(Surface& surface);

class Sketch {
public:
    Sketch(Surface& surface, AppState& state, Legend& legend)
        : surface_(surface), state_(state), legend_(legend)
    {
    }

    // Mode 15 erases the sketch by drawing it again in the background colour (the beam
    // itself stays black); any other mode draws it and builds missing legend groups.
    void drawSketch(int mode);

    void drawPointLoads();
    void drawDistLoads();
    void drawMoments();
    void drawSupports();

    // Red, except while an erase pass runs.
    Rgb supportColor() const { return supportColor_; }

private:
    // A load arrow at x: a shaft of length len whose head ends on y0.
    void drawArrow(double x, int y0, double len);
    // The small right triangle at the upper end of an arc of radius r about (xc, yc), which
    // is open on the left for r > 0.
    void arcArrowhead(double xc, double yc, double r);

    Surface& surface_;
    AppState& state_;
    Legend& legend_;
    Rgb supportColor_ = kRed;
};

}  // namespace spanrix
