#pragma once

#include <QDialog>

#include "engine/result_display.h"

namespace spanrix {

// `maxvalues`: the largest moment, stress, deflection and slope of the last run with their
// locations, filled once when the window opens.
class MaxValuesDialog : public QDialog {
    Q_OBJECT

public:
    explicit MaxValuesDialog(const MaxValueTexts& texts, QWidget* parent = nullptr);
};

}  // namespace spanrix
