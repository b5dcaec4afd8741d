// The draw of the picked date: showing it, adding or replacing it, deleting it.
#include "pick34/Pick3.h"
#include "pick34/logic/pickcheck.h"
#include "pick34/logic/pickhistory.h"
#include "platform/messagebox.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

void Pick3::DTPicker1_Change() {
    Module1& m = m1();
    m.drawday = static_cast<qint16>(DTPicker1->Day());
    m.drawmonth = static_cast<qint16>(DTPicker1->Month());
    m.drawyear = static_cast<qint16>(DTPicker1->Year());
    const PickTime time = m.pickdrawtime == u"Day" ? PickTime::Day : PickTime::Night;
    m.pickresultsfile = entryPath(pickResultsFileName(m.pickgame, time));
    // A history that cannot be read shows as empty; saving into it then says why.
    const PickHistory history(PickImage::read(m.pickresultsfile).value_or(PickImage()));
    m.pickdrawcount = static_cast<qint16>(history.count());
    const int r = history.find(m.drawday, m.drawmonth, m.drawyear);
    if (r == 0) {
        Text1->clear();
        return;
    }
    Text1->setText(pickDigitText(history.record(r).digits, digitCount()));
    m.drawrecordno = static_cast<qint16>(r);
    updatedisplay(false, true, false);
}

bool Pick3::checkifdrawexistsalready() {
    Module1& m = m1();
    existingdrawno = 0;
    m.drawday = static_cast<qint16>(DTPicker1->Day());
    m.drawmonth = static_cast<qint16>(DTPicker1->Month());
    m.drawyear = static_cast<qint16>(DTPicker1->Year());
    const PickHistory history(PickImage::read(m.pickresultsfile).value_or(PickImage()));
    existingdrawno = history.find(m.drawday, m.drawmonth, m.drawyear);
    return existingdrawno != 0;
}

void Pick3::Command1_Click() {
    const QString text = Text1->text();
    if (text.isEmpty()) {
        msgBox(QStringLiteral("You have not entered a draw result"));
        return;
    }
    const int k = digitCount();
    if (!isPickNumber(text, k)) {
        msgBox(QStringLiteral("Invalid draw number"));
        return;
    }
    if (checkifdrawexistsalready() &&
        msgBox(QStringLiteral("There is already a draw in the history file for this date. Do you "
                              "want to replace it?"),
               MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    if (const QString failed =
            storeDraw(m1().pickresultsfile, DTPicker1->Value(), pickDigitsOf(text, k), k);
        !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    updatedisplay(false, false, true);
    msgBox(QStringLiteral("Done"));
    // The box keeps the draw; the next one is typed over it.
    Text1->setFocus();
    Text1->selectAll();
}

void Pick3::Command2_Click() {
    if (!checkifdrawexistsalready()) {
        Text1->clear();
        return;
    }
    if (msgBox(QStringLiteral("Do you really want to delete this draw?"), MsgButtons::YesNo,
               platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    if (const QString failed = deleteDraw(m1().pickresultsfile, DTPicker1->Value());
        !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    updatedisplay(false, true, true);
    Text1->clear();
}
