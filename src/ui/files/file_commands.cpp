#include "ui/files/file_commands.h"

#include <QFileInfo>
#include <utility>

#include "files/file_picking.h"

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
    loading_.setCommand("save", [this] { save(); });
    loading_.setCommand("saveloadcfg", [this] { showSaveWindow(); });
    loading_.setCommand("openloadcfg", [this] { showRetrieveWindow(); });
    loading_.setCommand("importloadcfg", [this] { showImportWindow(); });
    connect(&loading_, &LoadingWindow::loadFileDropped, this,
            [this](const QString& path) { openFile(path.toStdString(), FileLayout::Current); });
    loading_.setUnsavedChangesGuard([this](std::function<void()> goOn) { return mayDiscardBeam(std::move(goOn)); });
}

bool FileCommands::save()
{
    BeamDocument& document = context_.document;
    if (document.filePath().isEmpty()) {
        showSaveWindow();
        return false;
    }
    if (const auto failure = writeLoadFile(document.filePath().toStdString(), document.model())) {
        context_.prompts.message(*failure);
        return false;
    }
    document.markSaved(document.filePath());
    return true;
}

bool FileCommands::mayDiscardBeam(std::function<void()> goOn)
{
    afterSave_ = nullptr;
    const BeamDocument& document = context_.document;
    if (!document.isModified()) return true;
    const std::string question = saveChangesQuestion(document.fileName().toStdString());
    switch (context_.prompts.askSaveChanges(question)) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    case SaveChoice::Save: break;
    }
    if (!document.filePath().isEmpty()) return save();
    // A beam never saved: the command goes on once the Save window has saved it.
    afterSave_ = std::move(goOn);
    showSaveWindow();
    return false;
}

SaveWindow* FileCommands::showSaveWindow()
{
    return bringForward(save_, [this] {
        auto* window = new SaveWindow(context_, &loading_);
        connect(window, &SaveWindow::saved, this, [this](const QString& path) {
            context_.document.markSaved(path);
            if (auto goOn = std::exchange(afterSave_, nullptr)) goOn();
        });
        // Closed without saving: whatever waited for the save does not go on.
        connect(window, &QObject::destroyed, this, [this] { afterSave_ = nullptr; });
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
    if (!loading_.mayDiscardBeam([this, path, layout] { openFile(path, layout); })) return false;
    BeamModel opened = context_.document.model();
    const OpenOutcome outcome = layout == FileLayout::Current ? openLoadFile(path, opened)
                                                              : importVersion1File(path, opened);
    if (!outcome.ok()) {
        context_.prompts.explainedMessage(*outcome.error, outcome.reason);
        return false;
    }
    const QFileInfo file(QString::fromStdString(path));
    // A version-1 file is not the beam's file: Save must not overwrite it in another layout.
    const bool current = layout == FileLayout::Current;
    loading_.showOpenedModel(opened, (current ? "Open " : "Import ") + file.fileName(),
                             current ? file.absoluteFilePath() : QString(), current);
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
