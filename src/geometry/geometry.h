#pragma once

namespace spanrix {

// Screen geometry in twips (1/1440 inch), shared by the sketch and the result diagrams.
// The work area is read once at start-up; each screen derives the rest from it, scaled to
// its drawing area whenever that changes size.
struct ScreenGeometry {
    int workAreaHeight = 0;
    int workAreaWidth = 0;
    int beamTop = 0;
    int beamBottom = 0;
    int beamLeft = 0;
    int beamRight = 0;
    int arrowScale = 0;
    int symbolScale = 0;

    bool operator==(const ScreenGeometry&) const = default;
};

inline constexpr int kTwipsPerInch = 1440;

// Derives the six sketch values from the work-area size, halves rounding to even.
ScreenGeometry screenGeometry(int workAreaWidth, int workAreaHeight);

// The geometry of a drawing area scaleX by scaleY times the one a window maximised on the
// work area has: the work area scaled alike, so everything keeps its proportions. A scale
// of exactly 1 gives the work area's own geometry.
ScreenGeometry scaledScreenGeometry(int workAreaWidth, int workAreaHeight, double scaleX,
                                    double scaleY);

}  // namespace spanrix
