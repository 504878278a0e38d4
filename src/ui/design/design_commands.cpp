#include "ui/design/design_commands.h"

#include <QDir>
#include <QFileInfo>

#include "files/design_file.h"
#include "ui/app_context.h"
#include "ui/design/combinations_window.h"
#include "ui/design/load_cases_window.h"
#include "ui/design/steel_check_window.h"
#include "ui/files/file_commands.h"
#include "ui/loading/loading_window.h"

namespace spanrix {

namespace {

// An open window comes forward; otherwise a new one is made and shown.
template <typename Window, typename Make>
Window* bringForward(QPointer<Window>& slot, Make make)
{
    if (!slot) {
        slot = make();
        slot->show();
    }
    slot->raise();
    slot->activateWindow();
    return slot;
}

QString designFilter() { return QString::fromUtf8(kDesignFileFilter); }

}  // namespace

DesignCommands::DesignCommands(LoadingWindow& loading, FileCommands& files, AppContext& context)
    : QObject(&loading), loading_(loading), files_(files), context_(context)
{
    loading_.setCommand("loadcases", [this] { showLoadCases(); });
    loading_.setCommand("combinations", [this] { showCombinations(); });
    loading_.setCommand("steelcheck", [this] { showSteelCheck(); });
    loading_.setCommand("opendesign", [this] { openDesign(); });
    loading_.setCommand("savedesignas", [this] { saveDesignAs(); });
    connect(&context_.document, &BeamDocument::changed, this, &DesignCommands::beamChanged);
}

LoadCasesWindow* DesignCommands::showLoadCases()
{
    return bringForward(loadCases_, [this] { return new LoadCasesWindow(context_, &loading_); });
}

CombinationsWindow* DesignCommands::showCombinations()
{
    return bringForward(combinations_, [this] { return new CombinationsWindow(context_, &loading_); });
}

SteelCheckWindow* DesignCommands::showSteelCheck()
{
    return bringForward(steelCheck_, [this] { return new SteelCheckWindow(context_, &loading_); });
}

void DesignCommands::beamChanged()
{
    if (loadCases_) loadCases_->refresh();
    if (combinations_) combinations_->refresh();
    if (steelCheck_) steelCheck_->beamChanged();
}

bool DesignCommands::openDesign()
{
    const auto path = chooseOpenName_({&loading_, "Open Design", QString::fromStdString(context_.state.currentDir),
                                       designFilter()});
    return path && files_.openFile(*path, FileLayout::Current);
}

bool DesignCommands::saveDesignAs()
{
    const QString suggested = QDir(QString::fromStdString(context_.state.currentDir)).filePath("beam.spanrix");
    const auto chosen = chooseSaveName_({&loading_, "Save Design As", suggested, designFilter()});
    if (!chosen) return false;
    std::string path = *chosen;
    if (!QString::fromStdString(path).endsWith(".spanrix", Qt::CaseInsensitive)) path += kDesignFileExtension;
    if (const auto failure = writeDesignFile(path, context_.document.model())) {
        context_.prompts.message(*failure);
        return false;
    }
    const QFileInfo file(QString::fromStdString(path));
    // Save (Ctrl+S) writes this file, as a design file, from now on.
    context_.document.markSaved(file.absoluteFilePath(), BeamFileFormat::Design);
    context_.state.currentDir = file.absolutePath().toStdString();
    return true;
}

DesignCommands* installDesignCommands(LoadingWindow& loading, FileCommands& files, AppContext& context)
{
    return new DesignCommands(loading, files, context);
}

}  // namespace spanrix
