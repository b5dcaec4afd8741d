// Print Cover: one page describing the wheel on screen, saved or not.
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "shared/module1.h"
#include "wheels/WheelForm.h"
#include "wheels/logic/wheelcover.h"

void WheelForm::Command2_Click() {
    wheels::CoverInput cover;
    cover.gamename = m1().wheelgamename;
    cover.type = wheeldesign::findWheelType(k(), wheeltype);
    for (QLineEdit* box : Text1) {
        if (!box->isHidden()) {
            cover.visibleBoxes << box->text();
        }
    }
    cover.groupSize = Combo1->currentText();
    cover.entries = wheeldesign::wheelEntries(k(), wheeltype, numballs);

    bool failed = false;
    try {
        setprinterfont();
        platform::Printer& printer = platform::printers().current();
        for (const QString& line : wheels::coverLines(cover)) {
            printer.print(line);
        }
    } catch (const platform::PrinterError&) {
        failed = true;
    }
    // What was printed before a failure still goes out as the page.
    try {
        platform::printers().current().endDoc();
    } catch (const platform::PrinterError&) {
        failed = true;
    }
    if (failed) {
        platform::msgBox(QStringLiteral("There seems to be an unexpected print error."));
    }
}
