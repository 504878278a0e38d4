#pragma once

#include <QDialog>
#include <array>

namespace spanrix {

class QtSurface;

// The about box's hidden slideshow: four beam pictures in one place, shown one at a time.
class Slideshow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPictureCount = 4;

    explicit Slideshow(QWidget* parent = nullptr);

    // Opens on the first picture, with the next one to show being picture 1.
    void showFromStart();
    // Shows picture number `counter`, hides the others, and moves the counter on.
    void next();

private:
    void showPicture(int shown);

    std::array<QtSurface*, kPictureCount> pictures_{};
    int counter_ = 1;
};

}  // namespace spanrix
