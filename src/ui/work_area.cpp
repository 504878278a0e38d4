#include "ui/work_area.h"

#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "geometry/geometry.h"
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

}  // namespace spanrix
