// Print Cover: one page describing the wheel on screen, saved or not.
#include "app/listprint.h"
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

    printlines(wheels::coverLines(cover));
}
