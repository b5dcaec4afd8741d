// Start-up of the main window, the five game options, and ending the program.
#include <QMenu>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "shared/ansitext.h"
#include "shared/gamefiles.h"
#include "shared/gameload.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"
#include "shared/textforms.h"

void Form1::Form_Load() {
    DTPicker1->setShortDateFormat();
    getdateorder(*DTPicker1);
    if (m1().dateorder.isEmpty()) {
        platform::msgBox(QStringLiteral(
            "Computer date format must be one of: YearMonthDay, DayMonthYear or MonthDayYear"));
        // Nothing is loaded: only leaving, help and the about box stay usable.
        for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame3),
                           static_cast<QWidget*>(Frame5), static_cast<QWidget*>(Frame6)}) {
            w->setEnabled(false);
        }
        for (QMenu* menu : {mnuStand, mnuWheels, mnuOpt}) {
            menu->setEnabled(false);  // the widget, so enabling the window does not undo it
        }
        for (QAction* a : mnuFile->actions()) {
            a->setEnabled(a == mnuExit);
        }
        for (QAction* a : {mnupick3, mnupick4, mnuUpgrade}) {
            a->setEnabled(false);
        }
        return;
    }
    const QString format = pickerFormat(m1().dateorder);
    DTPicker1->setCustomFormat(format);
    DTPicker2->setCustomFormat(format);
    setcalendarcolours(*DTPicker1);
    setcalendarcolours(*DTPicker2);
    DTPicker1->setValue(platform::today());
    DTPicker2->setValue(platform::today());
    setWindowTitle(kTitle);
    platform::setAppTitle(kTitle);
    m1().openwheeltype = 0;
    m1().historylimitreached = false;
    m1().datapath = platform::appPath();
    platform::setHelpFile(dataFile(m1().datapath, kHelpFile));
    for (QLabel* ball : Image2) {
        ball->hide();
    }
    m1().printeravailable = loadprinter();
    if (!m1().printeravailable) {
        Command9->setEnabled(false);
        Command10->setEnabled(false);
        mnuTicketPrinting->setEnabled(false);
    }
    Text3->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    Option1->setChecked(true);
    Command3->hide();
    const auto opts = options();
    const auto names = nameItems();
    for (int n = 1; n <= 5; ++n) {
        m1().gamefile = slotFileName(n).leftJustified(12);
        const GameRecord slot = readGameRecord(dataFile(m1().datapath, slotFileName(n)));
        if (slotNamesAGame(slot)) {
            opts[n - 1]->setText(trimBlanks(slot.name));
            names[n - 1]->setText(trimBlanks(slot.name));
        } else {
            opts[n - 1]->setText(QStringLiteral("Game%1").arg(n));
            opts[n - 1]->setEnabled(false);
        }
    }
    Option1_Click();
}

namespace {
void selectSlot(Form1& form, int n) {
    m1().gamenumber = static_cast<qint16>(n);
    m1().gamefile = slotFileName(n).leftJustified(12);
    form.setupgame();
}
}  // namespace

void Form1::Option1_Click() {
    selectSlot(*this, 1);
}
void Form1::Option2_Click() {
    selectSlot(*this, 2);
}
void Form1::Option3_Click() {
    selectSlot(*this, 3);
}
void Form1::Option4_Click() {
    selectSlot(*this, 4);
}
void Form1::Option5_Click() {
    selectSlot(*this, 5);
}

void Form1::Form_Unload() {
    deleteemptyselection();
    platform::endProgram();
}

void Form1::mnuExit_Click() {
    Form_Unload();
}
void Form1::mnuExitMenu_Click() {
    Form_Unload();
}
void Form1::closeBox() {
    Form_Unload();
}
