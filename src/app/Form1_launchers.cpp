// The menu items and pictures that open the other windows, help and the about box.
#include <QThread>

#include "app/Form1.h"
#include "app/Form14.h"
#include "app/Form3.h"
#include "app/frmAbout.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/shell.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"

using platform::Windows;

void Form1::openDisabled(const QString& name) {
    // Disabled first, so the child's load already finds the main window disabled.
    setEnabled(false);
    Windows::show(name);
}

void Form1::Image1_Click() {
    setEnabled(false);
    Windows::get<Form3>(Form3::kName)
        ->setWindowTitle(QStringLiteral("Draw Results for ") + m1().gamename);
    Windows::show(Form3::kName);
    m1().historyopen = true;
    while (m1().historyopen && !platform::programEnded()) {
        platform::doEvents();
        if (m1().historypicked) {
            DTPicker1_Change();
            m1().historypicked = false;
        }
        QThread::msleep(10);
    }
    if (platform::programEnded()) {
        return;
    }
    DTPicker1_Change();
}

void Form1::Image3_Click() {
    openDisabled(windownames::Form4);
}

void Form1::mnuDelete_Click() {
    openDisabled(windownames::Form8);
}

void Form1::mnuFilter_Click() {
    // Told from the file name: a hyphen in the data folder's path says nothing about the file.
    if (entryFileKind(m1().selectionfile, m1().gamename) == EntryFileKind::Wheel &&
        platform::msgBox(QStringLiteral("If you filter a wheel, the guarantee will no longer "
                                        "apply. Are you sure you want to continue?"),
                         platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes) {
        return;
    }
    if (Text2->text() == u"0" || Text2->text().isEmpty()) {
        platform::msgBox(QStringLiteral("You have no entries displayed to filter."));
        return;
    }
    openDisabled(windownames::Form12);
    m1().windowdone = false;
    platform::waitUntil(m1().windowdone);
    if (platform::programEnded()) {
        return;
    }
    reopenSelection();
}

void Form1::reopenSelection() {
    switch (entryFileKind(m1().selectionfile, m1().gamename)) {
        case EntryFileKind::Wheel:
            for (std::size_t i = 0; i < wheelMenuItems().size(); ++i) {
                const WheelMenuItem& w = wheelMenuItems()[i];
                if (w.k == m1().mainperentry && w.openwheeltype == m1().openwheeltype) {
                    mnuWheelItem_Click(static_cast<int>(i));
                    return;
                }
            }
            return;
        case EntryFileKind::Standing:
            mnuStandOpen_Click();
            return;
        case EntryFileKind::Dated:
        case EntryFileKind::None:
            DTPicker2_Change();
            return;
    }
}

void Form1::mnuImport_Click() {
    setEnabled(false);
    m1().dialogdone = false;
    m1().entriesimported = false;
    Windows::show(windownames::Form30);
    platform::waitUntil(m1().dialogdone);
    if (!platform::programEnded() && m1().entriesimported) {
        DTPicker2_Change();
    }
}

void Form1::mnuLoadRTLs_Click() {
    setEnabled(false);
    m1().windowdone = false;
    Windows::show(windownames::Form10);
    platform::waitUntil(m1().windowdone);
    if (!platform::programEnded()) {
        DTPicker1_Change();
    }
}

void Form1::openGameDefinition(int slot) {
    m1().dialogdone = false;
    setEnabled(false);
    m1().gamefile = slotFileName(slot).leftJustified(12);
    Windows::get<Form14>(Form14::kName)
        ->setWindowTitle(options()[static_cast<std::size_t>(slot - 1)]->text() +
                         QStringLiteral(" Configuration"));
    Windows::show(Form14::kName);
    platform::waitUntil(m1().dialogdone);
    if (platform::programEnded()) {
        return;
    }
    DTPicker1_Change();
    DTPicker2_Change();
}

void Form1::mnuName1_Click() {
    openGameDefinition(1);
}
void Form1::mnuName2_Click() {
    openGameDefinition(2);
}
void Form1::mnuName3_Click() {
    openGameDefinition(3);
}
void Form1::mnuName4_Click() {
    openGameDefinition(4);
}
void Form1::mnuName5_Click() {
    openGameDefinition(5);
}

void Form1::mnuOptCreate_Click() {
    m1().linkfilechanged = false;
    Windows::show(windownames::LinkProcess);
    m1().linkclosed = false;
    platform::waitUntil(m1().linkclosed);
    if (!platform::programEnded() && m1().linkfilechanged) {
        DTPicker2_Change();
    }
}

void Form1::mnupick3_Click() {
    setEnabled(false);
    m1().pickgame = 3;
    Windows::show(windownames::Pick3);
}

void Form1::mnupick4_Click() {
    setEnabled(false);
    m1().pickgame = 4;
    Windows::show(windownames::Pick3);
}

void Form1::mnuprinters_Click() {
    m1().printersfrommain = true;
    openDisabled(windownames::Form11);
}

void Form1::mnuResults_Click() {
    setEnabled(false);
    m1().windowdone = false;
    Windows::show(windownames::RDL);
    platform::waitUntil(m1().windowdone);
    if (!platform::programEnded()) {
        DTPicker1_Change();
    }
}

void Form1::mnuTicketPrinting_Click() {
    m1().configgamename = m1().gamename;
    openDisabled(windownames::PrintManager);
}

void Form1::mnuWheelCreate_Click() {
    setEnabled(false);
    deleteemptyselection();
    m1().wheelgamename = m1().gamename;
    m1().wheelresultsfile = resultsFileName(m1().gamename);
    m1().wheelpoolsize = m1().mainpool;
    m1().wheellotteryname = QStringLiteral("LName");
    const qint16 balls = m1().ballsdrawn;
    if (balls >= 4 && balls <= 6) {
        m1().wheelbonusmode = m1().bonuspool != 0 ? 1 : 4;
    }
    switch (balls) {
        case 7:
            Windows::show(windownames::wheel7);
            return;
        case 6:
            Windows::show(windownames::wheel6);
            return;
        case 5:
            Windows::show(windownames::Wheel5);
            return;
        case 4:
            Windows::show(windownames::wheel4);
            return;
        default:
            // No wheel window fits this game: nothing opened, so nothing would enable us again.
            setEnabled(true);
            return;
    }
}

void Form1::mnuHelp_Click() {
    // A start-up stopped by the date order leaves no data folder; the help is still there.
    const QString folder = m1().datapath.isEmpty() ? platform::appPath() : m1().datapath;
    const int result = platform::shellOpen(kHelpFile, folder);
    if (result == platform::kNoAssociation) {
        platform::msgBox(
            QStringLiteral("The help file is windows html help. You cannot read files of this "
                           "type as you have no application to read these file types."));
    } else if (result == platform::kFileMissing) {
        platform::msgBox(QStringLiteral("The help file cannot be found. It should be at %1. "
                                        "Installing the program again puts it back.")
                             .arg(dataFile(folder, kHelpFile)));
    }
}

void Form1::mnuAbout_Click() {
    Windows::get<frmAbout>(frmAbout::kName)->setWindowTitle(QStringLiteral("Kestrova"));
    Windows::show(frmAbout::kName);
}
