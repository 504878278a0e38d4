#pragma once

#include <QList>

#include "ui/dialogs/section_helper_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spanrix {

struct AppContext;

// `I_calc`, "Calculate Moment Of Inertia": I and c of a round or rectangular, solid or
// tubular section, from dimensions in inches or millimetres.
class InertiaCalculatorDialog : public SectionHelperDialog {
    Q_OBJECT

public:
    explicit InertiaCalculatorDialog(AppContext& context, QWidget* parent = nullptr);

private:
    QWidget* makeRectangularInputs();
    QWidget* makeRoundInputs();
    QWidget* makeResults(bool metric);
    void showSectionInputs();
    void calculate();
    // Results belong to the dimensions they came from: any change withdraws them.
    void clearResults();

    AppContext& context_;
    QRadioButton* roundcs_ = nullptr;
    QRadioButton* squarecs_ = nullptr;
    QRadioButton* solidcs_ = nullptr;
    QRadioButton* tubecs_ = nullptr;
    QWidget* squareFrame_ = nullptr;
    QWidget* roundFrame_ = nullptr;
    QLabel* recnote_ = nullptr;
    QLineEdit* wth_ = nullptr;
    QLineEdit* ht_ = nullptr;
    QLineEdit* wall_ = nullptr;
    QLineEdit* od_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* dispmoi_ = nullptr;
    QLineEdit* cbox_ = nullptr;
    QPushButton* accept_ = nullptr;
    QList<QWidget*> tubeOnly_;  // disabled for a solid section
    QList<QWidget*> englishOnly_;
    QList<QWidget*> metricOnly_;
};

}  // namespace spanrix
