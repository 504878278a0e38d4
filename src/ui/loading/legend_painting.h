#pragma once

// The legend's look outside the label widgets: the font every label is shown in, and the
// legend painted onto paper as the loading screen shows it.

#include <QFont>
#include <string>

#include "ui/loading/legend.h"

namespace spanrix {

class PainterSurface;

QFont legendLabelFont(const LegendLabel& label, const std::string& fontName);

// Every visible label with a caption, centred on its place as the widgets are (a
// reaction label grows from its left edge), in the surface's font name.
void paintLegend(PainterSurface& surface, const Legend& legend);

}  // namespace spanrix
