// The board suggestion, the adjustment dialog, the test prints, the printer choice and Exit.
#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/windows.h"
#include "playslips/adjust.h"
#include "playslips/configure.h"
#include "playslips/logic/boardsuggest.h"
#include "playslips/logic/markprint.h"
#include "shared/module1.h"

using platform::msgBox;
using platform::Windows;

namespace {
const QString kPrintError = QStringLiteral("Prining cancelled or printing error");
}

void configure::mnuSuggest_Click() {
    const QString box0 = Text1[0]->text();
    const QString box1 = Text1[1]->text();
    if (const QString refused = suggestRefusal(m1().currentboard, box0, box1); !refused.isEmpty()) {
        msgBox(refused);
        return;
    }
    const ConfigRead read = readPlayslipConfig(settingsPath());
    if (!read.config) {
        msgBox(read.error);
        return;
    }
    const Suggestion s = suggestBoard(*read.config, ballSet(), box0, box1);
    for (const auto& [box, text] : s.writes) {
        Text1[static_cast<std::size_t>(box)]->setText(text);
    }
    if (!s.message.isEmpty()) {
        msgBox(s.message);
    }
}

bool configure::draw(const MarkPage& page) {
    try {
        platform::Printer& printer = platform::printers().current();
        printer.setDrawWidth(page.width);
        for (const MarkLine& l : page.lines) {
            printer.line(l.x1, l.y1, l.x2, l.y2);
        }
        printer.endDoc();
        return true;
    } catch (const platform::PrinterError&) {
    }
    // What was drawn is ended too, so that it does not open the next job.
    try {
        platform::printers().current().endDoc();
    } catch (const platform::PrinterError&) {
    }
    msgBox(kPrintError);
    return false;
}

void configure::mnuPrintCurrent_Click() {
    const Module1& m = m1();
    const BallSet set = ballSet();
    msgBox((set == BallSet::Main ? QStringLiteral("Printing Main Balls for ")
                                 : QStringLiteral("Printing Exta Balls for ")) +
           m.boardname);
    // Each set in its own orientation, as the slips are printed.
    const bool horizontal =
        set == BallSet::Main ? mnuHorizontalMain->isChecked() : mnuHorizontalExtra->isChecked();
    draw(currentBoardMarks(boxTexts(), horizontal, m.markwidth, m.marklength));
}

void configure::mnuPrintAll_Click() {
    msgBox(
        QStringLiteral("This print does not include any global print adjustments you may "
                       "have set up on the Print Manager screen."));
    m1().adjusthorizontal = 0;
    m1().adjustvertical = 0;
    printallmarks(m1().configgamename);
}

void configure::printallmarks(const QString& game) {
    const ConfigRead read = readPlayslipConfig(playslipPath(m1().datapath, game));
    if (!read.config) {
        msgBox(read.error);
        return;
    }
    const QString notSetUp =
        QStringLiteral("It appears that this game has not yet been set up for printing.");
    const LayoutPrint layout =
        layoutMarks(*read.config, m1().adjusthorizontal, m1().adjustvertical, notSetUp, notSetUp);
    if (!layout.message.isEmpty()) {
        msgBox(layout.message);
        return;
    }
    draw(layout.page);
}

void configure::mnuPrinterSelection_Click() {
    setEnabled(false);
    Windows::show(windownames::Form11);
}

void configure::mnuAdjust_Click() {
    Module1& m = m1();
    m.adjustdone = false;
    setEnabled(false);
    Windows::get<adjust>(adjust::kName)
        ->setWindowTitle(QStringLiteral("Adjustments for ") + m.configgamename + u' ' +
                         m.boardname + u' ' + m.slipmode);
    Windows::show(adjust::kName);
    platform::waitUntil(m.adjustdone);
}

void configure::mnuExit_Click() {
    if (!nameRefused_ && !askToSave()) {
        return;  // the changes are still on screen; the player can try again or discard them
    }
    changesmade = false;
    handBackAndUnload();
}
