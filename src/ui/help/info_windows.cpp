#include "ui/help/info_windows.h"

#include <cmath>

#include "ui/app_context.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/loading/loading_window.h"
#include "ui/work_area.h"

namespace spanrix {

InfoWindows::InfoWindows(LoadingWindow& loading, AppContext& context)
    : QObject(&loading), context_(context)
{
    loading.setCommand("docsx", [this] { infoWindowCommand(1); });
    loading.setCommand("aboutsx", [this] { infoWindowCommand(3); });
}

InfoWindows::~InfoWindows() = default;

void InfoWindows::infoWindowCommand(int action)
{
    switch (action) {
    case 1:
        if (!help_) {
            help_ = std::make_unique<HelpWindow>();
            connect(help_.get(), &HelpWindow::closeRequested, this, [this] { infoWindowCommand(2); });
        }
        showCentred(*help_);
        break;
    case 2:
        if (help_) help_->close();
        break;
    case 3:
        if (!about_) {
            about_ = std::make_unique<AboutBox>(context_.prompts);
            connect(about_.get(), &AboutBox::closeRequested, this, [this] { infoWindowCommand(4); });
        }
        showCentred(*about_);
        break;
    case 4:
        if (about_) about_->close();
        break;
    default:
        break;
    }
}

void InfoWindows::showCentred(QWidget& window)
{
    // Modal over whichever screen asked for it; the caller is not blocked.
    window.setWindowModality(Qt::ApplicationModal);
    // Centred on the work area itself, whatever size the loading screen has now.
    const QSize size = window.frameGeometry().size();
    const QRect area = workAreaPixels();
    window.move(area.x() + int(std::lround((area.width() - size.width()) / 2.0)),
                area.y() + int(std::lround((area.height() - size.height()) / 2.0)));
    window.show();
    window.raise();
    window.activateWindow();
}

InfoWindows* installInfoWindows(LoadingWindow& loading, AppContext& context)
{
    return new InfoWindows(loading, context);
}

}  // namespace spanrix
