#pragma once

#include "ui/dialogs/feature_dialog.h"

class QFrame;

namespace spanrix {

// `moment_info`: adds a concentrated moment, or edits one.
class MomentDialog : public FeatureDialog {
    Q_OBJECT

public:
    MomentDialog(AppContext& context, LoadingWindow& loading);

protected:
    FeatureEntry entry() const override;
    void setEntry(const FeatureEntry& entry) override;
    void showUnitControls(bool metric) override;

private:
    QLineEdit* loadmag_;
    QLineEdit* loadloc_;
    QFrame* engframe1_;
    QRadioButton* pi_;
    QRadioButton* pf_;
    QFrame* engframe2_;
    QRadioButton* feet_;
    QRadioButton* inch_;
    QFrame* metframe_;
    QRadioButton* kg_;
    QRadioButton* n_;
};

}  // namespace spanrix
