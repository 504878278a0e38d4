#include "ui/help/program_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace spanrix {

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/spanrix.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(programIconPixmap(size));
    return icon;
}

}  // namespace spanrix
