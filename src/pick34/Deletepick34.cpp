#include "pick34/Deletepick34.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "pick34/logic/pickfilelist.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;
using platform::named;
using platform::twipsToPixels;

Deletepick34::Deletepick34(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("File Deletion"));
    Label1 = named(new QLabel(QStringLiteral("Click on the file to view it.     Use the Delete "
                                             "button if you want to delete the displayed file."),
                              this),
                   "Label1");
    // The two sentences stand on one line: the window is made as wide as they need.
    Label1->setWordWrap(false);
    File1 = named(new platform::FileListBox(this), "File1");
    File1->setPattern(QStringLiteral("Pick3*.lot;Pick4*.lot"));
    auto* filesLabel = new QLabel(QStringLiteral("Files"), this);
    Label2 = named(new QLabel(QStringLiteral("Contents/Entries"), this), "Label2");
    List2 = named(new QListWidget(this), "List2");
    List2->setFont(QFont(QStringLiteral("Courier New"), 10));
    List2->setToolTip(QStringLiteral("List of your selections for the draw."));
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    List2->setUniformItemSizes(true);
    Command3 = named(new QPushButton(QStringLiteral("Delete"), this), "Command3");
    Command3->setToolTip(QStringLiteral("Use this to delete the selected file."));
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    Command1->setToolTip(QStringLiteral("Closes the file deletion form."));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(filesLabel, 1, 0);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(File1, 2, 0);
    layout->addWidget(List2, 2, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command1);
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(twipsToPixels(7200), twipsToPixels(5400));

    connect(File1, &platform::FileListBox::Click, this, &Deletepick34::File1_Click);
    connect(Command3, &QPushButton::clicked, this, &Deletepick34::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Deletepick34::Command1_Click);
    setOpener(windownames::Pick3, platform::HandBack::EnableAndRaise);
}

void Deletepick34::Form_Load() {
    refreshFiles();
}

void Deletepick34::refreshFiles() {
    File1->setPath(m1().datapath);
    keptpath_.clear();
}

void Deletepick34::File1_Click() {
    List2->clear();
    viewandcreate();
}

void Deletepick34::viewandcreate() {
    const QString name = File1->fileName();
    keptpath_.clear();
    // Only a plain file the folder listed: a link would lead outside the data folder.
    if (name.isEmpty() || !isPlainFileIn(m1().datapath, name)) {
        return;
    }
    keptpath_ = dataFile(m1().datapath, name);
    QString error;
    const std::optional<PickImage> entries = PickImage::read(keptpath_, &error);
    List2->clear();
    if (!entries) {
        msgBox(QStringLiteral("The file could not be read. %1").arg(error).trimmed());
        return;
    }
    List2->addItems(deletionlines(*entries, name));
}

void Deletepick34::Command3_Click() {
    if (File1->fileName().isEmpty() || keptpath_.isEmpty()) {
        msgBox(QStringLiteral("You have not selected a file for deletion"));
        return;
    }
    if (sameFile(keptpath_, m1().pickentryfile)) {
        msgBox(QStringLiteral(
            "You cannot delete this file, you currently have it opened in the main program"));
        return;
    }
    if (msgBox(QStringLiteral("Are you sure you want to delete this lottery selection file?"),
               MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    if (const QString failed = deleteEntryFile(keptpath_); !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    refreshFiles();
    List2->clear();
}

void Deletepick34::Command1_Click() {
    handBackAndUnload();
}

void Deletepick34::closeBox() {
    Command1_Click();
}
