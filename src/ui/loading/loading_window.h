#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/reactions.h"
#include "files/load_file.h"
#include "model/beam_model.h"
#include "model/units.h"
#include "drawing/legend.h"
#include "drawing/legend_painting.h"
#include "ui/menu_table.h"
#include "ui/work_area.h"

class QAction;
class QLabel;

namespace spanrix {

struct AppContext;
class QtSurface;
class Sketch;
class SketchPointer;

// The loading screen's menu, in order: every item with its objectName and caption.
std::span<const MenuEntry> loadingScreenMenu();

// The loading screen `beam`: the main window with the menu, the beam sketch and the
// feature legend. Commands whose windows live in other folders are installed into it by
// their owners through setCommand.
// A ".lod" file dropped onto it is handed on through loadFileDropped.
class LoadingWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit LoadingWindow(AppContext& context, QWidget* parent = nullptr);
    ~LoadingWindow() override;

    // Mode 15 erases the sketch; any other mode draws it and builds missing legend groups.
    void drawSketch(int mode);
    // Moves the legend groups of features 1..limit-1 to the current sketch scale.
    void relayoutLegend(int limit);
    // After an edit: the feature's legend group follows its new values (captions, left edges).
    void updateLegendGroup(int featureRow);
    // Writes a support's reaction into its second value label (dark red, bold, visible).
    void showReactionCaption(int featureRow, const std::string& caption);
    // The same for every support of a run, the labels placed once for all of them.
    void showReactionCaptions(const std::vector<ReactionCaption>& captions);
    // Removes every legend group (the reaction to a model reset).
    void clearLegend();
    // Rebuilds every legend group in feature order, blank groups for rows not live (after
    // a file was opened into the model).
    void rebuildLegend();
    // A model read from a file takes the place of the current one as the change `name`:
    // erase, replace, legend rebuilt, draw. See BeamDocument::changeFile for the path.
    void showOpenedModel(const BeamModel& opened, const QString& name, const QString& path,
                         bool fileHoldsBeam, BeamFileFormat format = BeamFileFormat::LoadFile);

    // Asked before the beam is thrown away (close, Reinitialize, a file opened): true when
    // the command may go on now. `goOn` repeats the command once a save the question
    // started in a window has succeeded.
    using UnsavedChangesGuard = std::function<bool(std::function<void()> goOn)>;
    void setUnsavedChangesGuard(UnsavedChangesGuard guard);
    bool mayDiscardBeam(std::function<void()> goOn);
    // Unit menu items mirror metricUnits.
    void syncUnitMenu();
    // The whole-model conversion with the sketch erased before and drawn after, the menu
    // items' enabling and the legend refresh.
    void convertUnits(UnitConversion direction);
    // A new number of significant figures: erase, store, draw, refresh the legend.
    void changeSigFigs(int sigFigs);
    // The significant-figures prompt shared by both screens; returns whether the figures
    // changed (a refused reply has said why).
    bool askSignificantFigures();
    // Takes feature row n off the beam: erase, blank its labels, mark it removed, move the
    // legend to the new scale, draw. Returns false, changing nothing, for a row outside
    // 1..numFeatures.
    bool removeFeature(int n);

    QtSurface& surface() { return *surface_; }
    // The desktop work area in twips, as read at start-up.
    QSize workArea() const { return layout_.workArea(); }
    QAction* action(const QString& objectName) const;
    const Legend& legend() const { return legend_; }
    // The label widget mirroring the legend record of that name, or nullptr.
    QLabel* legendLabel(const QString& name) const;

    // Wires a menu item by its objectName; an unknown name throws std::invalid_argument.
    void setCommand(const QString& objectName, std::function<void()> handler);
    // The menu items no command has been wired to (none, once the program is assembled).
    QStringList unwiredCommands() const;
    // Edit Feature hands a valid feature row to the dialog of its kind.
    void setEditFeatureHandler(std::function<void(FeatureKind, int)> handler);
    // Adding from the sketch opens the dialog of a kind with a location filled in.
    void setAddFeatureHandler(std::function<void(FeatureKind, double location)> handler);
    // Edit Feature after its prompt: row n to its dialog, or "Invalid feature number".
    void editFeature(int n);
    SketchPointer& sketchPointer() { return *pointer_; }

signals:
    // Reinitialize answered Yes: the start-up dialog opens to change the beam length.
    void changeBeamLengthRequested();
    // The unit items have been set to follow `metricUnits` (after a conversion, or when
    // the window comes forward); open dialogs follow the unit system too.
    void unitSystemChanged();
    // The model was reset or replaced by a file: edits opened on it no longer apply.
    void modelReplaced();
    // A ".lod" or ".spanrix" file was dropped onto the window.
    void loadFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The geometry follows the drawing area's size: on a change, everything is drawn
    // again at the new one, as after opening a file.
    void layOut();
    void buildMenu();
    void installOwnCommands();
    // Sketch, legend, unit items, Edit menu and title follow the beam document.
    void followDocument();
    // The caption names the document's file and marks an edited beam.
    void showSavedState();
    // Makes the label widgets match the legend records, then places them.
    void mirrorLegend();
    // Each shown label covers its caption, centred and topped where the legend puts it,
    // unless it would cover a label placed before it.
    void placeLabels();

    void editFeatureCommand();
    void removeFeatureCommand();
    void reinitializeCommand();

    AppContext& context_;
    QtSurface* surface_;
    Legend legend_;
    std::unique_ptr<Sketch> sketch_;
    MenuCommands menu_;
    std::function<void(FeatureKind, int)> editFeature_;
    std::function<void(FeatureKind, double)> addFeature_;
    SketchPointer* pointer_;
    std::vector<PlacedLabel> placed_;  // the shown labels where placeLabels put them
    UnsavedChangesGuard guard_;

    struct MirroredLabel {
        QLabel* widget = nullptr;
        LegendLabel shown;
    };
    std::vector<std::array<MirroredLabel, 4>> labels_;
    ScreenLayout layout_;
    unsigned mirroredRevision_ = 0;
};

}  // namespace spanrix
