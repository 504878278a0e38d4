#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "files/load_file.h"

namespace spanrix {

struct AppContext;
class LoadWindow;
class LoadingWindow;
class SaveWindow;

// The loading screen's Save, Open and Import commands with their windows, and opening a
// file handed over from outside (the command line, a drop). Lives as long as the loading
// screen (it is its child).
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(LoadingWindow& loading, AppContext& context);

    // Each shows its window, or brings it forward when it is open already.
    SaveWindow* showSaveWindow();
    LoadWindow* showRetrieveWindow();
    LoadWindow* showImportWindow();

    // Reads the file into a copy of the model; only a complete read replaces the beam on
    // the loading screen. A failure says "File access error", with the reason under it,
    // and changes nothing. An
    // edited beam is asked about first.
    bool openFile(const std::string& path, FileLayout layout);

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
    LoadingWindow& loading_;
    AppContext& context_;
    QPointer<SaveWindow> save_;
    QPointer<LoadWindow> retrieve_;
    QPointer<LoadWindow> import_;
    std::function<void()> afterSave_;  // the command waiting for the Save window
};

// Wires `saveloadcfg`, `openloadcfg`, `importloadcfg` and file drops on the loading screen.
FileCommands* installFileCommands(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
