#pragma once

#include <QDialog>

namespace spanrix {

class Prompts;
class Slideshow;

// The about box `About`: the program's icon, name and version, a request for feedback and
// the system-information button. A double click on the icon opens the slideshow; the OK
// button asks the owner to close the box.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(Prompts& prompts, QWidget* parent = nullptr);
    ~AboutBox() override;

    // Made on the first double click on the icon.
    Slideshow* slideshow() const { return slideshow_; }

signals:
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSlideshow();

    Prompts& prompts_;
    QWidget* icon_ = nullptr;
    Slideshow* slideshow_ = nullptr;  // a child of the box
};

}  // namespace spanrix
