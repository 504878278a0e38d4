#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "ui/app.h"
#include "ui/help/program_icon.h"
#include "ui/qt_prompts.h"

namespace {

constexpr const char* kUsage = "Usage: spanrix [FILE.lod]\n       spanrix --help\n";
constexpr const char* kHelp =
    "\n"
    "Spanrix analyses one straight beam: loads, supports, reactions, moment, stress,\n"
    "slope and deflection.\n"
    "\n"
    "Without FILE it starts in the \"Initialize Beam\" dialog. With FILE it starts as\n"
    "\"Retrieve Load File\" followed by Load would: the dialog is accepted with its\n"
    "defaults and the load configuration FILE is opened on the loading screen. A file\n"
    "that cannot be read says \"File access error\" and leaves the default beam.\n"
    "\n"
    "  --help  show this text\n"
    "\n"
    "Exit status: 0, or 2 for a usage error.\n";

constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Spanrix");
    // Names the installed desktop entry, so that shells give our windows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SPANRIX_APP_ID));
    QApplication::setWindowIcon(spanrix::programIcon());
    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0].startsWith('-'))) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    spanrix::QtPrompts prompts;
    spanrix::SpanrixApp app(prompts);
    if (arguments.isEmpty())
        app.start();
    else
        app.startWithFile(arguments[0].toStdString());
    return QApplication::exec();
}
