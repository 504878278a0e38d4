#include "ui/files/file_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <utility>

#include "files/file_picking.h"

#include "files/design_file.h"
#include "ui/app_context.h"
#include "ui/files/load_window.h"
#include "ui/files/recent_files.h"
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

FileCommands::FileCommands(LoadingWindow& loading, AppContext& context, const QString& settingsFile)
    : QObject(&loading),
      loading_(loading),
      context_(context),
      recent_(new RecentFiles(settingsFile, this))
{
    loading_.setCommand("save", [this] { save(); });
    loading_.setCommand("saveloadcfg", [this] {
        if (mayDropDesignData()) showSaveWindow();
    });
    loading_.setCommand("openloadcfg", [this] { showRetrieveWindow(); });
    loading_.setCommand("importloadcfg", [this] { showImportWindow(); });
    connect(&loading_, &LoadingWindow::loadFileDropped, this,
            [this](const QString& path) { openFile(path.toStdString(), FileLayout::Current); });
    // A file opened once a save asked for by the question was done comes from a file window
    // still open; its work is done.
    connect(this, &FileCommands::fileOpened, this, [this] {
        for (LoadWindow* window : {retrieve_.data(), import_.data()})
            if (window) window->close();
    });
    loading_.setUnsavedChangesGuard([this](std::function<void()> goOn) { return mayDiscardBeam(std::move(goOn)); });

    loading_.setCommand("clearrecent", [this] { recent_->clear(); });
    QMenu* menu = loading_.action("openrecent")->menu();
    menu->setToolTipsVisible(true);
    // Read afresh on opening: another Spanrix may have opened files meanwhile.
    connect(menu, &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
    connect(recent_, &RecentFiles::changed, this, &FileCommands::fillRecentMenu);
    fillRecentMenu();
}

void FileCommands::fillRecentMenu()
{
    QMenu* menu = loading_.action("openrecent")->menu();
    QAction* clear = loading_.action("clearrecent");
    for (QAction* a : menu->actions())
        if (a != clear) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QStringList paths = recent_->paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QFileInfo file(paths[i]);
        QString name = file.fileName();
        // Digits 1 to 8 as access keys; a "&" of the name stays a character.
        auto* item = new QAction(QString("&%1 %2").arg(i + 1).arg(name.replace('&', "&&")), menu);
        item->setObjectName(QString("recentfile%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(file.absolutePath()));
        item->setData(paths[i]);
        connect(item, &QAction::triggered, this, [this, path = paths[i]] { openRecentFile(path); });
        menu->insertAction(clear, item);
    }
    if (!paths.isEmpty()) menu->insertSeparator(clear);
    clear->setEnabled(!paths.isEmpty());
}

bool FileCommands::save()
{
    BeamDocument& document = context_.document;
    if (document.filePath().isEmpty()) {
        showSaveWindow();
        return false;
    }
    // The format the beam came from or was last saved as.
    const std::string path = document.filePath().toStdString();
    const bool designFile = document.fileFormat() == BeamFileFormat::Design;
    if (!designFile && !mayDropDesignData()) return false;
    if (const auto failure = designFile ? writeDesignFile(path, document.model())
                                        : writeLoadFile(path, document.model())) {
        context_.prompts.message(*failure);
        return false;
    }
    document.markSaved(document.filePath(), document.fileFormat());
    return true;
}

bool FileCommands::mayDropDesignData()
{
    // A load file has no place for design data: it is dropped only when the user agrees.
    return !hasDesignData(context_.document.model()) ||
           context_.prompts.askYesNo(std::string(kLoadFileDropsDesignQuestion));
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
            context_.document.markSaved(path, BeamFileFormat::LoadFile);
            recent_->add(path);
            // The next file window opens where this file went.
            context_.state.currentDir = QFileInfo(path).absolutePath().toStdString();
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
    const OpenOutcome outcome = readIntoScreen(path, layout);
    if (!outcome.ok()) context_.prompts.explainedMessage(*outcome.error, outcome.reason);
    return outcome.ok();
}

bool FileCommands::openRecentFile(const QString& path)
{
    if (!loading_.mayDiscardBeam([this, path] { openRecentFile(path); })) return false;
    const OpenOutcome outcome = readIntoScreen(path.toStdString(), FileLayout::Current);
    if (outcome.ok()) return true;
    recent_->remove(path);
    context_.prompts.explainedMessage(*outcome.error, outcome.reason);
    return false;
}

OpenOutcome FileCommands::readIntoScreen(const std::string& path, FileLayout layout)
{
    BeamModel opened = context_.document.model();
    const OpenOutcome outcome = layout == FileLayout::Current ? openBeamFile(path, opened)
                                                              : importVersion1File(path, opened);
    if (!outcome.ok()) return outcome;
    const QFileInfo file(QString::fromStdString(path));
    // A version-1 file is not the beam's file: Save must not overwrite it in another layout.
    const bool current = layout == FileLayout::Current;
    loading_.showOpenedModel(opened, (current ? "Open " : "Import ") + file.fileName(),
                             current ? file.absoluteFilePath() : QString(), current, outcome.format);
    // The next file window opens where this file was found.
    context_.state.currentDir = file.absolutePath().toStdString();
    // A version-1 file is no file Open could open again.
    if (current) recent_->add(file.absoluteFilePath());
    emit fileOpened();
    return outcome;
}

FileCommands* installFileCommands(LoadingWindow& loading, AppContext& context,
                                  const QString& settingsFile)
{
    return new FileCommands(loading, context, settingsFile);
}

}  // namespace spanrix
