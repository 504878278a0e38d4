#include "ui/files/file_window.h"

#include <QGridLayout>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
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
    // Enter belongs to the text boxes; no button takes it as the default, but Enter on a
    // focused button presses it.
    return dialogs::button(this, objectName, caption);
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

    // Tab goes down the left column, then the folders, the drives and the buttons.
    QList<QWidget*> chain;
    for (QWidget* w : left->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus) chain << w;
    chain << static_cast<QWidget*>(browser_->directories()) << browser_->drives() << action << cancel;
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
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
