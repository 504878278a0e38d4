#pragma once

#include <functional>
#include <string>

#include "ui/files/file_window.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace spanrix {

// "Retrieve Load Configuration" (`getload`) and "Import Version 1 File" (`importload`):
// alike but for the caption and what Load does with the chosen path.
class LoadWindow : public FileWindow {
    Q_OBJECT

public:
    // `load` reads the file at a path into the program and says whether it succeeded (it
    // reports a failure itself).
    using Loader = std::function<bool(const std::string& path)>;

    static LoadWindow* retrieveWindow(AppContext& context, Loader load, QWidget* parent);
    static LoadWindow* importWindow(AppContext& context, Loader load, QWidget* parent);

    // `loadbutton` (and a double click in `flist`): the entry selected in `flist`, in the
    // shown directory; the window closes once it was read.
    void load();
    // Lists the directory's files that match the filter, sorted.
    void refreshFileList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LoadWindow(AppContext& context, const char* objectName, const QString& caption,
               Loader loader, QWidget* parent);

    QString filterText() const;

    Loader load_;
    QComboBox* filetype_;
    QListWidget* flist_;
    QLineEdit* loadfile_;
};

}  // namespace spanrix
