#include "ui/beam_document.h"

#include <QFileInfo>
#include <QUndoCommand>

namespace spanrix {

namespace {
// Each step keeps two models and two legends; older steps go beyond this many.
constexpr int kUndoLimit = 200;
}  // namespace

// One change: the beam before and after it. The change has already been made when the
// step is pushed, so its first redo does nothing.
class BeamDocument::Step : public QUndoCommand {
public:
    Step(BeamDocument& document, const QString& name, Snapshot before, Snapshot after)
        : QUndoCommand(name), document_(document), before_(std::move(before)), after_(std::move(after))
    {
    }

    void undo() override { document_.restore(before_); }
    void redo() override
    {
        if (done_) document_.restore(after_);
        done_ = true;
    }

private:
    BeamDocument& document_;
    Snapshot before_;
    Snapshot after_;
    bool done_ = false;
};

BeamDocument::BeamDocument(AppState& state, QObject* parent) : QObject(parent), state_(state)
{
    undo_.setUndoLimit(kUndoLimit);
    startFresh();
}

BeamDocument::Snapshot BeamDocument::snapshot() const
{
    Snapshot s{state_.model, state_.sigFigs, filePath_, fileBeams_.at(QString()),
               view_.capture ? view_.capture() : std::any()};
    // Whether an edit dialog is open belongs to the dialog, not to the beam.
    s.model.editingFeature = false;
    return s;
}

void BeamDocument::change(const QString& name, const std::function<void(AppState&)>& edit)
{
    Snapshot before = snapshot();
    emit aboutToChange();
    edit(state_);
    followAnalysis();
    emit changed();
    // Taken after the listeners have drawn: the legend and its shown-counts as the screen
    // now has them.
    undo_.push(new Step(*this, name, std::move(before), snapshot()));
    emit savedStateChanged();
}

void BeamDocument::change(const QString& name, const BeamModel& next)
{
    change(name, [&next](AppState& s) {
        const bool editing = s.model.editingFeature;
        s.model = next;
        s.model.editingFeature = editing;
    });
}

void BeamDocument::changeFile(const QString& name, const std::function<void(AppState&)>& edit,
                              const QString& path, bool fileHoldsBeam, BeamFileFormat format)
{
    change(name, [&](AppState& s) {
        edit(s);
        filePath_ = path;
        if (fileHoldsBeam) {
            fileBeams_[path] = s.model;
            fileFormats_[path] = format;
        }
    });
}

const AnalysisOutcome& BeamDocument::analyse(RunChecks checks, const ContinueQuestion& askContinue)
{
    analysis_ = analyseBeam(state_.model, askContinue, checks);
    return analysis_;
}

void BeamDocument::followAnalysis()
{
    // No question while the user edits: a beam that does not converge stops where it is.
    analysis_ = liveResults_ ? analyseBeam(state_.model, {}, RunChecks::RepeatOnly) : AnalysisOutcome{};
}

void BeamDocument::restore(const Snapshot& s)
{
    emit aboutToChange();
    const bool editing = state_.model.editingFeature;
    state_.model = s.model;
    state_.model.editingFeature = editing;
    state_.sigFigs = s.sigFigs;
    filePath_ = s.filePath;
    fileBeams_[QString()] = s.newBeam;
    if (view_.restore && s.view.has_value()) view_.restore(s.view);
    followAnalysis();
    emit changed();
    emit savedStateChanged();
}

void BeamDocument::startFresh()
{
    undo_.clear();
    filePath_.clear();
    fileBeams_[filePath_] = state_.model;
    emit savedStateChanged();
}

void BeamDocument::markSaved(const QString& path, BeamFileFormat format)
{
    filePath_ = path;
    fileBeams_[path] = state_.model;
    fileFormats_[path] = format;
    emit savedStateChanged();
}

BeamFileFormat BeamDocument::fileFormat() const
{
    const auto known = fileFormats_.find(filePath_);
    return known == fileFormats_.end() ? BeamFileFormat::LoadFile : known->second;
}

QString BeamDocument::fileName() const
{
    return filePath_.isEmpty() ? QString() : QFileInfo(filePath_).fileName();
}

bool BeamDocument::isModified() const
{
    const auto known = fileBeams_.find(filePath_);
    return known == fileBeams_.end() || !sameBeam(known->second, state_.model);
}

}  // namespace spanrix
