#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <any>
#include <functional>
#include <map>

#include "engine/analysis.h"
#include "files/load_file.h"
#include "model/app_state.h"

namespace spanrix {

// The beam being worked on: the one way the model changes. Each change is one undoable
// step named for the Edit menu; the document knows the file the beam came from or went to
// and whether the beam differs from it. Owned with the program's state; windows listen to
// `changed` and never need to be told to refresh.
class BeamDocument : public QObject {
    Q_OBJECT

public:
    // What the screen shows of the beam besides the model (the legend), kept with each
    // undo step so undo gives back exactly what was on the screen.
    struct ViewKeeper {
        std::function<std::any()> capture;
        std::function<void(const std::any&)> restore;
    };

    explicit BeamDocument(AppState& state, QObject* parent = nullptr);

    const BeamModel& model() const { return state_.model; }

    // One change of the beam (the model or the display figures), named as the Edit menu
    // shows it ("Add Point Load"). `edit` runs after aboutToChange (the sketch is erased
    // while the model holds the old values) and before changed (drawn with the new ones).
    void change(const QString& name, const std::function<void(AppState&)>& edit);
    // The same, replacing the model by `next`.
    void change(const QString& name, const BeamModel& next);
    // A change that also changes the document's file: `path` (empty for a new beam), which
    // holds the changed beam, in `format`, when fileHoldsBeam (Open, Reinitialize) and does
    // not (Import).
    void changeFile(const QString& name, const std::function<void(AppState&)>& edit,
                    const QString& path, bool fileHoldsBeam,
                    BeamFileFormat format = BeamFileFormat::LoadFile);

    // The beam as it is now is the fresh one of the start-up dialog: no file, nothing to
    // save, nothing to undo.
    void startFresh();
    // The beam was written to path in format: it is now the document's file and unmodified.
    void markSaved(const QString& path, BeamFileFormat format);

    // The file last opened or saved, empty for a new beam, and the format it holds, which
    // Save keeps whatever the file's name.
    const QString& filePath() const { return filePath_; }
    BeamFileFormat fileFormat() const;
    // "beam.lod", or empty for a new beam.
    QString fileName() const;
    // Whether the beam differs from the file (or from the fresh beam).
    bool isModified() const;

    // The last analysis of the beam as it is now: empty (no analysis, no refusal) once the
    // beam has changed since, unless results are kept current.
    const AnalysisOutcome& analysis() const { return analysis_; }
    // Analyses the beam as it is (Run Calculations asks its questions through askContinue).
    const AnalysisOutcome& analyse(RunChecks checks, const ContinueQuestion& askContinue);
    // While on (the calculations screen is open), every change repeats the analysis as the
    // screen's recalculation does, without questions, before `changed` is emitted.
    void keepResultsCurrent(bool on) { liveResults_ = on; }

    QUndoStack& undoStack() { return undo_; }
    void setViewKeeper(ViewKeeper keeper) { view_ = std::move(keeper); }

signals:
    // The model still holds its old values: erase what shows them.
    void aboutToChange();
    // The beam changed (an edit, a file, undo or redo); the analysis follows it already.
    void changed();
    // The file, or whether the beam differs from it, may have changed: titles follow.
    void savedStateChanged();

private:
    class Step;
    struct Snapshot {
        BeamModel model;
        int sigFigs = 0;
        QString filePath;
        BeamModel newBeam;  // what a beam without a file is compared with
        std::any view;
    };

    Snapshot snapshot() const;
    // Undo and redo: the model, the file and the view exactly as they were.
    void restore(const Snapshot& s);
    // The analysis follows the changed beam: repeated when live, otherwise dropped.
    void followAnalysis();

    AppState& state_;
    AnalysisOutcome analysis_;
    bool liveResults_ = false;
    QUndoStack undo_;
    ViewKeeper view_;
    QString filePath_;
    // What each file holds as far as we know (last opened or saved); "" the fresh beam.
    std::map<QString, BeamModel> fileBeams_;
    std::map<QString, BeamFileFormat> fileFormats_;
};

}  // namespace spanrix
