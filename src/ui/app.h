#pragma once

#include <QObject>
#include <memory>

#include "ui/app_context.h"
#include "ui/prompts.h"

namespace spanrix {

class InitDialog;
class LoadingWindow;

// The application: owns the state and the main windows and connects them. The program
// starts in the start-up dialog; its Continue shows the loading screen.
class SpanrixApp : public QObject {
    Q_OBJECT

public:
    explicit SpanrixApp(Prompts& prompts);
    ~SpanrixApp() override;

    void start();

    AppContext& context() { return context_; }
    InitDialog& initDialog() { return *initDialog_; }
    LoadingWindow& loadingWindow();

private:
    void showLoadingScreen();

    AppContext context_;
    std::unique_ptr<InitDialog> initDialog_;
    std::unique_ptr<LoadingWindow> loading_;
};

}  // namespace spanrix
