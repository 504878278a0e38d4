#pragma once

#include <QDialog>

#include "engine/result_display.h"

namespace spanrix {

// `maxvalues`: the largest moment, stress, deflection and slope of the last run with their
// locations, filled once when the window opens.
class MaxValuesDialog : public QDialog {
    Q_OBJECT

public:
    // The boxes have room for any value at sigFigs figures.
    MaxValuesDialog(const MaxValueTexts& texts, int sigFigs, QWidget* parent = nullptr);

    // `exactvalues`, "Exact Maximum Values": the same layout for the exact solution's
    // peaks, with the shear force (`maxshear`, `locmaxshear`) below the slope.
    static MaxValuesDialog* exact(const MaxValueTexts& texts, int sigFigs, QWidget* parent = nullptr);

private:
    MaxValuesDialog(const MaxValueTexts& texts, int sigFigs, bool withShear, QWidget* parent);
};

}  // namespace spanrix
