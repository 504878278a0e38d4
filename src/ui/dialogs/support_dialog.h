#pragma once

#include "ui/dialogs/feature_dialog.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace spanrix {

// `support_info`: places a simple or cantilever support, or moves a simple one.
class SupportDialog : public FeatureDialog {
    Q_OBJECT

public:
    SupportDialog(AppContext& context, LoadingWindow& loading);

protected:
    FeatureEntry entry() const override;
    void setEntry(const FeatureEntry& entry) override;
    void showUnitControls(bool metric) override;
    void setEditMode(bool editing) override;

private:
    // A cantilever's place follows from the rules: the location and its units step aside.
    void showType();

    bool metric_ = false;
    QLineEdit* suploc_;
    QFrame* engframe1_;
    QRadioButton* feet_;
    QRadioButton* inch_;
    QLabel* met_;
    QGroupBox* frame1_;
    QRadioButton* simple_;
    QRadioButton* cantilever_;
};

}  // namespace spanrix
