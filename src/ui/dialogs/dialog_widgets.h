#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

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

// A frame holding one group of option buttons; the frame makes them exclusive.
inline QFrame* frame(QWidget* parent, const char* name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

}  // namespace spanrix::dialogs
