#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

#include "geometry/geometry.h"
#include "scripted_prompts.h"
#include "ui/app_context.h"
#include "ui/dialogs/dialog_commands.h"
#include "ui/loading/loading_window.h"

namespace spanrix::testing {

// A loading screen with the dialog commands installed, on a 100 ft English beam.
class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() : context(prompts)
    {
        context.state.model.beamLength = 1200.0;
        context.state.sigFigs = 3;
        context.state.geometry.workAreaWidth = 15360;
        context.state.geometry.workAreaHeight = 10800;
        loading = std::make_unique<LoadingWindow>(context);
        installDialogCommands(*loading, context);
    }

    BeamModel& model() { return context.state.model; }

    void command(const char* name) { loading->action(name)->trigger(); }

    QDialog* dialog(const char* name) { return loading->findChild<QDialog*>(name); }

    // Opens a feature dialog by its Add command.
    QDialog* openAdd(const char* commandName, const char* dialogName)
    {
        command(commandName);
        QDialog* d = dialog(dialogName);
        EXPECT_NE(d, nullptr);
        return d;
    }

    // Opens the beam properties dialog from its menu command.
    QDialog* openBeamProperties()
    {
        // Discarded dialogs of earlier openings go first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        command("beamproperties");
        QDialog* d = dialog("BeamProp");
        EXPECT_NE(d, nullptr);
        return d;
    }

    // Edit Feature with the number typed into its prompt.
    void editFeature(int row)
    {
        prompts.replies.push_back(std::to_string(row));
        command("editfeature");
    }

    template <typename T = QWidget>
    static T* control(QWidget* parent, const char* name)
    {
        T* w = parent->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Replaces a box's text by typing, as a user would.
    static void type(QWidget* parent, const char* box, const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>(parent, box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static void click(QWidget* parent, const char* name)
    {
        QAbstractButton* b = control<QAbstractButton>(parent, name);
        // Option buttons react on their indicator and caption, at the left.
        const QPoint at = qobject_cast<QRadioButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
    }

    static void pressEnter(QWidget* parent, const char* box)
    {
        QTest::keyClick(control<QLineEdit>(parent, box), Qt::Key_Return);
    }

    static QString text(QWidget* parent, const char* name)
    {
        if (auto* edit = parent->findChild<QLineEdit*>(name)) return edit->text();
        if (auto* b = parent->findChild<QAbstractButton*>(name)) return b->text();
        if (auto* l = parent->findChild<QLabel*>(name)) return l->text();
        ADD_FAILURE() << "no control " << name;
        return {};
    }

    static bool checked(QWidget* parent, const char* name)
    {
        return control<QAbstractButton>(parent, name)->isChecked();
    }

    ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<LoadingWindow> loading;
};

}  // namespace spanrix::testing
