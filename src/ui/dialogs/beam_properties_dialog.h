#pragma once

#include <QDialog>

#include "model/feature_entry.h"

class QFrame;
class QLineEdit;
class QPushButton;

namespace spanrix {

struct AppContext;
class SectionHelperDialog;

// `BeamProp`, "Beam Properties": I, E and c of the section. Made afresh for each opening;
// its load puts the default E into the model when none was entered yet.
class BeamPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit BeamPropertiesDialog(AppContext& context, QWidget* parent = nullptr);

    // Continue: stores the edited boxes; returns whether it did (the dialog then closes).
    bool accept_continue();

public slots:
    // Continue, Cancel or the close button: what the dialog changed becomes one change
    // of the beam.
    void done(int result) override;

private:
    void load();
    // Opens the calculator or the chooser modally; what it hands back fills I and c.
    void openSectionHelper(SectionHelperDialog* helper);

    AppContext& context_;
    BeamPropertyEdits edits_;
    BeamModel working_;  // the beam with what the dialog has changed

    QLineEdit* momOfI_;
    QLineEdit* modE_;
    QLineEdit* cdist_;
    QPushButton* command1_;
    QFrame* engframe_;
    QFrame* metframe_;
};

}  // namespace spanrix
