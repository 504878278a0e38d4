#include "ui/help/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/help/help_texts.h"

namespace spanrix {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QLabel* page(std::string_view text)
{
    auto* label = new QLabel(qs(text));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(12);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A tab per top-level menu, inside it a tab per command (submenus only group commands).
QTabWidget* menuTabs(const ScreenHelp& screen)
{
    auto* menus = new QTabWidget;
    QTabWidget* commands = nullptr;
    for (const MenuEntry& e : screen.menu) {
        if (e.depth == 0) {
            commands = new QTabWidget;
            commands->setUsesScrollButtons(true);
            menus->addTab(commands, qs(menuHelpText(screen, e.name)));
        } else if (!e.isMenu && commands) {
            commands->addTab(page(menuHelpText(screen, e.name)), QString(e.caption).remove('&'));
        }
    }
    return menus;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("Help");
    setWindowTitle("Spanrix Help");

    auto* tabs = new QTabWidget;
    auto* screens = new QTabWidget;
    for (const ScreenHelp& screen : screenHelp()) screens->addTab(menuTabs(screen), qs(screen.caption));
    tabs->addTab(screens, qs(kMenuItemsPageCaption));
    for (const HelpPage& p : helpPages()) tabs->addTab(page(p.text), qs(p.caption));

    auto* close = new QPushButton("Close");
    close->setObjectName("Command1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &HelpWindow::closeRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    resize(880, 440);
}

}  // namespace spanrix
