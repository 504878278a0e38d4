#include "ui/files/load_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "files/file_picking.h"
#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/files/directory_browser.h"

namespace spanrix {

LoadWindow* LoadWindow::retrieveWindow(AppContext& context, Loader load, QWidget* parent)
{
    return new LoadWindow(context, "getload", "Retrieve Load Configuration", std::move(load),
                          parent);
}

LoadWindow* LoadWindow::importWindow(AppContext& context, Loader load, QWidget* parent)
{
    return new LoadWindow(context, "importload", "Import Version 1 File", std::move(load), parent);
}

LoadWindow::LoadWindow(AppContext& context, const char* objectName, const QString& caption,
                       Loader loader, QWidget* parent)
    : FileWindow(context, objectName, caption, parent), load_(std::move(loader))
{
    auto* left = new QWidget(this);
    QLabel* label2 = dialogs::label(left, "Label2", "Filter:");
    filetype_ = new QComboBox(left);
    filetype_->setObjectName("filetype");
    filetype_->setEditable(true);
    filetype_->setInsertPolicy(QComboBox::NoInsert);
    filetype_->addItem(QString::fromUtf8(kLoadFileFilter));
    filetype_->addItem(QString::fromUtf8(kAllFilesFilter));
    filetype_->setCurrentIndex(0);
    flist_ = new QListWidget(left);
    flist_->setObjectName("flist");
    QLabel* label1 = dialogs::label(left, "Label1", "Load:");
    // Shows the chosen name; Load reads the list's selection, not this box.
    loadfile_ = dialogs::textBox(left, "loadfile", "");
    loadfile_->setReadOnly(true);
    auto* grid = new QGridLayout(left);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label2, 0, 0);
    grid->addWidget(filetype_, 0, 1);
    grid->addWidget(flist_, 1, 0, 1, 2);
    grid->addWidget(label1, 2, 0);
    grid->addWidget(loadfile_, 2, 1);

    flist_->setFocus();

    QPushButton* loadbutton = makeButton("loadbutton", "Load");
    arrange(left, loadbutton);

    connect(loadbutton, &QPushButton::clicked, this, &LoadWindow::load);
    connect(browser_, &DirectoryBrowser::directoryChanged, this, &LoadWindow::refreshFileList);
    connect(filetype_, &QComboBox::activated, this, &LoadWindow::refreshFileList);
    connect(filetype_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (refreshWhileTyping(text.toStdString())) refreshFileList();
    });
    connect(filetype_->lineEdit(), &QLineEdit::returnPressed, this, &LoadWindow::refreshFileList);
    filetype_->installEventFilter(this);
    connect(flist_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = flist_->selectedItems();
        if (!chosen.isEmpty()) loadfile_->setText(chosen.constFirst()->text());
    });
    connect(flist_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        loadfile_->setText(item->text());
        load();
    });
}

QString LoadWindow::filterText() const { return filetype_->currentText(); }

bool LoadWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the filter box applies a typed pattern the typing itself did not; opening
    // its own list is not leaving it.
    if (watched == filetype_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        refreshOnFocusLoss(filterText().toStdString()))
        refreshFileList();
    return FileWindow::eventFilter(watched, event);
}

void LoadWindow::refreshFileList()
{
    flist_->clear();
    // Read again: the directory may have changed since it was chosen.
    const auto listing = listDirectory(browser_->directory().toStdString());
    if (listing) {
        for (const std::string& name :
             matchingFiles(*listing, filterPattern(filterText().toStdString())))
            flist_->addItem(QString::fromStdString(name));
    }
    // The box never names a file the list no longer offers.
    if (flist_->findItems(loadfile_->text(), Qt::MatchExactly).isEmpty()) loadfile_->clear();
}

void LoadWindow::load()
{
    const QList<QListWidgetItem*> chosen = flist_->selectedItems();
    const std::string name = chosen.isEmpty() ? std::string() : chosen.constFirst()->text().toStdString();
    // With nothing chosen the path names the directory itself, which no read accepts.
    if (load_(composePath(browser_->directory().toStdString(), name))) close();
}

}  // namespace spanrix
