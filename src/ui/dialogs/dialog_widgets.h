#pragma once

#include <QEvent>
#include <algorithm>
#include <QFrame>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace spanrix::dialogs {

// Small builders for the named controls of the dialogs.
inline QLabel* label(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

inline QLineEdit* textBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

inline QRadioButton* option(QWidget* parent, const char* name, const QString& caption)
{
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

// Where a dialog opens: in its first entry field, the text selected so typing replaces it,
// and Enter meaning `submit` there and wherever no other button has the focus (a button
// focused when the dialog last closed would otherwise keep that role).
inline void openAtFirstField(QLineEdit* first, QPushButton* submit)
{
    submit->setDefault(true);
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

// Wide enough for the longest of `texts`, so that a result never loses its sign or digits
// to a narrow box, at any number of significant figures.
inline void fitLongest(QLineEdit* box, const std::vector<std::string>& texts)
{
    constexpr int kFrameAndMargins = 16;
    int widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(QString::fromStdString(text)));
    box->setMinimumWidth(widest + kFrameAndMargins);
}

// A frame holding one group of option buttons; the frame makes them exclusive.
inline QFrame* frame(QWidget* parent, const char* name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

// A frame that only groups controls, such as unit labels shown by unit system.
inline QFrame* plainFrame(QWidget* parent, const char* name)
{
    QFrame* f = frame(parent, name);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

// Presses its button on Enter while the button has the focus. A button that is no
// dialog's default ignores Enter otherwise, and the dialog would then press its default
// button instead of the one the user is on.
class EnterPressesButton : public QObject {
public:
    explicit EnterPressesButton(QPushButton* b) : QObject(b), button_(b) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == button_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                button_->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button_;
};

// A button that Enter in a text box does not press; Enter on the button itself does.
inline QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->installEventFilter(new EnterPressesButton(b));
    return b;
}

// A button of a dialog that Enter submits (openAtFirstField): Enter presses the button
// while it has the focus.
inline QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

struct OptionButton {
    QRadioButton** slot;
    const char* name;
    const char* caption;
};

// Two option buttons stacked in their frame (which makes them exclusive), with an
// optional widget, such as a unit label, under them.
inline void stackOptions(QWidget* frame, OptionButton first, OptionButton second,
                         QWidget* below = nullptr)
{
    auto* layout = new QVBoxLayout(frame);
    for (const OptionButton& o : {first, second}) {
        *o.slot = option(frame, o.name, o.caption);
        layout->addWidget(*o.slot);
    }
    if (below) layout->addWidget(below);
}

}  // namespace spanrix::dialogs
