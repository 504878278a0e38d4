#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spanrix {

struct AppContext;

// "Initialize Beam": the first window. Fixes the unit system and the beam length, then
// hands over to the loading screen.
class InitDialog : public QDialog {
    Q_OBJECT

public:
    explicit InitDialog(AppContext& context, QWidget* parent = nullptr);

    // Runs the load step (defaults, fields from the model, sigFigs := 3, centring) and shows
    // the dialog; Command2 is shown only when offerRetrieve is set.
    void open(bool offerRetrieve);

    // Continue: returns whether the length was accepted (the dialog then closes).
    bool accept_continue();

public slots:
    // Closing without Continue (close button, Escape) after Reinitialize keeps the unit
    // system the dialog opened with: its options switch the model at once, and the beam
    // length, still in the old units, would otherwise be read in the new ones.
    void reject() override;

signals:
    // A length was accepted: show the loading screen and draw the sketch.
    void beamAccepted();
    // "Retrieve Load File" after its Continue.
    void retrieveRequested();
    // Closed without an accepted length.
    void dismissed();

private:
    void load();
    void showUnitControls();
    void centreOnWorkArea();

    AppContext& context_;
    bool lengthOrSystemEdited_ = false;
    bool lengthUnitEdited_ = false;
    bool loadedBefore_ = false;
    bool metricAtOpen_ = false;
    bool accepted_ = false;
    bool startUp_ = true;  // opened at start-up, not after Reinitialize

    QFrame* frame2_;
    QRadioButton* met_;
    QRadioButton* eng_;
    QFrame* engframe_;
    QRadioButton* inch_;
    QRadioButton* feet_;
    QLabel* label1_;
    QLineEdit* length_;
    QLabel* meter_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace spanrix
