#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "files/load_file.h"

namespace spanrix {

struct AppContext;
class LoadWindow;
class LoadingWindow;
class RecentFiles;
class SaveWindow;

// The loading screen's Save, Open and Import commands with their windows, and opening a
// file handed over from outside (the command line, a drop). Lives as long as the loading
// screen (it is its child).
class FileCommands : public QObject {
    Q_OBJECT

public:
    // settingsFile keeps the recent files; empty: the user's settings.
    FileCommands(LoadingWindow& loading, AppContext& context, const QString& settingsFile);

    // Each shows its window, or brings it forward when it is open already.
    SaveWindow* showSaveWindow();
    LoadWindow* showRetrieveWindow();
    LoadWindow* showImportWindow();

    // Reads the file into a copy of the model; only a complete read replaces the beam on
    // the loading screen. A failure says "File access error", with the reason under it,
    // and changes nothing. An edited beam is asked about first.
    bool openFile(const std::string& path, FileLayout layout);
    // A file of "Open Recent": opened as Open does; one that no longer opens says why and
    // leaves the list.
    bool openRecentFile(const QString& path);

    // "Save": writes the beam to its file with no window; a beam without one opens the
    // Save window. Returns whether the beam was written.
    bool save();
    // The question before an edited beam is thrown away: Save, Discard or Cancel. Returns
    // whether the command may go on now; `goOn` runs once the Save window has saved a beam
    // that had no file.
    bool mayDiscardBeam(std::function<void()> goOn);

signals:
    // A file replaced the model; the start-up dialog, if open, has no more to do.
    void fileOpened();

private:
    // Reads the file into the loading screen; a failure changes nothing and says nothing.
    OpenOutcome readIntoScreen(const std::string& path, FileLayout layout);
    // Before a beam with design data is written to a load file: whether the user agrees.
    bool mayDropDesignData();
    // The "Open Recent" submenu: the files, newest first, then Clear Recent Files.
    void fillRecentMenu();

    LoadingWindow& loading_;
    AppContext& context_;
    QPointer<SaveWindow> save_;
    QPointer<LoadWindow> retrieve_;
    QPointer<LoadWindow> import_;
    RecentFiles* recent_;
    std::function<void()> afterSave_;  // the command waiting for the Save window
};

// Wires `saveloadcfg`, `openloadcfg`, `importloadcfg` and file drops on the loading screen.
FileCommands* installFileCommands(LoadingWindow& loading, AppContext& context,
                                  const QString& settingsFile = {});

}  // namespace spanrix
