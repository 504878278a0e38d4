#include "ui/dialogs/feature_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/loading/loading_window.h"
#include "ui/work_area.h"

namespace spanrix {

FeatureDialog::FeatureDialog(FeatureKind kind, AppContext& context, LoadingWindow& loading,
                             const QString& addCaption, const QString& addButtonCaption)
    : QDialog(&loading),
      context_(context),
      loading_(loading),
      kind_(kind),
      addCaption_(addCaption),
      addButtonCaption_(addButtonCaption)
{
    setModal(false);
    setWindowTitle(addCaption_);
    connect(&loading_, &LoadingWindow::unitSystemChanged, this, [this] { followUnitSystem(); });
    // A new model may hold a feature of the same kind at the same row; the edit belongs to
    // the old one, so Submit must find it gone, as after a reset.
    connect(&loading_, &LoadingWindow::modelReplaced, this, [this] {
        if (edit_) edit_->row = 0;
    });
}

QHBoxLayout* FeatureDialog::makeButtons()
{
    command1_ = dialogs::commandButton(this, "Command1", addButtonCaption_);
    command2_ = dialogs::commandButton(this, "Command2", "Cancel");
    // Enter clicks the focused button, and Command1 from anywhere else in the dialog.
    connect(command1_, &QPushButton::clicked, this, [this] { command1Clicked(); });
    connect(command2_, &QPushButton::clicked, this, &FeatureDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(command1_);
    row->addWidget(command2_);
    return row;
}

void FeatureDialog::watchText(QLineEdit* box, bool TouchedFields::*flag)
{
    connect(box, &QLineEdit::textChanged, this, [this, flag] { touched_.*flag = true; });
}

void FeatureDialog::watchOption(QRadioButton* option, bool TouchedFields::*flag)
{
    connect(option, &QRadioButton::clicked, this, [this, flag] { touched_.*flag = true; });
}

void FeatureDialog::load()
{
    setEntry(FeatureEntry{});
    applyUnitSystem();
    adjustSize();
    move(workAreaPixels().center() - rect().center());
}

void FeatureDialog::openForAdd()
{
    if (!isVisible()) {
        if (edit_) leaveEditMode();
        load();
        show();
        dialogs::openAtFirstField(firstField_, command1_);
    }
    // The unit system may have changed while the dialog stayed open.
    applyUnitSystem();
    raise();
    activateWindow();
}

void FeatureDialog::edit_feature(int n, int mode)
{
    BeamModel& model = context_.state.model;
    if (mode == 2) {
        if (edit_) submitEdit();
        return;
    }
    if (mode != 1) return;
    const EditOpening opening = openFeatureEdit(model, kind_, n, context_.state.sigFigs);
    if (!opening.opened()) {
        context_.prompts.message(opening.refusal);
        // An edit already open in this dialog carries on; otherwise edit mode ends here.
        model.editingFeature = edit_.has_value();
        return;
    }
    if (!isVisible()) load();
    applyUnitSystem();
    edit_ = opening.edit;
    model.editingFeature = true;
    setWindowTitle("Edit Feature " + QString::number(n));
    command1_->setText("Submit");
    setEditMode(true);
    setEntry(opening.form);
    // Filling the fields is not an edit by the user.
    touched_ = {};
    show();
    dialogs::openAtFirstField(firstField_, command1_);
    raise();
    activateWindow();
}

void FeatureDialog::applyUnitSystem()
{
    shownMetric_ = context_.state.model.metricUnits;
    showUnitControls(shownMetric_);
}

void FeatureDialog::followUnitSystem()
{
    if (shownMetric_ == context_.state.model.metricUnits) return;
    applyUnitSystem();
    if (!edit_) return;
    const EditOpening opening =
        openFeatureEdit(context_.state.model, kind_, edit_->row, context_.state.sigFigs);
    if (!opening.opened()) return;  // gone since; Submit reports it
    edit_ = opening.edit;
    setEntry(opening.form);
    touched_ = {};
}

void FeatureDialog::command1Clicked()
{
    // Never read the texts in units other than those the dialog shows.
    if (shownMetric_ != context_.state.model.metricUnits) {
        followUnitSystem();
        return;
    }
    if (edit_) {
        submitEdit();
        return;
    }
    BeamModel next = context_.document.model();
    if (const auto full = capacityRefusal(next, kind_)) {
        context_.prompts.message(*full);
        return;
    }
    if (const auto refusal = addFeature(next, kind_, entry())) {
        context_.prompts.message(*refusal);
        return;
    }
    hide();
    context_.document.change(addCaption_, next);
}

void FeatureDialog::submitEdit()
{
    const BeamModel& model = context_.document.model();
    if (!editStillValid(model, *edit_)) {
        // Removed or reset since the edit opened: nothing left to edit.
        context_.prompts.message(std::string(kDialogInvalidFeatureNumber));
        leaveEditMode();
        hide();
        return;
    }
    BeamModel next = model;
    if (const auto refusal = submitFeatureEdit(next, *edit_, entry(), touched_)) {
        context_.prompts.message(*refusal);
        return;
    }
    const int row = edit_->row;
    leaveEditMode();
    hide();
    context_.document.change("Edit Feature " + QString::number(row), [&](AppState& s) {
        s.model = next;
        s.model.editingFeature = false;
        loading_.updateLegendGroup(row);
        loading_.relayoutLegend(s.model.numFeatures + 1);
    });
}

void FeatureDialog::leaveEditMode()
{
    if (edit_) context_.state.model.editingFeature = false;
    edit_.reset();
    touched_ = {};
    setWindowTitle(addCaption_);
    command1_->setText(addButtonCaption_);
    setEditMode(false);
}

void FeatureDialog::reject()
{
    leaveEditMode();
    QDialog::reject();
}

}  // namespace spanrix
