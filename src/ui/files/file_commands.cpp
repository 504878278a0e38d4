#include "ui/files/file_commands.h"

#include <QFileInfo>

#include "files/design_file.h"
#include "ui/app_context.h"
#include "ui/files/load_window.h"
#include "ui/files/save_window.h"
#include "ui/loading/loading_window.h"

namespace spanrix {

namespace {

// An open window comes forward; otherwise a new one is made and shown.
template <typename Window, typename Make>
Window* bringForward(QPointer<Window>& slot, Make make)
{
    if (slot && slot->isVisible()) {
        slot->raise();
        slot->activateWindow();
        return slot;
    }
    slot = make();
    slot->showWindow();
    return slot;
}

}  // namespace

FileCommands::FileCommands(LoadingWindow& loading, AppContext& context)
    : QObject(&loading), loading_(loading), context_(context)
{
    loading_.setCommand("saveloadcfg", [this] {
        if (hasDesignData(context_.state.model) &&
            !context_.prompts.askYesNo(std::string(kLoadFileDropsDesignQuestion)))
            return;
        showSaveWindow();
    });
    loading_.setCommand("openloadcfg", [this] { showRetrieveWindow(); });
    loading_.setCommand("importloadcfg", [this] { showImportWindow(); });
    connect(&loading_, &LoadingWindow::loadFileDropped, this,
            [this](const QString& path) { openFile(path.toStdString(), FileLayout::Current); });
}

SaveWindow* FileCommands::showSaveWindow()
{
    return bringForward(save_, [this] {
        auto* window = new SaveWindow(context_, &loading_);
        connect(window, &SaveWindow::saved, this, [this](const QString& path) {
            loading_.setFileName(QFileInfo(path).fileName());
        });
        return window;
    });
}

LoadWindow* FileCommands::showRetrieveWindow()
{
    return bringForward(retrieve_, [this] {
        return LoadWindow::retrieveWindow(
            context_, [this](const std::string& path) { return openFile(path, FileLayout::Current); },
            &loading_);
    });
}

LoadWindow* FileCommands::showImportWindow()
{
    return bringForward(import_, [this] {
        return LoadWindow::importWindow(
            context_, [this](const std::string& path) { return openFile(path, FileLayout::Version1); },
            &loading_);
    });
}

bool FileCommands::openFile(const std::string& path, FileLayout layout)
{
    BeamModel opened = context_.state.model;
    const OpenOutcome outcome = layout == FileLayout::Current ? openBeamFile(path, opened)
                                                              : importVersion1File(path, opened);
    if (!outcome.ok()) {
        context_.prompts.message(*outcome.error);
        return false;
    }
    loading_.showOpenedModel(opened);
    const QFileInfo file(QString::fromStdString(path));
    loading_.setFileName(file.fileName());
    // The next file window opens where this file was found.
    context_.state.currentDir = file.absolutePath().toStdString();
    emit fileOpened();
    return true;
}

FileCommands* installFileCommands(LoadingWindow& loading, AppContext& context)
{
    return new FileCommands(loading, context);
}

}  // namespace spanrix
