#include "geometry/geometry.h"

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

}  // namespace spanrix
