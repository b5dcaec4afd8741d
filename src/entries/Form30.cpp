#include "entries/Form30.h"

#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QtEndian>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/limitedread.h"
#include "shared/module1.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

using platform::msgBox;
using platform::named;

namespace {

// Far more than 32767 entry lines: a file that has not decided by then is not an entry file.
constexpr qint64 kMostTextBytes = 16 * 1024 * 1024;

// A picked file is read only when it is a regular file no larger than a text to import can be:
// a pipe would block the window, a device never end.
bool openText(const QString& path, QFile& file) {
    return openAtMost(path, kMostTextBytes, file).outcome == LimitedRead::Outcome::Read;
}

bool cardgame() {
    return m1().gamename == kWildCardGame;
}

// The lines as the player sees them: UTF-8 when they are, else single-byte text.
QStringList shownLines(const QList<QByteArray>& raw) {
    QStringList lines;
    lines.reserve(raw.size());
    for (const QByteArray& line : raw) {
        QString text = QString::fromUtf8(line);
        if (text.contains(QChar::ReplacementCharacter)) {
            lines.clear();
            for (const QByteArray& each : raw) {
                lines << QString::fromLatin1(each);
            }
            return lines;
        }
        lines << std::move(text);
    }
    return lines;
}

}  // namespace

Form30::Form30(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Import TXT Entry"));
    Drive1 = named(new platform::DriveListBox(this), "Drive1");
    Dir1 = named(new platform::DirListBox(this), "Dir1");
    File1 = named(new platform::FileListBox(this), "File1");
    File1->setPattern(QStringLiteral("*.txt;*.csv"));
    Label2 = named(new QLabel(QStringLiteral("Select File"), this), "Label2");
    List2 = named(new QListWidget(this), "List2");
    List2->setFont(QFont(QStringLiteral("Courier New"), 10));
    List2->setUniformItemSizes(true);
    List2->setToolTip(QStringLiteral("List of your selections for the draw."));
    Label1 = named(new QLabel(QStringLiteral("File Contents"), this), "Label1");
    DTPicker1 = named(new platform::DTPicker(this), "DTPicker1");
    Label3 = named(new QLabel(QStringLiteral("Select Entry Date"), this), "Label3");
    Command3 = named(new QPushButton(QStringLiteral("Import"), this), "Command3");
    Command3->setToolTip(
        QStringLiteral("Use this to create the selections file for the given date and game."));
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    Command1->setToolTip(QStringLiteral("Closes the import form."));

    auto* chooser = new QVBoxLayout;
    chooser->addWidget(Label2);
    chooser->addWidget(Drive1);
    chooser->addWidget(Dir1, 3);
    chooser->addWidget(File1, 2);
    auto* contents = new QVBoxLayout;
    contents->addWidget(Label1);
    contents->addWidget(List2, 1);
    contents->addWidget(Label3);
    contents->addWidget(DTPicker1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command1);
    contents->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(chooser, 1);
    layout->addLayout(contents, 1);
    resize(700, 480);

    connect(Drive1, &platform::DriveListBox::Change, this, &Form30::Drive1_Change);
    connect(Dir1, &platform::DirListBox::Change, this, &Form30::Dir1_Change);
    connect(File1, &platform::FileListBox::Click, this, &Form30::File1_Click);
    connect(DTPicker1, &platform::DTPicker::Change, this, &Form30::DTPicker1_Change);
    connect(Command3, &QPushButton::clicked, this, &Form30::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form30::Command1_Click);
    setOpener(windownames::Form1);
    setDoneFlag(m1().dialogdone);
}

void Form30::Form_Load() {
    DTPicker1->setCustomFormat(pickerFormat(m1().dateorder));
    setcalendarcolours(*DTPicker1);
    Drive1->setDriveOf(m1().datapath);
    Dir1->setPath(m1().datapath);
    File1->setPath(m1().datapath);
    m1().entriesimported = false;
    DTPicker1->setValue(platform::today());
    setWindowTitle(QStringLiteral("Import TXT Entry for ") + m1().gamename);
}

