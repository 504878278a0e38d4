#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "scripted_prompts.h"
#include "ui/app.h"
#include "ui/loading/loading_window.h"

namespace spanrix::testing {

// Drives the whole program through its real windows, as a user would, with scripted
// answers to every prompt.
class AppDriver : public ::testing::Test {
protected:
    ~AppDriver() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() != "beam") w->hide();
    }

    // Windows closed with deleteLater are gone, so find() cannot meet them.
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <typename T = QWidget>
    T* find(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() && top->objectName() != name) continue;
            if (top->objectName() == name && qobject_cast<T*>(top)) return qobject_cast<T*>(top);
            if (T* w = top->findChild<T*>(name)) return w;
        }
        return nullptr;
    }

    void type(QWidget* window, const char* box, const QString& text)
    {
        auto* edit = window->findChild<QLineEdit*>(box);
        ASSERT_NE(edit, nullptr) << box;
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void press(QWidget* window, const char* button)
    {
        auto* b = window->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void choose(QWidget* window, const char* option)
    {
        auto* o = window->findChild<QRadioButton*>(option);
        ASSERT_NE(o, nullptr) << option;
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(4, o->height() / 2));
    }

    // Starts the program and accepts a beam of `length` in the given system.
    void startBeam(bool metric, const QString& length, bool inches = false)
    {
        app.start();
        QWidget* properties = find("properties");
        ASSERT_NE(properties, nullptr);
        if (metric) choose(properties, "Met");
        if (!metric && inches) choose(properties, "inch");
        type(properties, "Length", length);
        press(properties, "Command1");
        ASSERT_TRUE(app.loadingWindow().isVisible()) << prompts.lastMessage();
    }

    // 20 ft on supports at both ends (features 1 and 2), 1000 lb at midspan (feature 3).
    void simpleBeam()
    {
        startBeam(false, "20");
        addSupport("0");
        addSupport("20");
        addPointLoad("1000", "10");
        setSection("100", "", "5");
    }

    LoadingWindow& loading() { return app.loadingWindow(); }
    BeamModel& model() { return app.context().state.model; }

    QWidget* openDialog(const char* command, const char* name)
    {
        loading().action(command)->trigger();
        return find(name);
    }

    void addSupport(const QString& at, bool cantilever = false)
    {
        QWidget* d = openDialog("addsupport", "support_info");
        ASSERT_NE(d, nullptr);
        choose(d, cantilever ? "cantilever" : "simple");
        if (!cantilever) type(d, "suploc", at);
        press(d, "Command1");
    }

    void addPointLoad(const QString& mag, const QString& at, const char* forceOption = nullptr,
                      const char* lengthOption = nullptr)
    {
        QWidget* d = openDialog("addpointload", "load_info");
        ASSERT_NE(d, nullptr);
        if (forceOption) choose(d, forceOption);
        if (lengthOption) choose(d, lengthOption);
        type(d, "loadmag", mag);
        type(d, "loadloc", at);
        press(d, "Command1");
    }

    void addDistLoad(const QString& w0, const QString& w1, const QString& s, const QString& e,
                     const char* forceOption = nullptr, const char* lengthOption = nullptr)
    {
        QWidget* d = openDialog("adddistload", "distload_info");
        ASSERT_NE(d, nullptr);
        if (forceOption) choose(d, forceOption);
        if (lengthOption) choose(d, lengthOption);
        type(d, "loadmag0", w0);
        type(d, "loadmag1", w1);
        type(d, "loadstart", s);
        type(d, "loadend", e);
        press(d, "Command1");
    }

    void addMoment(const QString& mag, const QString& at, const char* forceOption = nullptr)
    {
        QWidget* d = openDialog("addmoment", "moment_info");
        ASSERT_NE(d, nullptr);
        if (forceOption) choose(d, forceOption);
        type(d, "loadmag", mag);
        type(d, "loadloc", at);
        press(d, "Command1");
    }

    void setSection(const QString& inertia, const QString& modulus, const QString& fiber)
    {
        QWidget* d = openDialog("beamproperties", "BeamProp");
        ASSERT_NE(d, nullptr);
        type(d, "MomOfI", inertia);
        if (!modulus.isEmpty()) type(d, "ModE", modulus);
        type(d, "cdist", fiber);
        press(d, "Command1");
    }

    QWidget* screen() { return find("momdisplay"); }

    QAction* calcItem(const char* name)
    {
        QWidget* s = screen();
        if (!s) return nullptr;
        for (QAction* a : s->findChildren<QAction*>())
            if (a->objectName() == name) return a;
        return nullptr;
    }

    QString legendText(const char* name)
    {
        QLabel* l = loading().legendLabel(name);
        return l ? l->text() : QString("<none>");
    }

    QString boxText(QWidget* window, const char* name)
    {
        auto* box = window->findChild<QLineEdit*>(name);
        return box ? box->text() : QString("<none>");
    }

    // One box of the maximum-values window, opened and closed again.
    QString maxValue(const char* box)
    {
        QAction* item = calcItem("max");
        if (!item) return "<no screen>";
        item->trigger();
        QWidget* window = find("maxvalues");
        if (!window) return "<no window>";
        const QString text = boxText(window, box);
        press(window, "Command1");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return text;
    }

    ScriptedPrompts prompts;
    SpanrixApp app{prompts};
};

}  // namespace spanrix::testing
