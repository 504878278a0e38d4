#pragma once

#include <QWidget>

namespace spanrix {

// The cross-section of one catalogue kind (W, S, channel, angle, or a plain box for
// user-defined sections) with its X-X and Y-Y axes through the centroid.
class SectionPicture : public QWidget {
    Q_OBJECT

public:
    explicit SectionPicture(int kind, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int kind_;
};

}  // namespace spanrix
