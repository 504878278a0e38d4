#include "ui/files/file_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/app_context.h"
#include "ui/files/directory_browser.h"
#include "ui/work_area.h"
#include "ui/help/input_tips.h"

namespace spanrix {

FileWindow::FileWindow(AppContext& context, const char* objectName, const QString& caption,
                       QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new DirectoryBrowser(context_.state.currentDir, context_.prompts, this);
}

QPushButton* FileWindow::makeButton(const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    // Enter belongs to the text boxes; no button takes it as the default.
    b->setAutoDefault(false);
    return b;
}

void FileWindow::arrange(QWidget* left, QPushButton* action)
{
    QPushButton* cancel = makeButton("cancelbutton", "Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(action);
    buttons->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(left, 0, 0);
    layout->addWidget(browser_, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    explainInputs(*this);
}

void FileWindow::showWindow()
{
    browser_->showRemembered();
    resize(560, 360);
    move(workAreaPixels().center() - rect().center());
    show();
    raise();
    activateWindow();
}

}  // namespace spanrix
