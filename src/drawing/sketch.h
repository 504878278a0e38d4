#pragma once

// The beam sketch of the loading screen, drawn through the Surface interface only.

#include "model/app_state.h"
#include "drawing/surface.h"

namespace spanrix {

class Legend;

// The pi of the sketch's angles.
inline constexpr double kSketchPi = 3.14159265;

// The sketch x (twips) of a location on the beam (internal units).
double sketchX(const AppState& state, double location);
// The beam's centre line.
double sketchMidY(const ScreenGeometry& g);

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
    // The small right triangle at the upper end of a moment's arc, from the current position.
    void arcArrowhead(double hh);

    Surface& surface_;
    AppState& state_;
    Legend& legend_;
    Rgb supportColor_ = kRed;
};

}  // namespace spanrix
