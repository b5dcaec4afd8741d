#include "platform/filelists.h"

#include <algorithm>

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "platform/folderlock.h"

namespace platform {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &FileListBox::Click);
    connect(this, &QListWidget::itemActivated, this, &FileListBox::Click);
}

void FileListBox::setPattern(const QString& pattern) {
    patterns_ = pattern.split(u';', Qt::SkipEmptyParts);
    refresh();
}

void FileListBox::setPath(const QString& folder) {
    // A new listing: no file is chosen in it yet.
    path_ = QDir::cleanPath(folder);
    setCurrentItem(nullptr);
    clearSelection();
    refresh();
}

void FileListBox::refresh() {
    const QString chosen = fileName();
    QStringList names;
    if (!path_.isEmpty()) {
        QDir dir(path_);
        names = dir.entryList(patterns_, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        names.removeIf(isFolderLockFile);
    }
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    setFileName(chosen);
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

void FileListBox::setFileName(const QString& name) {
    const QList<QListWidgetItem*> found =
        name.isEmpty() ? QList<QListWidgetItem*>() : findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        setCurrentItem(nullptr);
        clearSelection();
        return;
    }
    setCurrentItem(found.front());
    found.front()->setSelected(true);
}

DirListBox::DirListBox(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this)) {
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) {
        hideColumn(column);
    }
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (settingPath_ || !current.isValid()) {
                    return;
                }
                revealing_ = false;
                path_ = model_->filePath(current);
                emit Change();
            });
    // The model reads folders in the background: the chosen folder can be shown only once the
    // folders above it are read.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (revealing_) {
            reveal();
            revealing_ = loaded != path_;
        }
    });
    // Each read sorts the folder's entries afterwards, which loses the scroll position.
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!path_.isEmpty() && currentIndex().isValid() &&
            model_->filePath(currentIndex()) == path_) {
            scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
        }
    });
}

void DirListBox::reveal() {
    settingPath_ = true;
    const QModelIndex index = model_->index(path_);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) {
        expand(above);
    }
    setCurrentIndex(index);
    expand(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    settingPath_ = false;
}

void DirListBox::setPath(const QString& folder) {
    path_ = QDir::cleanPath(folder);
    revealing_ = true;
    reveal();
}

QStringList driveRoots() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(root) &&
            QDir(root).isReadable()) {
            roots << root;
        }
    }
    return roots;
}

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    setRoots(driveRoots());
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!settingDrive_) {
            emit Change();
        }
    });
}

void DriveListBox::setRoots(const QStringList& roots) {
    settingDrive_ = true;
    clear();
    addItems(roots);
    settingDrive_ = false;
}

void DriveListBox::setDriveOf(const QString& folder) {
    // The longest root the folder lies under.
    const QString clean = QDir::cleanPath(folder);
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool under =
            clean == root || clean.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (under && (best < 0 || root.size() > itemText(best).size())) {
            best = i;
        }
    }
    settingDrive_ = true;
    setCurrentIndex(std::max(best, 0));
    settingDrive_ = false;
}

}  // namespace platform
