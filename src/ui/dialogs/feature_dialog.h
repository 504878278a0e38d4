#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "model/beam_model.h"
#include "forms/feature_entry.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spanrix {

struct AppContext;
class LoadingWindow;

// What the four feature dialogs share: Add and Submit through the core rules, the edit
// mode with its captions and touched-field flags, Cancel, Enter as Command1, centring, the
// focus in the first field.
// Modeless; closing hides the dialog, which keeps its controls for the next opening.
class FeatureDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog in add mode with its default entries (an open dialog is only raised).
    void openForAdd();

    // Open starts the edit of feature row n; Complete submits the edit in progress (n is
    // ignored: the stored edit record is used).
    enum class EditStep { Open, Complete };
    void edit_feature(int n, EditStep step);

    bool isEditing() const { return edit_.has_value(); }

    // Puts a beam location (internal units) into the location field (a distributed load's
    // start), in the length unit the dialog shows.
    void prefillLocation(double location);

public slots:
    // Cancel, the close button and Escape: leave edit mode, touch nothing, close.
    void reject() override;

protected:
    FeatureDialog(FeatureKind kind, AppContext& context, LoadingWindow& loading,
                  const QString& addCaption, const QString& addButtonCaption);

    // The controls as an entry, and back.
    virtual FeatureEntry entry() const = 0;
    virtual void setEntry(const FeatureEntry& entry) = 0;
    // Unit frames by the unit system.
    virtual void showUnitControls(bool metric) = 0;
    // Controls that may not change during an edit.
    virtual void setEditMode(bool) {}

    // Wiring used by the subclasses while they build their controls.
    QHBoxLayout* makeButtons();
    void watchText(QLineEdit* box, bool TouchedFields::*flag);
    void watchOption(QRadioButton* option, bool TouchedFields::*flag);

    AppContext& context_;
    LoadingWindow& loading_;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLineEdit* firstField_ = nullptr;  // has the focus when the dialog opens
    QLineEdit* locationField_ = nullptr;

private:
    void load();
    // Shows the unit frames of the model's unit system and remembers which are shown.
    void applyUnitSystem();
    // After a unit conversion while open: the frames follow, and an edit in progress is
    // refilled in the new units (its stored values were converted).
    void followUnitSystem();
    void command1Clicked();
    void submitEdit();
    void leaveEditMode();

    const FeatureKind kind_;
    const QString addCaption_;
    const QString addButtonCaption_;
    std::optional<FeatureEdit> edit_;
    TouchedFields touched_;
    bool shownMetric_ = false;
};

}  // namespace spanrix
