#include "entries/Form8.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>

#include "entries/logic/entrylisting.h"
#include "platform/messagebox.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/safefile.h"

using platform::msgBox;
using platform::named;

namespace {

// The same file, however its path is written: both exist and resolve to one file, or neither
// resolves and the cleaned absolute paths agree.
bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const QString ca = fa.canonicalFilePath();
    const QString cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty()) {
        return ca == cb;
    }
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

// More than any listing shows: the records a count can reach.
constexpr qint64 kMostBytes = qint64{kMaxRecordCount} * DrawRecord::kSize;

}  // namespace

Form8::Form8(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("File Deletion"));
    File1 = named(new platform::FileListBox(this), "File1");
    File1->setPattern(QStringLiteral("*.lot"));
    List2 = named(new QListWidget(this), "List2");
    List2->setFont(QFont(QStringLiteral("Courier New"), 10));
    List2->setUniformItemSizes(true);
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    Label1 = named(new QLabel(QStringLiteral("Click on the file to view it.     Use the Delete "
                                             "button if you want to delete the displayed file."),
                              this),
                   "Label1");
    Label1->setWordWrap(true);
    Label2 = named(new QLabel(QStringLiteral("Contents/Entries"), this), "Label2");
    Command3 = named(new QPushButton(QStringLiteral("Delete"), this), "Command3");
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Entry Files"), this), 1, 0);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(File1, 2, 0);
    layout->addWidget(List2, 2, 1);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(620, 420);

    connect(File1, &platform::FileListBox::Click, this, &Form8::File1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    setOpener(windownames::Form1);
}

void Form8::Form_Load() {
    File1->setPath(m1().datapath);
}

void Form8::File1_Click() {
    List2->clear();
    viewandcreate();
}

void Form8::viewandcreate() {
    const QString name = File1->fileName();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("You have not selected a file"));
        return;
    }
    QFile file(dataFile(m1().datapath, name));
    if (!file.open(QIODevice::ReadOnly)) {
        msgBox(QStringLiteral("The file %1 cannot be read.").arg(name));
        return;
    }
    const QByteArray bytes = file.read(kMostBytes);
    List2->clear();
    List2->addItems(entryFileLines(name, bytes));
}

void Form8::Command3_Click() {
    const QString name = File1->fileName();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("You have not selected a file for deletion"));
        return;
    }
    const QString path = dataFile(m1().datapath, name);
    if (sameFile(path, m1().selectionfile)) {
        msgBox(QStringLiteral(
            "You cannot delete this file, you currently have it opened in the main program"));
        return;
    }
    if (mayOnlyRead(path)) {
        msgBox(QStringLiteral("%1 is read-only and was not deleted.").arg(name));
        return;
    }
    if (msgBox(QStringLiteral("Are you sure you want to delete this lottery selection file?"),
               platform::MsgButtons::YesNo, platform::MsgDefault::No) != platform::MsgAnswer::Yes) {
        return;
    }
    QString error;
    if (!removeFile(path, &error)) {
        msgBox(QStringLiteral("%1 could not be deleted (%2).").arg(name, error));
        File1->refresh();
        return;
    }
    File1->refresh();
    List2->clear();
}

void Form8::Command1_Click() {
    handBackAndUnload();
}

void Form8::closeBox() {
    Command1_Click();
}
