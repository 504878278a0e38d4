#pragma once

#include <QObject>
#include <QPointer>

#include "ui/save_name.h"

namespace spanrix {

struct AppContext;
class CombinationsWindow;
class LoadCasesWindow;
class LoadingWindow;
class SteelCheckWindow;

// The Design menu's windows (load cases, combinations, steel design check) and the
// loading screen's design-file commands. The windows follow every change of the beam.
// Lives as long as the loading screen (it is its child).
class DesignCommands : public QObject {
    Q_OBJECT

public:
    DesignCommands(LoadingWindow& loading, AppContext& context);

    // Each shows its window, or brings it forward when it is open already.
    LoadCasesWindow* showLoadCases();
    CombinationsWindow* showCombinations();
    SteelCheckWindow* showSteelCheck();

    // `opendesign` and `savedesignas`: the platform's file dialogs, filtered to design files.
    bool openDesign();
    bool saveDesignAs();

    // The file dialogs; tests put scripted ones in their place.
    void setFileChoosers(SaveNameChooser open, SaveNameChooser save)
    {
        chooseOpenName_ = std::move(open);
        chooseSaveName_ = std::move(save);
    }

signals:
    // A design file was opened into the model.
    void designOpened(const QString& path);

private:
    // The design windows' own change of the model: the loading screen and the other
    // windows follow.
    void designChanged();
    void beamChanged();

    LoadingWindow& loading_;
    AppContext& context_;
    QPointer<LoadCasesWindow> loadCases_;
    QPointer<CombinationsWindow> combinations_;
    QPointer<SteelCheckWindow> steelCheck_;
    SaveNameChooser chooseOpenName_ = platformOpenDialog();
    SaveNameChooser chooseSaveName_ = platformSaveDialog();
};

DesignCommands* installDesignCommands(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
