#include "ui/app.h"

#include <QApplication>
#include <QSessionManager>

#include "ui/calc/calc_commands.h"
#include "ui/design/design_commands.h"
#include "ui/dialogs/dialog_commands.h"
#include "ui/dialogs/init_dialog.h"
#include "ui/files/file_commands.h"
#include "ui/help/info_windows.h"
#include "ui/loading/loading_window.h"
#include "ui/report/report_commands.h"

namespace spanrix {

SpanrixApp::SpanrixApp(Prompts& prompts, QString settingsFile)
    : context_(prompts), settingsFile_(std::move(settingsFile))
{
    initDialog_ = std::make_unique<InitDialog>(context_);
    connect(initDialog_.get(), &InitDialog::beamAccepted, this, &SpanrixApp::showLoadingScreen);
    connect(initDialog_.get(), &InitDialog::retrieveRequested, this, [this] {
        // What the start-up dialog holds is a new beam, nothing to ask about.
        if (!started_) context_.document.startFresh();
        fileCommands().showRetrieveWindow();
    });
    // Dismissed at program start, where it is the only window, it ends the program;
    // after Reinitialize the erased sketch comes back as a bare beam.
    connect(initDialog_.get(), &InitDialog::dismissed, this, [this] {
        if (!loading_ || !loading_->isVisible()) QCoreApplication::quit();
        else loading_->drawSketch(13);
    });
}

SpanrixApp::~SpanrixApp() = default;

void SpanrixApp::start() { initDialog_->open(true); }

void SpanrixApp::startWithFile(const std::string& path)
{
    start();
    if (initDialog_->accept_continue()) fileCommands().openFile(path, FileLayout::Current);
}

LoadingWindow& SpanrixApp::loadingWindow()
{
    if (!loading_) {
        // Created once, after the start-up dialog has read the work area.
        loading_ = std::make_unique<LoadingWindow>(context_);
        installDialogCommands(*loading_, context_);
        CalcCommands* calc = installCalcCommands(*loading_, context_);
        installReportCommands(*loading_, *calc, context_);
        installInfoWindows(*loading_, context_);
        files_ = installFileCommands(*loading_, context_, settingsFile_);
        installDesignCommands(*loading_, *files_, context_);
        // A file opened from the start-up dialog's Retrieve window finishes its work.
        connect(files_, &FileCommands::fileOpened, this, [this] {
            initDialog_->hide();
            bringLoadingScreenForward();
        });
        connect(loading_.get(), &LoadingWindow::changeBeamLengthRequested, this,
                [this] { initDialog_->open(false); });
        // The desktop session ending asks about an edited beam as closing the window does.
        connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!manager.allowsInteraction()) return;
            if (!mayEndSession()) manager.cancel();
            manager.release();
        });
    }
    return *loading_;
}

bool SpanrixApp::mayEndSession()
{
    // A beam never saved cannot be saved before the session ends: the Save window opens and
    // the session waits.
    return fileCommands().mayDiscardBeam([] {});
}

FileCommands& SpanrixApp::fileCommands()
{
    loadingWindow();
    return *files_;
}

LoadingWindow& SpanrixApp::bringLoadingScreenForward()
{
    LoadingWindow& loading = loadingWindow();
    loading.showMaximized();
    loading.raise();
    loading.activateWindow();
    return loading;
}

void SpanrixApp::showLoadingScreen()
{
    LoadingWindow& loading = bringLoadingScreenForward();
    // The start-up dialog may have switched the unit system (after Reinitialize).
    loading.syncUnitMenu();
    loading.drawSketch(13);
    // The beam of the start-up dialog is new: nothing to save, nothing to undo.
    if (!started_) context_.document.startFresh();
    started_ = true;
}

}  // namespace spanrix
