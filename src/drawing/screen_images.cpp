#include "drawing/screen_images.h"

#include "drawing/legend.h"
#include "drawing/legend_painting.h"
#include "drawing/sketch.h"
#include "drawing/painter_surface.h"

namespace spanrix {

ScreenImage loadingScreenImage(const AppState& state, const Legend& legend)
{
    const ScreenGeometry& g = state.geometry;
    return {double(g.workAreaWidth), double(g.workAreaHeight), [&state, &legend](PainterSurface& s) {
                // The sketch builds legend groups it finds missing; a copy keeps the shown
                // state and legend out of reach of a drawing made only for paper.
                AppState copy = state;
                Legend scratch(copy);
                prepareSketchSurface(s);
                Sketch(s, copy, scratch).drawSketch(13);
                paintLegend(s, legend);
            }};
}

ScreenImage calculationsScreenImage(const ScreenGeometry& geometry,
                                    const std::optional<DiagramInput>& shown)
{
    // The diagrams as the screen shows them now, at the geometry of its size.
    const ScreenGeometry& g = shown ? shown->geometry : geometry;
    ScreenImage image{double(g.workAreaWidth), double(g.workAreaHeight), {}};
    if (shown) {
        const DiagramInput in = *shown;
        image.draw = [in](PainterSurface& s) { drawResultDiagrams(s, in); };
    } else {
        image.draw = [](PainterSurface&) {};
    }
    return image;
}

}  // namespace spanrix
