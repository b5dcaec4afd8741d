#include "entries/LinkProcess.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/systemlocale.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/textforms.h"
#include "shared/numbertext.h"
#include "shared/safefile.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;
using platform::named;
using platform::twipsToPixels;

namespace {

QString resultsPath() {
    return dataFile(m1().datapath, resultsFileName(m1().gamename));
}

QString rangeCaption(int draws) {
    return QStringLiteral("Enter number from 1 to %1").arg(draws);
}

const QString kNotSaved = QStringLiteral("The entries could not be saved.");

}  // namespace

LinkProcess::LinkProcess(QWidget* parent)
    : platform::Form(kName, parent), counts_(std::make_unique<optimiser::PairCounts>()) {
    setWindowTitle(QStringLiteral("Optimizer"));
    Frame1 = named(new QGroupBox(QStringLiteral("Select Process Range"), this), "Frame1");
    Label2 = named(new QLabel(QStringLiteral("Last"), Frame1), "Label2");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Text1->setMaximumWidth(twipsToPixels(900));
    Label3 = named(new QLabel(QStringLiteral("Draws"), Frame1), "Label3");
    Command1 = named(new QPushButton(QStringLiteral("Process Range"), Frame1), "Command1");
    auto* range = new QHBoxLayout(Frame1);
    range->addWidget(Label2);
    range->addWidget(Text1);
    range->addWidget(Label3);
    range->addStretch(1);
    range->addWidget(Command1);

    Label1 = named(new QLabel(QStringLiteral("Select Entry Date"), this), "Label1");
    DTPicker1 = named(new platform::DTPicker(this), "DTPicker1");
    Command2 = named(new QPushButton(QStringLiteral("Create Entries for Selected Date"), this),
                     "Command2");
    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    auto* date = new QHBoxLayout;
    date->addWidget(Label1);
    date->addWidget(DTPicker1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(date);
    layout->addSpacing(twipsToPixels(120));
    layout->addLayout(buttons);
    setMinimumWidth(twipsToPixels(6600));

    connect(Command1, &QPushButton::clicked, this, &LinkProcess::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &LinkProcess::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &LinkProcess::Command3_Click);
    connect(Text1, &QLineEdit::textChanged, this, &LinkProcess::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, &LinkProcess::Command1_Click);
    // The main window stayed enabled; another window may have disabled it since.
    setOpener(windownames::Form1, platform::HandBack::RaiseOnly);
    setDoneFlag(m1().linkclosed);
}

LinkProcess::~LinkProcess() = default;

void LinkProcess::Form_Load() {
    DTPicker1->setCustomFormat(pickerFormat(m1().dateorder));
    setcalendarcolours(*DTPicker1);
    setWindowTitle(QStringLiteral("Optimizer for ") + m1().gamename);
    Frame1->setTitle(rangeCaption(drawFileCount(resultsPath())));
    m1().linkprocessed = false;
    m1().linkentriesmade = false;
    Command2->setEnabled(false);
    DTPicker1->setValue(platform::today());
}

optimiser::Game LinkProcess::currentGame() {
    const Module1& m = m1();
    return {m.mainpool, m.mainperentry, m.bonusperentry == 1,
            m.bonuspool > 0 ? m.bonuspool : m.mainpool};
}

int LinkProcess::GetBestFor(int row, int ex1, int ex2, int ex3, int ex4, int ex5, int ex6) const {
    return optimiser::getBestFor(*counts_, m1().mainpool, row, {ex1, ex2, ex3, ex4, ex5, ex6});
}

void LinkProcess::Text1_Change() {
    Command2->setEnabled(false);
}

void LinkProcess::Command1_Click() {
    if (Text1->text().isEmpty()) {
        msgBox(QStringLiteral("Please enter a value"));
        return;
    }
    *counts_ = {};
    // The main window stayed usable: the game may not be the one the window opened on.
    setWindowTitle(QStringLiteral("Optimizer for ") + m1().gamename);
    const DrawImage history = readDrawImage(resultsPath());
    const int c = history.count();
    Frame1->setTitle(rangeCaption(c));
    if (c == 0) {
        msgBox(
            QStringLiteral("There are no draws in the history file, this process cannot be run."));
        return;
    }
    const std::optional<int> first = optimiser::firstOfLast(c, leadingNumber(Text1->text()));
    if (!first) {
        msgBox(QStringLiteral("Your entry is outside the permitted draw range"));
        return;
    }
    const optimiser::Game game = currentGame();
    auto counted = optimiser::countPairs(history, *first, c, game);
    if (!counted) {
        Command2->setEnabled(false);
        msgBox(QStringLiteral(
            "A ball number in the results file is not in the ball range of the game. Please "
            "check Configure Game Definition for this game and download the results "
            "overwriting the existing results."));
        return;
    }
    msgBox(QStringLiteral("Last ") + Text1->text() +
           QStringLiteral(" draws have been link processed"));
    m1().linkprocessed = true;
    m1().linkentriesmade = false;
    *counts_ = *counted;
    processedGame_ = game;
    processedName_ = m1().gamename;
    Command2->setEnabled(true);
}

void LinkProcess::Command2_Click() {
    // The main window stays usable, so the game may have changed since the counting: the pairs
    // of one game never go into another's file.
    if (m1().gamename != processedName_ || currentGame() != processedGame_) {
        Command2->setEnabled(false);
        msgBox(
            QStringLiteral("The game has changed since the range was processed. Please "
                           "process the range again."));
        return;
    }
    const QDate date = DTPicker1->Value();
    if (const Form1* main = platform::Windows::live<Form1>(Form1::kName);
        main != nullptr && main->DTPicker2->Value() == date) {
        m1().linkfilechanged = true;
    }
    const QString path =
        dataFile(m1().datapath, datedEntryFileName(m1().gamename, date, m1().dateorder));
    DrawImage file = readDrawImage(path);
    // A negative count is a damaged file: appending would overwrite its first entry.
    if (file.read(1).count < 0) {
        msgBox(kNotSaved + QStringLiteral(" The entry file is damaged."));
        return;
    }
    const int base = file.count();
    if (base > 0 &&
        msgBox(QStringLiteral("You already have a date entry for this date, do you want to add "
                              "the new optimised entry to the existing entry?"),
               MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    const std::vector<optimiser::Entry> entries = optimiser::chainEntries(*counts_, processedGame_);
    const int added = static_cast<int>(entries.size());
    if (base + added > kMaxRecordCount) {
        msgBox(recordLimitMessage());
        return;
    }
    int r = base;
    for (const optimiser::Entry& e : entries) {
        DrawRecord record;
        record.balls = e.balls;
        record.extra = e.extra;
        record.day = static_cast<qint16>(date.day());
        record.month = static_cast<qint16>(date.month());
        record.year = static_cast<qint16>(date.year());
        file.write(++r, record);
    }
    DrawRecord first = file.read(1);
    first.count = base + added;
    file.write(1, first);
    // Written whole: a failure leaves the file as it was, never half appended.
    QString error;
    if (!writeWholeFile(path, file.bytes(), &error)) {
        msgBox(QStringLiteral("%1 %2").arg(kNotSaved, error).trimmed());
        return;
    }
    msgBox(QStringLiteral("Done - %1 entries added to draw %2")
               .arg(added)
               .arg(platform::shortDateText(date)));
    m1().linkentriesmade = true;
}

void LinkProcess::Command3_Click() {
    if (m1().linkprocessed && !m1().linkentriesmade &&
        msgBox(QStringLiteral("You have not yet created an entry from the last initiation of "
                              "Process Range. Do you still want to quit?"),
               MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    handBackAndUnload();
}

void LinkProcess::closeBox() {
    Command3_Click();
}
