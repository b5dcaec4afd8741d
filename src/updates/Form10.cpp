#include "updates/Form10.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/messagebox.h"
#include "shared/module1.h"
#include "updates/logic/resultsinstall.h"
#include "updates/logic/resultsnames.h"

using platform::named;

namespace {

const QString kPattern = QStringLiteral("XWQ*.rtl");

// The roots a player may fetch files onto: the file system's root and mounted removable media.
QStringList driveRoots() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool media = root.startsWith(u"/media/") || root.startsWith(u"/mnt/") ||
                           root.startsWith(u"/run/media/");
        if (volume.isValid() && volume.isReady() && media && !roots.contains(root)) {
            roots << root;
        }
    }
    return roots;
}

QString startFolder() {
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

}  // namespace

Form10::Form10(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Load Downloaded Result Files"));

    Label1 = named(
        new QLabel(QStringLiteral("Just display the files in the bottom list and click OK"), this),
        "Label1");
    Drive1 = named(new QComboBox(this), "Drive1");
    Drive1->addItems(driveRoots());

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    Dir1 = named(new QTreeView(this), "Dir1");
    Dir1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->header()->hide();

    File1 = named(new QListWidget(this), "File1");
    File1->setSortingEnabled(true);

    Command1 = named(new QPushButton(QStringLiteral("OK"), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 3);
    layout->addWidget(File1, 2);
    layout->addLayout(buttons);
    resize(460, 520);

    // The folders load in the background: the folder shown is brought into view once its
    // parents are listed.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this] {
        QTimer::singleShot(0, this, [this] {
            Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
    });
    connect(Drive1, &QComboBox::activated, this, &Form10::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form10::Dir1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);

    setOpener(windownames::Form1);
    setDoneFlag(m1().windowdone);
    setEscapeCloses();
}

void Form10::Form_Load() {
    showFolder(startFolder());
    refreshFiles();
}

QString Form10::folder() const {
    return folders_->filePath(Dir1->currentIndex());
}

void Form10::showFolder(const QString& path) {
    const QModelIndex index = folders_->index(QDir::cleanPath(path));
    if (!index.isValid()) {
        return;
    }
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    Dir1->expand(index);
}

void Form10::Dir1_Change() {
    refreshFiles();
}

void Form10::Drive1_Change() {
    const QString root = Drive1->currentText();
    if (!QFileInfo(root).isReadable() || !QDir(root).exists()) {
        platform::msgBox(QStringLiteral("Cannot connect to that drive"));
        return;
    }
    showFolder(root);
    refreshFiles();
}

void Form10::refreshFiles() {
    File1->clear();
    const QString path = folder();
    if (path.isEmpty()) {
        return;
    }
    // Matched regardless of case, as the file list of the system this started on did.
    File1->addItems(QDir(path).entryList({kPattern}, QDir::Files, QDir::Name));
}

void Form10::Command1_Click() {
    if (File1->count() == 0) {
        platform::msgBox(QStringLiteral("You have not displayed the results files you downloaded"));
        return;
    }
    const QString from = folder();
    std::vector<LoadResult> results;
    for (const QString& game : {QStringLiteral("MegaMillions"), QStringLiteral("Powerball")}) {
        results.push_back(loadResultsFile(from, serverFileName(game), m1().datapath));
    }
    platform::msgBox(loadReport(results, m1().dateorder));
    handBackAndUnload();
}

void Form10::Command2_Click() {
    handBackAndUnload();
}

void Form10::closeBox() {
    Command2_Click();
}