void Form30::Drive1_Change() {
    importfile.clear();
    List2->clear();
    const QString root = Drive1->drive();
    if (root.isEmpty() || !QDir(root).isReadable()) {
        msgBox(QStringLiteral("Drive empty or unavailable"));
        Dir1->setEnabled(false);
        File1->setEnabled(false);
        return;
    }
    Dir1->setPath(root);
    Dir1->setEnabled(true);
    File1->setEnabled(true);
    Dir1_Change();
}

void Form30::Dir1_Change() {
    importfile.clear();
    List2->clear();
    File1->setPath(Dir1->path());
}

void Form30::File1_Click() {
    List2->clear();
    view();
}

void Form30::view() {
    const QString name = File1->fileName();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("You have not selected a file"));
        return;
    }
    importfile = QDir(File1->path()).filePath(name);
    QFile file;
    // Lines past the first entry an entry file cannot hold are not shown: Import refuses the
    // file anyway.
    const std::optional<EntryText> text =
        openText(importfile, file) ? readEntryText(file, cardgame(), kMostTextBytes) : std::nullopt;
    if (!text) {
        msgBox(importMessage(ImportCode::NotValid));
        return;
    }
    List2->addItems(shownLines(text->lines));
}

void Form30::DTPicker1_Change() {
    Command3->setEnabled(true);
}

ImportCode Form30::validate() {
    entries_.clear();
    const QString name = File1->fileName();
    if (name.isEmpty()) {
        return ImportCode::NoFile;
    }
    importfile = QDir(File1->path()).filePath(name);
    QFile file;
    if (!openText(importfile, file)) {
        return ImportCode::NotValid;
    }
    const ImportRules rules{m1().mainperentry, m1().bonusperentry, m1().mainpool, m1().bonuspool,
                            cardgame()};
    ParsedImport parsed = parseImport(file, rules, kMostTextBytes);
    file.close();
    if (parsed.code != ImportCode::Ok) {
        return parsed.code;
    }
    const QString target = dataFile(
        m1().datapath, datedEntryFileName(m1().gamename, DTPicker1->Value(), m1().dateorder));
    // The name comes from the game's name: it must not lead out of the data folder.
    if (QFileInfo(target).absoluteDir() != QDir(m1().datapath)) {
        return ImportCode::TargetOutside;
    }
    if (QFileInfo::exists(target)) {
        QFile existing(target);
        if (!existing.open(QIODevice::ReadOnly)) {
            return ImportCode::TargetUnreadable;
        }
        const QByteArray head = existing.read(4);
        if (head.size() == 4 && qFromLittleEndian<qint32>(head.constData()) != 0) {
            return ImportCode::DateHasEntries;
        }
    }
    importentryfile = target;
    entries_ = std::move(parsed.entries);
    return ImportCode::Ok;
}

void Form30::Command3_Click() {
    const ImportCode code = validate();
    if (code != ImportCode::Ok) {
        msgBox(importMessage(code));
        return;
    }
    const int n = static_cast<int>(entries_.size());
    QString error;
    if (!writeWholeFile(importentryfile, importImage(entries_, DTPicker1->Value()).bytes(),
                        &error)) {
        msgBox(QStringLiteral("The entries could not be written to %1 (%2). Nothing was imported.")
                   .arg(QFileInfo(importentryfile).fileName(), error));
        return;
    }
    msgBox(QStringLiteral("Entry imported successfully"));
    Command3->setEnabled(false);
    Form1* main = platform::Windows::live<Form1>(Form1::kName);
    if (main != nullptr && DTPicker1->Value() == main->DTPicker2->Value()) {
        m1().entriesimported = true;
        main->Text2->setText(QString::number(n));
    } else {
        m1().entriesimported = false;
    }
}

void Form30::Command1_Click() {
    handBackAndUnload();
}

void Form30::closeBox() {
    Command1_Click();
}
