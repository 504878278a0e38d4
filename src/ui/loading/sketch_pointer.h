#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "model/beam_model.h"
#include "drawing/legend_painting.h"

class QMenu;
class QWidget;

namespace spanrix {

struct AppState;
class Legend;
class QtSurface;
class SketchOutline;

// Pointing at the sketch: hovering over a feature's symbol or legend group shows its whole
// legend text and outlines it, a double click edits it, the right button offers to edit or
// remove it, or on empty beam to add a feature there. Watches the surface's events.
class SketchPointer : public QObject {
    Q_OBJECT

public:
    struct Commands {
        std::function<void(int row)> edit;
        std::function<void(int row)> remove;
        std::function<void(FeatureKind, double location)> add;
    };
    // placed: the legend labels as the screen last placed them.
    SketchPointer(QtSurface& surface, const AppState& state, const Legend& legend,
                  std::function<std::span<const PlacedLabel>()> placed, Commands commands);

    // The context menu for a point of the surface (pixels), or nullptr where it has none.
    // The caller owns it.
    QMenu* contextMenuAt(QPointF pixels);
    // The legend text of a feature row, its lines joined by line breaks.
    QString featureText(int row) const;
    // The sketch or legend changed: the outline follows (or goes with its feature).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int rowAt(QPointF pixels) const;
    void outline(int row);

    QtSurface& surface_;
    const AppState& state_;
    const Legend& legend_;
    std::function<std::span<const PlacedLabel>()> placed_;
    Commands commands_;
    SketchOutline* outline_;
    int outlined_ = 0;
};

}  // namespace spanrix
