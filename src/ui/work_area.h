#pragma once

#include <QRect>
#include <QSize>

namespace spanrix {

// The desktop work area (the primary screen's available geometry), in logical pixels and
// in twips (1440 per inch at the screen's logical DPI).
QRect workAreaPixels();
QSize workAreaTwips();

}  // namespace spanrix
