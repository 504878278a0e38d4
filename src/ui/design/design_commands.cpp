#include "ui/design/design_commands.h"

#include <QDir>
#include <QFileInfo>

#include "files/design_file.h"
#include "ui/app_context.h"
#include "ui/design/combinations_window.h"
#include "ui/design/load_cases_window.h"
#include "ui/design/steel_check_window.h"
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

QString designFilter() { return QString::fromUtf8(kDesignFileFilter.data(), kDesignFileFilter.size()); }

}  // namespace

DesignCommands::DesignCommands(LoadingWindow& loading, AppContext& context)
    : QObject(&loading), loading_(loading), context_(context)
{
    loading_.setCommand("loadcases", [this] { showLoadCases(); });
    loading_.setCommand("combinations", [this] { showCombinations(); });
    loading_.setCommand("steelcheck", [this] { showSteelCheck(); });
    loading_.setCommand("opendesign", [this] { openDesign(); });
    loading_.setCommand("savedesignas", [this] { saveDesignAs(); });
    connect(&loading_, &LoadingWindow::beamChanged, this, &DesignCommands::beamChanged);
}

LoadCasesWindow* DesignCommands::showLoadCases()
{
    return bringForward(loadCases_, [this] {
        auto* window = new LoadCasesWindow(context_, &loading_);
        connect(window, &LoadCasesWindow::designChanged, this, &DesignCommands::designChanged);
        return window;
    });
}

CombinationsWindow* DesignCommands::showCombinations()
{
    return bringForward(combinations_, [this] { return new CombinationsWindow(context_, &loading_); });
}

SteelCheckWindow* DesignCommands::showSteelCheck()
{
    return bringForward(steelCheck_, [this] {
        auto* window = new SteelCheckWindow(context_, &loading_);
        connect(window, &SteelCheckWindow::sectionPropertiesSet, this, [this] { loading_.modelChanged(); });
        return window;
    });
}

void DesignCommands::designChanged()
{
    // Cases and self-weight are not drawn; the reaction captions no longer hold either way.
    loading_.modelChanged();
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
    if (!path) return false;
    BeamModel opened = context_.state.model;
    const OpenOutcome outcome = openBeamFile(*path, opened);
    if (!outcome.ok()) {
        context_.prompts.message(*outcome.error);
        return false;
    }
    loading_.showOpenedModel(opened);
    const QFileInfo file(QString::fromStdString(*path));
    loading_.setFileName(file.fileName());
    context_.state.currentDir = file.absolutePath().toStdString();
    emit designOpened(file.absoluteFilePath());
    return true;
}

bool DesignCommands::saveDesignAs()
{
    const QString suggested = QDir(QString::fromStdString(context_.state.currentDir)).filePath("beam.spanrix");
    const auto chosen = chooseSaveName_({&loading_, "Save Design As", suggested, designFilter()});
    if (!chosen) return false;
    std::string path = *chosen;
    if (!QString::fromStdString(path).endsWith(".spanrix", Qt::CaseInsensitive)) path += kDesignFileExtension;
    if (const auto failure = writeDesignFile(path, context_.state.model)) {
        context_.prompts.message(*failure);
        return false;
    }
    const QFileInfo file(QString::fromStdString(path));
    loading_.setFileName(file.fileName());
    context_.state.currentDir = file.absolutePath().toStdString();
    return true;
}

DesignCommands* installDesignCommands(LoadingWindow& loading, AppContext& context)
{
    return new DesignCommands(loading, context);
}

}  // namespace spanrix
