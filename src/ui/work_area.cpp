#include "ui/work_area.h"

#include <QGuiApplication>
#include <QScreen>

#include "model/geometry.h"
#include "model/number_format.h"

namespace spanrix {

QRect workAreaPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
}

QSize workAreaTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = workAreaPixels();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    return QSize(int(roundHalfEven(area.width() * kTwipsPerInch / dpiX)),
                 int(roundHalfEven(area.height() * kTwipsPerInch / dpiY)));
}

}  // namespace spanrix
