#include "pick34/AddEntriesP34.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "pick34/Pick3.h"
#include "pick34/logic/pickfiles.h"
#include "platform/clock.h"
#include "platform/cursor.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

using platform::named;
using platform::twipsToPixels;

namespace {

// A label, a box and an Add button in a frame.
QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QLabel* label,
                    QLineEdit* box, QPushButton* add) {
    auto* frame = named(new QGroupBox(caption, parent), name);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(label);
    row->addWidget(box);
    row->addStretch();
    row->addWidget(add);
    return frame;
}

}  // namespace

AddEntriesP34::AddEntriesP34(QWidget* parent) : platform::Form(kName, parent) {
    Label1 = named(new QLabel(QStringLiteral("Enter Numbers"), this), "Label1");
    Text1 = named(new QLineEdit(this), "Text1");
    Command1 = named(new QPushButton(QStringLiteral("Add"), this), "Command1");
    Frame1 = addFrame(this, "Frame1", QStringLiteral("Manual Add"), Label1, Text1, Command1);
    Label2 = named(new QLabel(QStringLiteral("Enter Number of Entries"), this), "Label2");
    Text2 = named(new QLineEdit(this), "Text2");
    Command2 = named(new QPushButton(QStringLiteral("Add"), this), "Command2");
    Frame2 = addFrame(this, "Frame2", QStringLiteral("Suggested Picks"), Label2, Text2, Command2);
    for (QLineEdit* box : {Text1, Text2}) {
        box->setFixedWidth(twipsToPixels(900));
        box->setAlignment(Qt::AlignCenter);
    }
    // Both labels as wide as the wider, so the boxes line up.
    const int labelWidth = std::max(Label1->sizeHint().width(), Label2->sizeHint().width());
    Label1->setMinimumWidth(labelWidth);
    Label2->setMinimumWidth(labelWidth);
    Label3 = named(new QLabel(QStringLiteral("No of entries so far:"), this), "Label3");
    Text3 = named(new QLineEdit(QStringLiteral("0"), this), "Text3");
    Text3->setReadOnly(true);
    Text3->setFocusPolicy(Qt::NoFocus);
    Text3->setFixedWidth(twipsToPixels(900));
    Text3->setAlignment(Qt::AlignRight);
    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label3);
    bottom->addWidget(Text3);
    bottom->addStretch();
    bottom->addWidget(Command3);
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(twipsToPixels(5400), 0)));

    connect(Command1, &QPushButton::clicked, this, &AddEntriesP34::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AddEntriesP34::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &AddEntriesP34::Command3_Click);
    // Return in a box presses its own Add.
    connect(Text1, &QLineEdit::returnPressed, this, &AddEntriesP34::Command1_Click);
    connect(Text2, &QLineEdit::returnPressed, this, &AddEntriesP34::Command2_Click);
    // The Pick window disabled itself to show this one.
    setOpener(windownames::Pick3, platform::HandBack::EnableAndRaise);
}

void AddEntriesP34::Form_Load() {
    game_ = pickDigitCount(m1().pickgame);
    Text1->clear();
    Text2->clear();
    const bool four = game_ == 4;
    setWindowTitle(pickgametitle(game_) + QStringLiteral(" Entries"));
    Text1->setMaxLength(four ? 4 : 3);
    Text2->setMaxLength(four ? 5 : 4);
    Text3->setText(QString::number(pickEntryCount(m1().pickentryfile)));
}

void AddEntriesP34::Command1_Click() {
    const PickAddResult added = addManualEntry(m1().pickentryfile, Text1->text(), game_);
    handBackLines(added);
    if (added.message.isEmpty()) {
        // The box keeps the number; the next one is typed over it.
        Text1->setFocus();
        Text1->selectAll();
    }
}

void AddEntriesP34::Command2_Click() {
    PickAddResult added;
    {
        const platform::Hourglass busy;
        added = addSuggestedEntries(m1().pickentryfile, leadingNumber(Text2->text()), game_,
                                    [] { return platform::rnd(); });
    }
    handBackLines(added);
}

void AddEntriesP34::handBackLines(const PickAddResult& added) {
    // The count shown is always the file's, whatever was typed or refused.
    Text3->setText(QString::number(added.count));
    if (!added.message.isEmpty()) {
        platform::msgBox(added.message);
        return;
    }
    if (auto* pick = platform::Windows::live<Pick3>(Pick3::kName)) {
        pick->List1->setUpdatesEnabled(false);
        pick->List1->addItems(added.lines);
        pick->List1->setUpdatesEnabled(true);
        pick->List1->scrollToBottom();
        pick->Text2->setText(QString::number(added.count));
    }
}

void AddEntriesP34::Command3_Click() {
    handBackAndUnload();
}

void AddEntriesP34::closeBox() {
    Command3_Click();
}
