// Save Wheel: the checks, the overwrite question, the one safe write, and the main window.
#include <QListWidget>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "app/windownames.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "shared/safefile.h"
#include "wheels/WheelForm.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

void WheelForm::Command3_Click() {
    const Module1& m = m1();
    wheels::WheelSaveInput input;
    input.datapath = m.datapath;
    input.wheelgamename = m.wheelgamename;
    input.gamename = m.gamename;
    input.k = k();
    input.wheeltype = wheeltype;
    input.numballs = numballs;
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        input.boxes[i] = Text1[i]->text();
    }
    input.poolsize = m.wheelpoolsize;
    input.rule = extraRule();
    input.bonuspool = m.bonuspool;

    // Every check runs before the question, and the old wheel stays until the new one is
    // written whole.
    const wheels::PreparedWheel wheel = wheels::prepareWheel(input, platform::rnd);
    if (wheel.problem != wheels::SaveProblem::None) {
        msgBox(wheels::saveProblemMessage(wheel));
        return;
    }
    const bool shownInMain = m.openwheeltype == wheeltype;
    if (wheels::storedEntryCount(wheel.entryFile) > 0 &&
        msgBox(QStringLiteral("You have already created one of thse wheels. Do you want to "
                              "overwrite the existing entry with this new entry?"),
               MsgButtons::YesNo, platform::MsgDefault::No) == MsgAnswer::No) {
        return;
    }
    QString error;
    if (!writeWholeFile(wheel.entryFile, wheel.bytes, &error)) {
        msgBox(QStringLiteral("The wheel could not be saved. %1").arg(error).trimmed());
        return;
    }
    msgBox(QStringLiteral("Done!"));
    if (shownInMain) {
        resetMainWindow();
    }
}

void WheelForm::resetMainWindow() {
    Form1* main = platform::Windows::live<Form1>(windownames::Form1);
    if (main == nullptr) {
        m1().openwheeltype = 0;
        m1().selectionfile.clear();
        return;
    }
    if (variant_.resetHidesBalls) {
        cleardisplay(*main);
        return;
    }
    m1().openwheeltype = 0;
    main->List1->clear();
    main->List2->clear();
    main->Text2->setText(QStringLiteral("0"));
    m1().selectionfile.clear();
}
