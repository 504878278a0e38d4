#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace spanrix {

// The desktop work area (the primary screen's available geometry), in logical pixels and
// in twips (1440 per inch at the screen's logical DPI).
QRect workAreaPixels();
QSize workAreaTwips();

// A main window opens maximised, and its normal geometry is the whole work area, frame
// and all: restoring it, or a desktop that maximises nothing, still shows all of it.
void maximizeOverWorkArea(QWidget& window);

}  // namespace spanrix
