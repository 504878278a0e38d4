#pragma once

#include <functional>
#include <optional>

#include "model/app_state.h"
#include "drawing/diagrams.h"

namespace spanrix {

class Legend;
class PainterSurface;

// A screen drawn again for printing, at the printer's resolution rather than as a grab
// of the screen: its area in twips and the drawing of what it shows.
struct ScreenImage {
    double width = 0;
    double height = 0;
    std::function<void(PainterSurface&)> draw;
};

// The loading screen: the sketch and the legend as they are shown. Reads the state and
// the legend when drawn and changes neither.
ScreenImage loadingScreenImage(const AppState& state, const Legend& legend);

// The calculations screen: the three diagrams it shows, or a blank screen when it shows
// none (nullopt).
ScreenImage calculationsScreenImage(const ScreenGeometry& geometry,
                                    const std::optional<DiagramInput>& shown);

}  // namespace spanrix
