#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <any>
#include <functional>
#include <map>

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

    const AppState& state() const { return state_; }
    const BeamModel& model() const { return state_.model; }

    // One change of the beam (the model or the display figures), named as the Edit menu
    // shows it ("Add Point Load"). `edit` runs after aboutToChange (the sketch is erased
    // while the model holds the old values) and before changed (drawn with the new ones).
    void change(const QString& name, const std::function<void(AppState&)>& edit);
    // The same, replacing the model by `next`.
    void change(const QString& name, const BeamModel& next);
    // A change that also changes the document's file: `path` (empty for a new beam), which
    // holds the changed beam when fileHoldsBeam (Open, Reinitialize) and does not (Import).
    void changeFile(const QString& name, const std::function<void(AppState&)>& edit,
                    const QString& path, bool fileHoldsBeam);

    // The beam as it is now is the fresh one of the start-up dialog: no file, nothing to
    // save, nothing to undo.
    void startFresh();
    // The beam was written to path: it is now the document's file and unmodified.
    void markSaved(const QString& path);

    // The file last opened or saved, empty for a new beam.
    const QString& filePath() const { return filePath_; }
    // "beam.lod", or empty for a new beam.
    QString fileName() const;
    // Whether the beam differs from the file (or from the fresh beam).
    bool isModified() const;

    QUndoStack& undoStack() { return undo_; }
    void setViewKeeper(ViewKeeper keeper) { view_ = std::move(keeper); }

signals:
    // The model still holds its old values: erase what shows them.
    void aboutToChange();
    // The beam changed (an edit, a file, undo or redo).
    void changed();
    // The file, or whether the beam differs from it, may have changed: titles follow.
    void savedStateChanged();

private:
    class Step;
    struct Snapshot {
        BeamModel model;
        int sigFigs = 0;
        QString filePath;
        std::any view;
    };

    Snapshot snapshot() const;
    // Undo and redo: the model, the file and the view exactly as they were.
    void restore(const Snapshot& s);
    void finishChange(const QString& name, Snapshot before);

    AppState& state_;
    QUndoStack undo_;
    ViewKeeper view_;
    QString filePath_;
    // What each file holds as far as we know (last opened or saved); "" the fresh beam.
    std::map<QString, BeamModel> fileBeams_;
};

}  // namespace spanrix
