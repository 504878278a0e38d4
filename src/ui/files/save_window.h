#pragma once

#include "ui/files/file_window.h"

class QLineEdit;
class QListWidget;

namespace spanrix {

// "Save Load Configuration" (`Saveload`): the name to save as, the files already in the
// directory, and the save itself through the load-file writer.
class SaveWindow : public FileWindow {
    Q_OBJECT

public:
    SaveWindow(AppContext& context, QWidget* parent);

    // `savebutton` (and Enter in `Savename`): completes the name, asks before replacing a
    // file, writes, and closes; a refusal or a failed write keeps the window open.
    void save();

signals:
    // The model was written to that path.
    void saved(const QString& path);

private:
    void showFiles();

    QLineEdit* savename_;
    QListWidget* filelist_;
};

}  // namespace spanrix
