#include "ui/files/directory_browser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <utility>

#include "ui/prompts.h"

namespace spanrix {

namespace {

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 12;

// Draws each directory indented by its depth below the root, so the names themselves stay
// plain (typing a name's first letters finds it).
class IndentedDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.adjust(indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index) { return index.data(kDepthRole).toInt() * kIndentPixels; }
};

}  // namespace

DirectoryBrowser::DirectoryBrowser(std::string& currentDir, Prompts& prompts, QWidget* parent)
    : QWidget(parent), currentDir_(currentDir), prompts_(prompts)
{
    drivelist_ = new QComboBox(this);
    drivelist_->setObjectName("drivelist");
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    roots.sort();
    roots.removeDuplicates();
    for (const QString& root : roots) drivelist_->addItem(root, root);

    dirlist_ = new QListWidget(this);
    dirlist_->setObjectName("dirlist");
    dirlist_->setItemDelegate(new IndentedDelegate(dirlist_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dirlist_);
    layout->addWidget(drivelist_);

    connect(drivelist_, &QComboBox::activated, this, [this](int index) {
        if (!setDirectory(drivelist_->itemData(index).toString())) selectDriveOf(directory_);
    });
    connect(dirlist_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString chosen = item->data(Qt::UserRole).toString();
        if (chosen != directory_) setDirectory(chosen);
    });
}

void DirectoryBrowser::showRemembered()
{
    QStringList candidates;
    for (QString dir = fromStd(currentDir_); !dir.isEmpty();) {
        candidates << dir;
        const QString parent = QFileInfo(dir).absolutePath();
        if (parent == dir) break;
        dir = parent;
    }
    candidates << QDir::homePath() << QDir::rootPath();
    for (const QString& dir : candidates)
        if (show(dir, false)) return;
}

bool DirectoryBrowser::setDirectory(const QString& directory) { return show(directory, true); }

bool DirectoryBrowser::show(const QString& directory, bool reportFailure)
{
    const QString clean = QDir::cleanPath(QDir(directory).absolutePath());
    auto listing = listDirectory(clean.toStdString());
    if (!listing) {
        if (reportFailure) prompts_.message(unreadableDirectoryMessage(clean.toStdString()));
        return false;
    }
    directory_ = clean;
    listing_ = std::move(*listing);
    currentDir_ = clean.toStdString();
    fillDirectoryList();
    selectDriveOf(clean);
    emit directoryChanged();
    return true;
}

void DirectoryBrowser::fillDirectoryList()
{
    dirlist_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QIcon& icon, const QString& path, int depth) {
        const QString name = path == "/" ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(icon, name, dirlist_);
        item->setData(Qt::UserRole, path);
        item->setData(kDepthRole, depth);
    };
    const std::vector<std::string> chain = directoryChain(directory_.toStdString());
    for (size_t i = 0; i < chain.size(); ++i) add(open, fromStd(chain[i]), static_cast<int>(i));
    dirlist_->setCurrentRow(static_cast<int>(chain.size()) - 1);
    for (const std::string& sub : listing_.subdirectories)
        add(closed, fromStd(sub), static_cast<int>(chain.size()));
}

void DirectoryBrowser::selectDriveOf(const QString& directory)
{
    const QString root = QStorageInfo(directory).rootPath();
    int index = drivelist_->findData(root);
    if (index < 0 && !root.isEmpty()) {
        drivelist_->addItem(root, root);
        index = drivelist_->count() - 1;
    }
    drivelist_->setCurrentIndex(index);
}

}  // namespace spanrix
