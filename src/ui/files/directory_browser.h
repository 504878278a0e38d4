#pragma once

#include <QWidget>
#include <string>

#include "files/file_picking.h"

class QComboBox;
class QListWidget;

namespace spanrix {

class Prompts;

// The drive and directory lists the three file windows share: `drivelist` holds the
// mounted file systems, `dirlist` the directory's ancestors and its subdirectories.
// Every directory it shows is written back into the remembered directory.
class DirectoryBrowser : public QWidget {
    Q_OBJECT

public:
    DirectoryBrowser(std::string& currentDir, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the remembered directory, or its nearest readable ancestor (or home) when it
    // has gone since.
    void showRemembered();
    // Shows a directory. One that cannot be read is reported and the previous one stays.
    bool setDirectory(const QString& directory);

    QString directory() const { return directory_; }
    const DirectoryListing& listing() const { return listing_; }

    QComboBox* drives() const { return drivelist_; }
    QListWidget* directories() const { return dirlist_; }

signals:
    void directoryChanged();

private:
    bool show(const QString& directory, bool reportFailure);
    void fillDirectoryList();
    void selectDriveOf(const QString& directory);

    std::string& currentDir_;
    Prompts& prompts_;
    QString directory_;
    DirectoryListing listing_;
    QComboBox* drivelist_;
    QListWidget* dirlist_;
};

}  // namespace spanrix
