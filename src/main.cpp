#include <QApplication>

#include "ui/app.h"
#include "ui/help/program_icon.h"
#include "ui/qt_prompts.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Spanrix");
    QApplication::setWindowIcon(spanrix::programIcon());
    spanrix::QtPrompts prompts;
    spanrix::SpanrixApp app(prompts);
    app.start();
    return QApplication::exec();
}
