#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace spanrix {

// The files last opened or saved, newest first, kept with QSettings so that they outlive
// the run. Every call reads the settings afresh: two programs (or two application objects)
// sharing the settings see each other's files.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxFiles = 8;

    // An empty settingsFile means the user's settings under the application id.
    explicit RecentFiles(QString settingsFile, QObject* parent = nullptr);

    QStringList paths() const;
    // The file goes first (moved there when listed already); the list keeps eight.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

signals:
    void changed();

private:
    std::unique_ptr<QSettings> settings() const;
    void store(const QStringList& paths);

    QString settingsFile_;
};

}  // namespace spanrix
