#pragma once

#include <QObject>
#include <QPointer>

#include "ui/save_name.h"

namespace spanrix {

struct AppContext;
class CombinationsWindow;
class FileCommands;
class LoadCasesWindow;
class LoadingWindow;
class SteelCheckWindow;

// The Design menu's windows (load cases, combinations, steel design check) and the
// loading screen's design-file commands. The windows follow every change of the beam
// document and change the beam only through it.
// Lives as long as the loading screen (it is its child).
class DesignCommands : public QObject {
    Q_OBJECT

public:
    DesignCommands(LoadingWindow& loading, FileCommands& files, AppContext& context);

    // Each shows its window, or brings it forward when it is open already.
    LoadCasesWindow* showLoadCases();
    CombinationsWindow* showCombinations();
    SteelCheckWindow* showSteelCheck();

    // `opendesign` and `savedesignas`: the platform's file dialogs, filtered to design
    // files. Opening goes the way of every other file (either format, told by content).
    bool openDesign();
    bool saveDesignAs();

    // The file dialogs; tests put scripted ones in their place.
    void setFileChoosers(SaveNameChooser open, SaveNameChooser save)
    {
        chooseOpenName_ = std::move(open);
        chooseSaveName_ = std::move(save);
    }

private:
    // Every change of the beam (an edit, a file, undo or redo): the open windows follow.
    void beamChanged();

    LoadingWindow& loading_;
    FileCommands& files_;
    AppContext& context_;
    QPointer<LoadCasesWindow> loadCases_;
    QPointer<CombinationsWindow> combinations_;
    QPointer<SteelCheckWindow> steelCheck_;
    SaveNameChooser chooseOpenName_ = platformOpenDialog();
    SaveNameChooser chooseSaveName_ = platformSaveDialog();
};

DesignCommands* installDesignCommands(LoadingWindow& loading, FileCommands& files, AppContext& context);

}  // namespace spanrix
