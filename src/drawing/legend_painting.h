#pragma once

// The legend's look outside the label widgets: the font every label is shown in, where
// every shown label goes, and the legend painted onto paper as the loading screen shows it.

#include <QFont>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "legend/legend_layout.h"
#include "drawing/legend.h"

namespace spanrix {

class PainterSurface;

QFont legendLabelFont(const LegendLabel& label, const std::string& fontName);

// A shown label (visible, with a caption) and the area it covers, in twips.
struct PlacedLabel {
    int row;   // feature row, from 1
    int slot;  // LegendGroup::Slot
    LabelRect rect;
};

// The size of a label's caption in device pixels.
using CaptionSize = std::function<QSize(int row, int slot, const LegendLabel& label)>;

// Every shown label as wide as its caption with a small margin at each side, centred where
// the legend centres it, at its own top. A feature's shown labels make one group, the
// area of all its lines at their real size; a group that would overlap one placed before
// it moves down as a whole until it is clear (clearedGroupTops). px and py are device
// pixels per twip; the sides fall on whole pixels.
std::vector<PlacedLabel> placeLegend(const Legend& legend, double px, double py,
                                     const CaptionSize& captionSize);

// Every shown label where placeLegend puts it, opaque as on the screen, in the surface's
// font name.
void paintLegend(PainterSurface& surface, const Legend& legend);

}  // namespace spanrix
