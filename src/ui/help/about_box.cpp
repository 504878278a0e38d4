#include "ui/help/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help/program_icon.h"
#include "ui/help/slideshow.h"
#include "ui/help/system_info.h"

namespace spanrix {

namespace {

QLabel* label(const char* name, const QString& caption)
{
    auto* l = new QLabel(caption);
    l->setObjectName(name);
    return l;
}

// One pixel of an etched separator.
QFrame* separatorLine(const char* name, const QColor& colour)
{
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

}  // namespace

AboutBox::AboutBox(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName("About");
    setWindowTitle("Spanrix v1.1");

    QLabel* icon = label("picIcon", QString());
    icon->setPixmap(programIconPixmap(64));
    icon->installEventFilter(this);
    icon_ = icon;

    QLabel* title = label("lblTitle2", "Spanrix Beam Analysis Tool");
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* disclaimer = label(
        "lblDisclaimer",
        "If Spanrix gives you a problem, please send in the load configuration file that shows "
        "it, so that it can be put right. Constructive criticism and suggestions are welcome "
        "too. Both are best raised on the project's issue tracker.");
    disclaimer->setWordWrap(true);

    QPushButton* ok = button("cmdOK", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::closeRequested);
    QPushButton* sysInfo = button("cmdSysInfo", "&System Info...");
    connect(sysInfo, &QPushButton::clicked, this, [this] { startSysInfo(prompts_); });

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(label("lblVersion2", "Version 2.0"));
    heading->addWidget(label("Label1", "Released 12/15/00"));
    heading->addStretch();

    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(separatorLine("Line1(0)", QColor(128, 128, 128)));
    lines->addWidget(separatorLine("Line1(1)", Qt::white));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(12);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addLayout(heading, 0, 1);
    layout->addLayout(lines, 1, 0, 1, 3);
    layout->addWidget(disclaimer, 2, 0, 1, 2);
    layout->addLayout(buttons, 2, 2);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(1, 320);
    adjustSize();
}

AboutBox::~AboutBox() = default;

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == icon_ && event->type() == QEvent::MouseButtonDblClick) {
        openSlideshow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::openSlideshow()
{
    if (!slideshow_) slideshow_ = new Slideshow(this);
    slideshow_->showFromStart();
}

}  // namespace spanrix
