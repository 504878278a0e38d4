#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace spanrix {

struct AppContext;
class AboutBox;
class HelpWindow;
class LoadingWindow;

// The help window and the about box: each made on first use and shown modally, centred on
// the work area recorded at start-up. Lives as long as the loading screen (its child).
class InfoWindows : public QObject {
    Q_OBJECT

public:
    InfoWindows(LoadingWindow& loading, AppContext& context);
    ~InfoWindows() override;

    // 1 shows the help window, 2 closes it, 3 shows the about box, 4 closes it; any other
    // action does nothing.
    void infoWindowCommand(int action);

    // The windows, or nullptr before their first use.
    HelpWindow* helpWindow() const { return help_.get(); }
    AboutBox* aboutBox() const { return about_.get(); }

private:
    void showCentred(QWidget& window);

    AppContext& context_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AboutBox> about_;
};

// Wires the loading screen's Documentation and About commands (the calculations screen
// passes its own on to them).
InfoWindows* installInfoWindows(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
