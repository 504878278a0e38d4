#pragma once

#include "ui/dialogs/feature_dialog.h"

class QFrame;
class QLabel;

namespace spanrix {

// `load_info`: adds a point load, or edits one.
class PointLoadDialog : public FeatureDialog {
    Q_OBJECT

public:
    PointLoadDialog(AppContext& context, LoadingWindow& loading);

protected:
    FeatureEntry entry() const override;
    void setEntry(const FeatureEntry& entry) override;
    void showUnitControls(bool metric) override;

private:
    QLineEdit* loadmag_;
    QLineEdit* loadloc_;
    QLabel* poundlabel_;
    QFrame* engframe_;
    QRadioButton* feet_;
    QRadioButton* inch_;
    QFrame* metframe_;
    QRadioButton* kg_;
    QRadioButton* n_;
};

}  // namespace spanrix
