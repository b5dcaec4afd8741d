#include "pick34/p34history.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "pick34/logic/pickdrawlist.h"
#include "pick34/logic/pickfiles.h"
#include "platform/twips.h"
#include "shared/module1.h"

using platform::named;
using platform::twipsToPixels;

p34history::p34history(QWidget* parent) : platform::Form(kName, parent) {
    List1 = named(new QListWidget(this), "List1");
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line of one font each: a long history need not be measured line by line.
    List1->setUniformItemSizes(true);
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    layout->addLayout(buttons);
    resize(twipsToPixels(4800), twipsToPixels(6000));

    connect(Command1, &QPushButton::clicked, this, &p34history::Command1_Click);
    // The Pick window stays enabled; if it has gone meanwhile, nothing brings it back.
    setOpener(windownames::Pick3, platform::HandBack::RaiseOnly);
}

void p34history::Form_Load() {
    const Module1& m = m1();
    setWindowTitle(pickgametitle(m.pickgame) + QStringLiteral(" Draw History"));
    const std::optional<PickImage> draws = PickImage::read(m.pickresultsfile);
    List1->addItems(p34historylines(draws.value_or(PickImage()), m.pickgame, m.dateorder));
}

void p34history::Command1_Click() {
    handBackAndUnload();
}

void p34history::closeBox() {
    Command1_Click();
}
