#pragma once

#include <QDialog>
#include <memory>

#include "engine/analysis.h"
#include "engine/result_display.h"

class QLineEdit;
class QRadioButton;

namespace spanrix {

class Prompts;

// `pointvalues`: moment, stress, deflection and slope at the calculation point nearest to
// a location the user types.
class PointValuesDialog : public QDialog {
    Q_OBJECT

public:
    // Keeps the analysis it reads, whatever runs while it is open.
    PointValuesDialog(std::shared_ptr<const Analysis> analysis, const ResultBasis& basis, int sigFigs,
                      Prompts& prompts, QWidget* parent = nullptr);

public slots:
    // "Find Values", also Enter in `loc`.
    void findValues();

private:
    std::shared_ptr<const Analysis> analysis_;
    ResultBasis basis_;
    int sigFigs_;
    Prompts& prompts_;
    QLineEdit* loc_;
    QRadioButton* feet_;
    QLineEdit* mom_;
    QLineEdit* str_;
    QLineEdit* def_;
    QLineEdit* slope_;
};

}  // namespace spanrix
