// Print Playslips and Print Slip Layout.
#include "app/Form1.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips/logic/slipprint.h"
#include "shared/drawrecord.h"
#include "shared/module1.h"

using platform::msgBox;

namespace {
const QString kUnexpected = QStringLiteral("There seems to be an unexpected print error.");
}

bool PrintManager::draw(const std::vector<MarkPage>& jobs) {
    platform::Printer* printer = nullptr;
    try {
        printer = &platform::printers().current();
        for (const MarkPage& job : jobs) {
            printer->setDrawWidth(job.width);
            for (const MarkLine& l : job.lines) {
                printer->line(l.x1, l.y1, l.x2, l.y2);
            }
            printer->endDoc();
        }
        return true;
    } catch (const platform::PrinterError&) {
    }
    // A slip printed in part would be played in part: the job it failed in is dropped.
    if (printer != nullptr) {
        printer->abortDoc();
    }
    msgBox(kUnexpected);
    return false;
}

void PrintManager::Command2_Click() {
    if (!chooseAdjustment()) {
        return;
    }
    Module1& m = m1();
    const auto* main = platform::Windows::live<Form1>(Form1::kName);
    if (main == nullptr || main->List1->count() == 0) {
        msgBox(QStringLiteral("There are no entries listed to print!"));
        return;
    }
    m.configgamename = m.gamename;
    const DrawImage entries = readDrawImage(m.selectionfile);
    const ConfigRead read = readPlayslipConfig(playslipPath(m.datapath, m.configgamename));
    if (!read.config) {
        msgBox(read.error);
        return;
    }
    const SlipGame game{m.mainperentry, m.bonusperentry, m.bonuspool == 0};
    const SlipPrint slips = playslipJobs(*read.config, entries, entries.count(), game,
                                         {m.adjusthorizontal, m.adjustvertical});
    m.marklength = static_cast<qint16>(slips.length);
    if (!slips.message.isEmpty()) {
        msgBox(slips.message);
        return;
    }
    draw(slips.jobs);
}

void PrintManager::printallmarks(const QString& game) {
    const ConfigRead read = readPlayslipConfig(playslipPath(m1().datapath, game));
    if (!read.config) {
        msgBox(read.error);
        return;
    }
    const QString notSetUp = QStringLiteral(
        "It appears that this game has not yet been set up for printing. Use the Configure Game "
        "Printing button to set up printing for this game");
    const LayoutPrint layout =
        layoutMarks(*read.config, m1().adjusthorizontal, m1().adjustvertical,
                    notSetUp + QStringLiteral(" or check for the latest list."), notSetUp + u'.');
    if (!layout.message.isEmpty()) {
        msgBox(layout.message);
        return;
    }
    draw({layout.page});
}

void PrintManager::Command3_Click() {
    if (chooseAdjustment()) {
        printallmarks(m1().configgamename);
    }
}
