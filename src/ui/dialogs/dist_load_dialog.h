#pragma once

#include "ui/dialogs/feature_dialog.h"

class QFrame;

namespace spanrix {

// `distload_info`: adds a linearly varying distributed load, or edits one.
class DistLoadDialog : public FeatureDialog {
    Q_OBJECT

public:
    DistLoadDialog(AppContext& context, LoadingWindow& loading);

protected:
    FeatureEntry entry() const override;
    void setEntry(const FeatureEntry& entry) override;
    void showUnitControls(bool metric) override;

private:
    QLineEdit* loadmag0_;
    QLineEdit* loadmag1_;
    QLineEdit* loadstart_;
    QLineEdit* loadend_;
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
