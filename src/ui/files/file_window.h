#pragma once

#include <QDialog>

class QPushButton;

namespace spanrix {

struct AppContext;
class DirectoryBrowser;

// What the Save, Retrieve and Import windows share: the drive and directory lists on the
// remembered directory, the Cancel button, modeless showing, deletion on close.
class FileWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the remembered directory and the window.
    void showWindow();

    DirectoryBrowser& browser() { return *browser_; }

protected:
    FileWindow(AppContext& context, const char* objectName, const QString& caption,
               QWidget* parent);

    // Lays out the window: `left` beside the directory lists, then the action button and
    // Cancel under them.
    void arrange(QWidget* left, QPushButton* action);
    QPushButton* makeButton(const char* objectName, const QString& caption);

    AppContext& context_;
    DirectoryBrowser* browser_;
};

}  // namespace spanrix
