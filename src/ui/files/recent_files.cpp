#include "ui/files/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace spanrix {

namespace {
constexpr const char* kKey = "recentFiles";
QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}  // namespace

RecentFiles::RecentFiles(QString settingsFile, QObject* parent)
    : QObject(parent), settingsFile_(std::move(settingsFile))
{
}

std::unique_ptr<QSettings> RecentFiles::settings() const
{
    if (!settingsFile_.isEmpty())
        return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       SPANRIX_APP_ID, "spanrix");
}

QStringList RecentFiles::paths() const
{
    QStringList list = settings()->value(kKey).toStringList();
    list.removeAll(QString());
    return list.mid(0, kMaxFiles);
}

void RecentFiles::store(const QStringList& paths)
{
    auto s = settings();
    s->setValue(kKey, paths);
    s->sync();
    emit changed();
}

void RecentFiles::add(const QString& path)
{
    QStringList list = paths();
    const QString file = absolute(path);
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = paths();
    list.removeAll(absolute(path));
    store(list);
}

void RecentFiles::clear() { store({}); }

}  // namespace spanrix
