#include "ui/help/system_info.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "ui/prompts.h"

namespace spanrix {

QString findSystemInfoViewer()
{
    const QStringList dirs =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // An empty list would make the search fall back to a default path.
    if (dirs.isEmpty()) return {};
    for (const char* name : kSystemInfoViewers) {
        const QString path = QStandardPaths::findExecutable(name, dirs);
        if (!path.isEmpty()) return path;
    }
    return {};
}

void startSysInfo(Prompts& prompts)
{
    const QString viewer = findSystemInfoViewer();
    if (viewer.isEmpty() || !QProcess::startDetached(viewer, {}))
        prompts.message(std::string(kSystemInfoUnavailable));
}

}  // namespace spanrix
