#include "ui/files/save_window.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/file_picking.h"
#include "files/load_file.h"
#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/files/directory_browser.h"

namespace spanrix {

SaveWindow::SaveWindow(AppContext& context, QWidget* parent)
    : FileWindow(context, "Saveload", "Save Load Configuration", parent)
{
    auto* left = new QWidget(this);
    QLabel* label1 = dialogs::label(left, "Label1", "Save As: (*.lod)");
    savename_ = dialogs::textBox(left, "Savename", QString::fromUtf8(kDefaultSaveName));
    filelist_ = new QListWidget(left);
    filelist_->setObjectName("filelist");
    // Shows what the directory holds; choosing from it is not part of saving.
    filelist_->setSelectionMode(QAbstractItemView::NoSelection);
    filelist_->setFocusPolicy(Qt::NoFocus);
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(label1);
    column->addWidget(savename_);
    column->addWidget(filelist_);

    // Typing at once replaces the proposed name.
    savename_->selectAll();
    savename_->setFocus();

    QPushButton* savebutton = makeButton("savebutton", "Save");
    arrange(left, savebutton);

    connect(savebutton, &QPushButton::clicked, this, &SaveWindow::save);
    connect(savename_, &QLineEdit::returnPressed, this, &SaveWindow::save);
    connect(browser_, &DirectoryBrowser::directoryChanged, this, &SaveWindow::showFiles);
}

void SaveWindow::showFiles()
{
    filelist_->clear();
    for (const std::string& name : browser_->listing().files)
        filelist_->addItem(QString::fromStdString(name));
}

void SaveWindow::save()
{
    // A typed path ("../beams/b") is fine; the name at its end follows the rules of names.
    const SaveTarget target = saveTarget(browser_->directory().toStdString(),
                                         savename_->text().toStdString(), QDir::homePath().toStdString());
    if (const auto refusal = saveNameRefusal(target.name)) {
        context_.prompts.message(*refusal);
        return;
    }
    if (target.directory != browser_->directory().toStdString()) {
        // A typed path: its folder must be there; the lists move to it.
        if (!directoryExists(target.directory)) {
            context_.prompts.message(missingFolderMessage(target.directory));
            return;
        }
        if (!browser_->setDirectory(QString::fromStdString(target.directory))) return;
        savename_->setText(QString::fromStdString(target.name));
    }
    const std::string path = composePath(target.directory, completeSaveName(target.name));
    if (ordinaryFileExists(path) && !context_.prompts.askYesNo(std::string(kOverwriteQuestion)))
        return;
    if (const auto failure = writeLoadFile(path, context_.state.model)) {
        context_.prompts.message(*failure);
        return;
    }
    emit saved(QString::fromStdString(path));
    close();
}

}  // namespace spanrix
