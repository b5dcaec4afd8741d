// Loading the window, and the settings file: Retrieve, Save and Clear All File Settings.
#include "app/module1routines.h"
#include "platform/application.h"
#include "platform/messagebox.h"
#include "playslips/configure.h"
#include "playslips/logic/playslipnumbers.h"
#include "shared/module1.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

void configure::Form_Load() {
    Module1& m = m1();
    m.datapath = platform::appPath();
    m.configgamename = m.gamename;
    // The game name becomes the file name: one that would leave the data folder or overwrite
    // another of the program's files is refused, and the window goes back at once.
    if (const QString refused = playslipNameError(m.configgamename); !refused.isEmpty()) {
        nameRefused_ = true;
        msgBox(refused);
        QMetaObject::invokeMethod(this, &configure::mnuExit_Click, Qt::QueuedConnection);
        return;
    }
    m.printeravailable = loadprinter();
    mnuPrintCurrent->setEnabled(m.printeravailable);
    loadSettings();
}

void configure::loadSettings() {
    Module1& m = m1();
    checkOnly({mnuConfigMain, mnuConfigExtra}, mnuConfigMain);
    showBallSet(BallSet::Main);
    mnuConfigExtra->setText(m.extraballname);
    m.slipmode = QStringLiteral("Main Balls");
    // The check marks and the values they stand for are set together, so a Save after Clear All
    // stores what the menus show.
    mnuRecom_Click();
    mnuMedium_Click();
    // The count the menu shows, so a file that holds none is saved with it.
    setBoardCount(3);
    rebuildCaption();
    selectBoard(1);
    const bool extra = m.bonuspool > 0;
    mnuConfigExtra->setEnabled(extra);
    mnuExtaOrientation->setEnabled(extra);
    mnuExtaOrientation->menuAction()->setEnabled(extra);
}

void configure::mnuRetrieve_Click() {
    const ConfigRead read = readPlayslipConfig(settingsPath());
    if (!read.config) {
        // Nothing of a damaged file reaches the window; the boxes no longer stand for a board
        // of the file, so an unchanged box keeps the file's value at a later Save.
        msgBox(read.error);
        for (std::size_t i = 0; i < Text1.size(); ++i) {
            Text1[i]->clear();
            retrievedText_[i].clear();
            retrievedValue_[i].reset();
        }
        changesmade = false;
        return;
    }
    const PlayslipConfig& c = *read.config;
    if (c.horizmain() == -1) {
        mnuHorizontalMain_Click();
    } else {
        mnuVerticalMain_Click();
    }
    if (c.horizextra() == -1) {
        mnuHorizontalExtra_Click();
    } else {
        mnuVerticalExtra_Click();
    }
    if (c.boards() >= 3 && c.boards() <= 10) {
        mnuNumber_Click(c.boards());
    }
    switch (c.width()) {
        case 15:
            mnuThin_Click();
            break;
        case 25:
            mnuRecom_Click();
            break;
        case 35:
            mnuThick_Click();
            break;
        default:
            break;
    }
    switch (c.length()) {
        case 100:
            mnuShort_Click();
            break;
        case 0:
        case 150:
            mnuMedium_Click();
            break;
        case 200:
            mnuLong_Click();
            break;
        default:
            break;
    }
    const BallSet set = ballSet();
    for (int i = 0; i < kBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const float v = c.mark(set, i / 2 + 1, m1().currentboard, i % 2 == 0 ? Coord::X : Coord::Y);
        retrievedValue_[at] = v;
        retrievedText_[at] = markText(v);
        Text1[at]->setText(retrievedText_[at]);
    }
    changesmade = false;
}

bool configure::save() {
    const QString path = settingsPath();
    ConfigRead read = readPlayslipConfig(path);
    if (!read.config) {
        msgBox(read.error + QStringLiteral(" Nothing was saved."));
        return false;
    }
    PlayslipConfig& c = *read.config;
    const BallSet set = ballSet();
    const int board = m1().currentboard;
    for (int i = 0; i < kBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int ball = i / 2 + 1;
        const Coord coord = i % 2 == 0 ? Coord::X : Coord::Y;
        const QString text = Text1[at]->text();
        if (text == retrievedText_[at]) {
            // Not changed since it was read: the exact value, not its rounded text.
            if (retrievedValue_[at]) {
                c.setMark(set, ball, board, coord, *retrievedValue_[at]);
            }
            continue;
        }
        const double mm = boxNumber(text);
        if (std::abs(mm) > kMaxMillimetres) {
            msgBox(QStringLiteral("The %1 position of ball %2, %3 mm, is not on a playslip: it "
                                  "can be at most %4 mm. Nothing was saved.")
                       .arg(QChar(coord == Coord::X ? u'X' : u'Y'))
                       .arg(Label1[static_cast<std::size_t>(i / 2)]->text())
                       .arg(text.trimmed())
                       .arg(kMaxMillimetres));
            return false;
        }
        c.setMark(set, ball, board, coord, static_cast<float>(mm));
    }
    const Module1& m = m1();
    c.setHorizmain(mnuHorizontalMain->isChecked() ? -1 : 0);
    c.setHorizextra(mnuHorizontalExtra->isChecked() ? -1 : 0);
    c.setBoards(m.boardcount);
    c.setWidth(m.markwidth);
    c.setLength(m.marklength);
    QString error;
    if (!writePlayslipConfig(path, c, &error)) {
        msgBox(QStringLiteral("The playslip settings could not be saved. ") + error);
        return false;
    }
    // The boxes now stand for what the file holds.
    for (int i = 0; i < kBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        retrievedText_[at] = Text1[at]->text();
        retrievedValue_[at] = c.mark(set, i / 2 + 1, board, i % 2 == 0 ? Coord::X : Coord::Y);
    }
    changesmade = false;
    return true;
}

void configure::mnuSave_Click() {
    save();
}

bool configure::askToSave() {
    if (!changesmade) {
        return true;
    }
    // Cancel (and so Escape) keeps the edits on screen: the way back from a closing by mistake.
    switch (msgBox(QStringLiteral("Do you want to save your changes?"), MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            return save();
        case MsgAnswer::Cancel:
            return false;
        default:
            return true;
    }
}

void configure::mnuClearKill_Click() {
    if (msgBox(QStringLiteral("This will permanently clear all settings for the current game and "
                              "allow you to reconfigure the game from scratch. Do you want to "
                              "proceed"),
               MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    // One zero record replaces the file whole; the old one stays until it has.
    QString error;
    if (!writePlayslipConfig(settingsPath(), PlayslipConfig(), &error)) {
        msgBox(QStringLiteral("The playslip settings could not be cleared. ") + error);
        return;
    }
    // The cleared file is shown as a newly opened window shows it; the edits on screen went with
    // the clearing, so there is nothing to ask about.
    changesmade = false;
    loadSettings();
}
