#pragma once

namespace spanrix {

// Screen geometry in twips (1/1440 inch), shared by the sketch and the result diagrams.
// The work area is read once at start-up; the rest is derived from it and never changes.
struct ScreenGeometry {
    int workAreaHeight = 0;
    int workAreaWidth = 0;
    int beamTop = 0;
    int beamBottom = 0;
    int beamLeft = 0;
    int beamRight = 0;
    int arrowScale = 0;
    int symbolScale = 0;
};

inline constexpr int kTwipsPerInch = 1440;

// Derives the six sketch values from the work-area size, halves rounding to even.
ScreenGeometry screenGeometry(int workAreaWidth, int workAreaHeight);

}  // namespace spanrix
