#pragma once

#include <QIcon>
#include <QPixmap>

namespace spanrix {

// The program's sine-wave icon, drawn from its embedded SVG at any size.
QPixmap programIconPixmap(int size);
// The same icon for window title bars and task bars.
QIcon programIcon();

}  // namespace spanrix
