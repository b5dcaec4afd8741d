#include "updates/Form10.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "platform/messagebox.h"
#include "shared/module1.h"
#include "updates/logic/resultsinstall.h"
#include "updates/logic/resultsnames.h"

using platform::named;

namespace {

// Where a browser puts what the player fetched, when there is such a folder.
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
    Drive1 = named(new platform::DriveListBox(this), "Drive1");
    Dir1 = named(new platform::DirListBox(this), "Dir1");
    File1 = named(new platform::FileListBox(this), "File1");
    File1->setPattern(QStringLiteral("XWQ*.rtl"));

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

    connect(Drive1, &platform::DriveListBox::Change, this, &Form10::Drive1_Change);
    connect(Dir1, &platform::DirListBox::Change, this, &Form10::Dir1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);

    setOpener(windownames::Form1);
    setDoneFlag(m1().windowdone);
}

void Form10::Form_Load() {
    showFolder(startFolder());
}

QString Form10::folder() const {
    return Dir1->path();
}

void Form10::showFolder(const QString& path) {
    Drive1->setDriveOf(path);
    Dir1->setPath(path);
    Dir1_Change();
}

void Form10::Dir1_Change() {
    File1->setPath(Dir1->path());
}

void Form10::Drive1_Change() {
    const QString root = Drive1->drive();
    if (root.isEmpty() || !QDir(root).isReadable()) {
        platform::msgBox(QStringLiteral("Cannot connect to that drive"));
        return;
    }
    Dir1->setPath(root);
    Dir1_Change();
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
