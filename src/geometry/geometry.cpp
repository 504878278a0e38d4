#include "geometry/geometry.h"

#include <cmath>
#include <cstdint>

#include "model/number_format.h"

namespace spanrix {

ScreenGeometry screenGeometry(int workAreaWidth, int workAreaHeight)
{
    ScreenGeometry g;
    g.workAreaHeight = workAreaHeight;
    g.workAreaWidth = workAreaWidth;
    const double h = workAreaHeight;
    const double w = workAreaWidth;
    auto whole = [](double v) { return static_cast<int>(roundHalfEven(v)); };
    g.beamTop = whole(h / 2);
    g.beamBottom = whole(h / 20 + g.beamTop);
    g.beamLeft = whole(w / 8);
    const int32_t threeW = 3 * static_cast<int32_t>(workAreaWidth);
    g.beamRight = whole(threeW / 4.0 + g.beamLeft);
    g.arrowScale = whole(h / 5);
    g.symbolScale = whole(h / 10);
    return g;
}

ScreenGeometry scaledScreenGeometry(int workAreaWidth, int workAreaHeight, double scaleX,
                                    double scaleY)
{
    auto scaled = [](int size, double scale) {
        const double v = roundHalfEven(size * scale);
        // A window can only be so large; a damaged scale keeps the work area's size.
        return std::isfinite(v) && v >= 1 && v <= 1e8 ? static_cast<int>(v) : size;
    };
    return screenGeometry(scaled(workAreaWidth, scaleX), scaled(workAreaHeight, scaleY));
}

}  // namespace spanrix
