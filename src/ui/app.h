#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "ui/app_context.h"
#include "ui/prompts.h"

namespace spanrix {

class FileCommands;
class InitDialog;
class LoadingWindow;

// The application: owns the state and the main windows and connects them. The program
// starts in the start-up dialog; its Continue shows the loading screen.
class SpanrixApp : public QObject {
    Q_OBJECT

public:
    // settingsFile holds what outlives a run (the recent files); empty: the user's settings.
    explicit SpanrixApp(Prompts& prompts, QString settingsFile = {});
    ~SpanrixApp() override;

    void start();
    // Starts as "Retrieve Load File" followed by Load would: the start-up dialog accepted
    // with its defaults, then the file read into the model.
    void startWithFile(const std::string& path);

    AppContext& context() { return context_; }
    InitDialog& initDialog() { return *initDialog_; }
    LoadingWindow& loadingWindow();
    FileCommands& fileCommands();
    // The desktop session is ending: an edited beam gets the question closing would ask.
    bool mayEndSession();

private:
    void showLoadingScreen();
    LoadingWindow& bringLoadingScreenForward();

    AppContext context_;
    QString settingsFile_;
    std::unique_ptr<InitDialog> initDialog_;
    std::unique_ptr<LoadingWindow> loading_;
    FileCommands* files_ = nullptr;  // a child of the loading screen
    bool started_ = false;           // the loading screen has been shown
};

}  // namespace spanrix
