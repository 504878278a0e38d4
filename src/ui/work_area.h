#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>
#include <functional>

#include "geometry/geometry.h"

class QWidget;

namespace spanrix {

class QtSurface;

// The desktop work area (the primary screen's available geometry), in logical pixels and
// in twips (1440 per inch at the screen's logical DPI).
QRect workAreaPixels();
QSize workAreaTwips();

// A main window opens maximised, and its normal geometry is the whole work area, frame
// and all: restoring it, or a desktop that maximises nothing, still shows all of it.
void maximizeOverWorkArea(QWidget& window);

// How many times as large as in a window maximised on the work area the drawing area of
// `window` is now, on each axis: 1 exactly when it is maximised there. maximised is the
// drawing area's size seen in a maximised window, if it has been; otherwise the work area
// less the frame and menu bar around the drawing area now. Measured in twips, so a screen
// of another density counts as well.
QSizeF drawingAreaScale(const QWidget& window, const QWidget& drawingArea, QSize maximised = {});

// The smallest size of a screen that lays out from its size: every legend caption of a
// full beam and every diagram label stays legible.
inline constexpr QSize kMinimumScreenSize{800, 500};

// A screen whose drawing follows its size: sets the minimum size and calls layOut whenever
// the geometry may have changed (the drawing area resized or went to a screen of another
// density, the window was shown, moved or maximised, which also tells its frame).
void followDrawingArea(QWidget& window, QtSurface& drawingArea, std::function<void()> layOut);

// The geometry a screen draws at: the work area's until the window is shown, then that of
// its drawing area's current size.
class ScreenLayout {
public:
    // workArea in twips, as read at start-up.
    explicit ScreenLayout(QSize workArea = {});

    const ScreenGeometry& geometry() const { return geometry_; }
    QSize workArea() const { return workArea_; }

    // Takes the geometry of the drawing area as it is now. When it (or the screen's
    // density) changed, the drawing area is cleared for a new drawing and true returned.
    bool follow(const QWidget& window, QtSurface& drawingArea);

private:
    QSize workArea_;
    QSize maximised_;  // the drawing area of the window maximised on the work area
    ScreenGeometry geometry_;
    double drawnRatio_ = 0;
};

}  // namespace spanrix
