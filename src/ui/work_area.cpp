#include "ui/work_area.h"

#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "geometry/geometry.h"
#include "model/number_format.h"
#include "ui/qt_surface.h"

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

namespace {

void fitFrameToWorkArea(QWidget& window)
{
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    window.setGeometry(workAreaPixels().marginsRemoved(
        QMargins(client.left() - frame.left(), client.top() - frame.top(),
                 frame.right() - client.right(), frame.bottom() - client.bottom())));
}

// Only a shown window knows its frame: until then the work area is its normal geometry
// without one. Each time it is restored from maximised the frame is fitted in as well, at
// once and again at the first move or resize after that: some window managers report the
// frame of a restored window only then. (Fitted with the frame of the maximised window,
// the window keeps its maximised geometry.)
class RestoreOverWorkArea : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window) return false;
        switch (event->type()) {
        case QEvent::WindowStateChange: {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            restoring_ = (change->oldState() & Qt::WindowMaximized) &&
                         window->windowState() == Qt::WindowNoState;
            if (restoring_) fitFrameToWorkArea(*window);
            break;
        }
        case QEvent::Move:
        case QEvent::Resize:
            if (restoring_) {
                restoring_ = false;
                fitFrameToWorkArea(*window);
            }
            break;
        default: break;
        }
        return false;
    }

private:
    bool restoring_ = false;
};

}  // namespace

void maximizeOverWorkArea(QWidget& window)
{
    window.setGeometry(workAreaPixels());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    window.installEventFilter(new RestoreOverWorkArea(&window));
}

namespace {

class LayOutOnChange : public QObject {
public:
    LayOutOnChange(QWidget& window, std::function<void()> layOut)
        : QObject(&window), layOut_(std::move(layOut))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::WindowStateChange: layOut_(); break;
        default: break;
        }
        return false;
    }

private:
    std::function<void()> layOut_;
};

}  // namespace

void followDrawingArea(QWidget& window, QtSurface& drawingArea, std::function<void()> layOut)
{
    // A work area smaller than that still takes the window, frame and all.
    constexpr QSize kFrameRoom(50, 50);
    window.setMinimumSize(kMinimumScreenSize.boundedTo(workAreaPixels().size() - kFrameRoom));
    QObject::connect(&drawingArea, &QtSurface::areaChanged, &window, layOut);
    window.installEventFilter(new LayOutOnChange(window, std::move(layOut)));
}

ScreenLayout::ScreenLayout(QSize workArea)
    : workArea_(workArea), geometry_(screenGeometry(workArea.width(), workArea.height()))
{
}

bool ScreenLayout::follow(const QWidget& window, QtSurface& drawingArea)
{
    // Until it is shown the window has no size of its own.
    if (!window.isVisible()) return false;
    if (window.isMaximized() && drawingArea.screen() == QGuiApplication::primaryScreen())
        maximised_ = drawingArea.size();
    const QSizeF scale = drawingAreaScale(window, drawingArea, maximised_);
    const ScreenGeometry g =
        scaledScreenGeometry(workArea_.width(), workArea_.height(), scale.width(), scale.height());
    const double ratio = drawingArea.devicePixelRatio();
    if (g == geometry_ && ratio == drawnRatio_) return false;
    geometry_ = g;
    drawnRatio_ = ratio;
    drawingArea.resetImage();
    return true;
}

QSizeF drawingAreaScale(const QWidget& window, const QWidget& drawingArea, QSize maximised)
{
    // The frame and the menu bar around the drawing area take the same room at any size.
    const QSize area = drawingArea.size();
    if (maximised.isEmpty()) maximised = workAreaPixels().size() - (window.frameGeometry().size() - area);
    if (maximised.width() <= 0 || maximised.height() <= 0 || area.isEmpty()) return {1.0, 1.0};
    // Pixels of another screen may stand for more or fewer twips than the work area's.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QScreen* shown = drawingArea.screen();
    double dpiX = 1.0, dpiY = 1.0;
    if (primary && shown && primary != shown) {
        dpiX = primary->logicalDotsPerInchX() / shown->logicalDotsPerInchX();
        dpiY = primary->logicalDotsPerInchY() / shown->logicalDotsPerInchY();
    }
    return {double(area.width()) / maximised.width() * dpiX,
            double(area.height()) / maximised.height() * dpiY};
}

}  // namespace spanrix
