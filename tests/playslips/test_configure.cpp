// The playslip settings window: loading, Retrieve and Save against hand-made records, Clear All,
// the menus, the board and ball-set switches with their save question, the suggestion, the
// adjustment dialog, the test prints and Exit.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/windows.h"
#include "playslips/adjust.h"
#include "playslips_helpers.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/waits.h"

using namespace fixture;
using platform::MsgAnswer;
using platform::Windows;
using Step = FileFaults::Step;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save your changes?");
const QString kClearQuestion = QStringLiteral(
    "This will permanently clear all settings for the current game and allow you to reconfigure "
    "the game from scratch. Do you want to proceed");

// Thick, horizontal main marks, vertical extra marks, 5 boards, long marks; positions on boards
// A and C of both sets, some hidden beyond the pools, one needing more than 7 digits.
QByteArray stored() {
    QByteArray b = slip(35, -1, 0, 5, 200);
    putMm(b, false, 1, 1, 1, 10.5f);
    putMm(b, false, 1, 1, 2, 20);
    putMm(b, false, 2, 1, 1, 0.5f);
    putMm(b, false, 2, 1, 2, 1234.5677f);
    putMm(b, false, 49, 1, 1, -2);
    putMm(b, false, 60, 1, 1, 33);  // beyond the pool of 49
    putMm(b, false, 60, 1, 2, 44);
    putMm(b, false, 1, 3, 1, 11);
    putMm(b, true, 1, 3, 1, 100);
    putMm(b, true, 2, 3, 1, 7.1234567f);
    putMm(b, true, 12, 3, 2, 9.87654321f);  // beyond the pool of 10
    putMm(b, true, 1, 1, 1, 5);
    putMm(b, true, 1, 1, 2, 6);
    return b;
}

bool checked(configure& w, const char* name) {
    auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
    return a != nullptr && a->isChecked();
}

class Configure : public PlayslipTest {};

TEST_F(Configure, OpensOnBoardAOfTheMainSet) {
    m1().boardcount = 8;  // left by another game configured before
    configure& w = open();
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board A Main Balls");
    for (int k = 0; k < 65; ++k) {
        EXPECT_EQ(!w.Label1[k]->isHidden(), k < 49) << k;
        EXPECT_EQ(!w.Text1[2 * k]->isHidden(), k < 49) << k;
        EXPECT_EQ(!w.Text1[2 * k + 1]->isHidden(), k < 49) << k;
        EXPECT_EQ(w.Text1[2 * k]->text(), "");
    }
    EXPECT_EQ(w.Label1[48]->text(), "49");
    EXPECT_EQ(w.Label1[0]->font().pointSize(), 12);
    EXPECT_EQ(w.mnuConfigExtra->text(), "Bonus Ball");
    EXPECT_TRUE(w.mnuConfigExtra->isEnabled());
    for (const char* on : {"mnuConfigMain", "mnu3", "mnug1ba", "mnuVerticalMain",
                           "mnuVerticalExtra", "mnuRecom", "mnuMedium"}) {
        EXPECT_TRUE(checked(w, on)) << on;
    }
    EXPECT_TRUE(w.findChild<QAction*>("mnug1bc")->isVisible());
    EXPECT_FALSE(w.findChild<QAction*>("mnug1bd")->isVisible());
    const Module1& m = m1();
    EXPECT_EQ(m.boardcount, 3);
    EXPECT_EQ(m.markwidth, 25);
    EXPECT_EQ(m.marklength, 150);
    EXPECT_EQ(m.currentboard, 1);
    EXPECT_EQ(m.slipmode, "Main Balls");
    EXPECT_FALSE(w.changesmade);
    EXPECT_FALSE(exists(slipFile()));  // looking creates no file
    EXPECT_TRUE(w.mnuPrintCurrent->isEnabled());
}

TEST_F(Configure, RetrieveFillsBoxesAndMenusFromTheFile) {
    writeFile(slipFile(), stored());
    configure& w = open();
    EXPECT_EQ(w.Text1[0]->text(), "10.5");
    EXPECT_EQ(w.Text1[1]->text(), "20");
    EXPECT_EQ(w.Text1[2]->text(), ".5");
    EXPECT_EQ(w.Text1[3]->text(), "1234.568");
    EXPECT_EQ(w.Text1[96]->text(), "");     // -2: no position
    EXPECT_EQ(w.Text1[118]->text(), "33");  // hidden boxes are filled too
    EXPECT_EQ(w.Text1[119]->text(), "44");
    for (const char* on :
         {"mnuHorizontalMain", "mnuVerticalExtra", "mnu5", "mnuThick", "mnuLong"}) {
        EXPECT_TRUE(checked(w, on)) << on;
    }
    EXPECT_FALSE(checked(w, "mnuVerticalMain"));
    EXPECT_FALSE(checked(w, "mnu3"));
    EXPECT_TRUE(w.findChild<QAction*>("mnug1be")->isVisible());
    EXPECT_FALSE(w.findChild<QAction*>("mnug1bf")->isVisible());
    EXPECT_EQ(m1().boardcount, 5);
    EXPECT_EQ(m1().markwidth, 35);
    EXPECT_EQ(m1().marklength, 200);
    EXPECT_FALSE(w.changesmade);
}

TEST_F(Configure, MenuItemsRunTheirHandlers) {
    configure& w = open();
    for (const char* name :
         {"mnu5", "mnuThick", "mnuShort", "mnuHorizontalMain", "mnuHorizontalExtra"}) {
        w.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    w.Text1[0]->setText("9");
    w.findChild<QAction*>("mnuSave")->trigger();
    QByteArray expected = slip(35, -1, -1, 5, 100);
    putMm(expected, false, 1, 1, 1, 9);
    EXPECT_EQ(readFile(slipFile()), expected);
    w.findChild<QAction*>("mnug1bb")->trigger();
    EXPECT_EQ(m1().currentboard, 2);
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board B Main Balls");
    w.findChild<QAction*>("mnuConfigExtra")->trigger();
    EXPECT_EQ(m1().slipmode, "Bonus Ball");
    EXPECT_EQ(m1().currentboard, 1);
    w.findChild<QAction*>("mnuExit")->trigger();
    EXPECT_EQ(Windows::find(configure::kName), nullptr);
}

TEST_F(Configure, UnknownHeaderValuesLeaveTheirMenus) {
    configure& w = open();
    w.mnuThin_Click();
    w.mnuLong_Click();
    w.mnuNumber_Click(7);
    w.mnuHorizontalMain_Click();
    writeFile(slipFile(), slip(20, 1, -1, 0, 0));
    w.mnuRetrieve_Click();
    EXPECT_TRUE(checked(w, "mnuThin"));
    EXPECT_EQ(m1().markwidth, 15);
    EXPECT_TRUE(checked(w, "mnu7"));
    EXPECT_EQ(m1().boardcount, 7);
    EXPECT_TRUE(checked(w, "mnuMedium"));  // a length of 0 shows as Medium
    EXPECT_EQ(m1().marklength, 150);
    EXPECT_TRUE(checked(w, "mnuVerticalMain"));
    EXPECT_TRUE(checked(w, "mnuHorizontalExtra"));
}

TEST_F(Configure, SaveChangesOnlyTheBoxesTheBoardAndTheSetOnScreen) {
    const QByteArray before = stored();
    writeFile(slipFile(), before);
    configure& w = open();
    w.mnuConfigExtra_Click();
    w.mnuBoard_Click(3);
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board C Bonus Ball");
    EXPECT_EQ(w.Text1[2]->text(), "7.123456");
    w.Text1[4]->setText("12.5mm");
    w.Text1[5]->setText("abc");
    EXPECT_TRUE(w.changesmade);
    w.mnuSave_Click();
    EXPECT_FALSE(w.changesmade);

    QByteArray expected = before;
    putMm(expected, true, 3, 3, 1, 12.5f);
    putMm(expected, true, 3, 3, 2, 0);
    // Everything else is as stored, to the bit: the 7-digit texts on screen were not typed.
    EXPECT_EQ(readFile(slipFile()), expected);
}

TEST_F(Configure, SaveWithoutStoredCountStoresTheShownOne) {
    m1().boardcount = 0;
    configure& w = open();
    w.Text1[0]->setText("5");
    w.Text1[1]->setText("6");
    w.mnuSave_Click();
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 1, 1, 5);
    putMm(expected, false, 1, 1, 2, 6);
    EXPECT_EQ(readFile(slipFile()), expected);
}

TEST_F(Configure, SaveStoresTheMenus) {
    configure& w = open();
    w.mnuThin_Click();
    w.mnuShort_Click();
    w.mnuHorizontalExtra_Click();
    w.mnuNumber_Click(10);
    w.mnuSave_Click();
    EXPECT_EQ(readFile(slipFile()), slip(15, 0, -1, 10, 100));
}

TEST_F(Configure, PositionsBeyondAPlayslipAreNotSaved) {
    writeFile(slipFile(), stored());
    configure& w = open();
    w.Text1[1]->setText("2e4");
    messages().expect(
        "The Y position of ball 1, 2e4 mm, is not on a playslip: it can be at most 10000 mm. "
        "Nothing was saved.");
    w.mnuSave_Click();
    EXPECT_EQ(readFile(slipFile()), stored());
    EXPECT_TRUE(w.changesmade);
}

TEST_F(Configure, ClearAllLeavesOneZeroRecordAndMenusThatAgreeWithIt) {
    writeFile(slipFile(), stored());
    configure& w = open();
    w.mnuConfigExtra_Click();
    w.mnuBoard_Click(3);
    w.Text1[0]->setText("1");
    messages().expect(kClearQuestion, MsgAnswer::No, platform::MsgDefault::No);
    w.mnuClearKill_Click();
    EXPECT_EQ(readFile(slipFile()), stored());

    messages().expect(kClearQuestion, MsgAnswer::Yes);
    w.mnuClearKill_Click();  // no save question: the edits went with the settings
    EXPECT_EQ(readFile(slipFile()), QByteArray(17434, '\0'));
    for (const char* on : {"mnuConfigMain", "mnu3", "mnug1ba", "mnuVerticalMain",
                           "mnuVerticalExtra", "mnuRecom", "mnuMedium"}) {
        EXPECT_TRUE(checked(w, on)) << on;
    }
    EXPECT_FALSE(checked(w, "mnuThick"));
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board A Main Balls");
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_FALSE(w.changesmade);
    // The next Save stores what the menus show.
    w.mnuSave_Click();
    EXPECT_EQ(readFile(slipFile()), slip(25, 0, 0, 3, 150));
}

TEST_F(Configure, DamagedFileIsRefusedNeverShownAndNeverMergedInto) {
    QByteArray damaged = stored();
    damaged.chop(434);
    writeFile(slipFile(), damaged);
    const QString refused = QStringLiteral(
        "The playslip settings in Lotto.dat are damaged (it holds 17000 bytes instead of 17434) "
        "and were not used.");
    messages().expect(refused);
    configure& w = open();
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_TRUE(checked(w, "mnu3"));
    EXPECT_TRUE(checked(w, "mnuRecom"));
    w.Text1[0]->setText("4");
    messages().expect(refused + QStringLiteral(" Nothing was saved."));
    w.mnuSave_Click();
    messages().expect(kSaveQuestion, MsgAnswer::No);
    messages().expect(refused);
    w.mnuBoard_Click(2);
    w.Text1[0]->setText("4");
    w.Text1[1]->setText("5");
    messages().expect(refused);
    w.mnuSuggest_Click();
    EXPECT_EQ(w.Text1[2]->text(), "");
    EXPECT_EQ(readFile(slipFile()), damaged);
}

TEST_F(Configure, BoxesLeftBlankByADamagedFileKeepTheRepairedFilesValues) {
    writeFile(slipFile(), stored().left(100));
    messages().expect(QStringLiteral(
        "The playslip settings in Lotto.dat are damaged (it holds 100 bytes instead of 17434) "
        "and were not used."));
    configure& w = open();
    writeFile(slipFile(), stored());  // put right meanwhile
    w.Text1[4]->setText("3");
    w.mnuSave_Click();
    QByteArray expected = stored();
    putMm(expected, false, 3, 1, 1, 3);
    // Saved with the shown menus; every blank box the player did not touch kept its position.
    expected.replace(0, 8, le16(25) + le16(0) + le16(0) + le16(3));
    expected.replace(17432, 2, le16(150));
    EXPECT_EQ(readFile(slipFile()), expected);
}

class ConfigureWriteFailure : public Configure, public ::testing::WithParamInterface<Step> {};

TEST_P(ConfigureWriteFailure, SaveAndClearKeepTheFileAndSaySo) {
    writeFile(slipFile(), stored());
    configure& w = open();
    w.Text1[0]->setText("99");
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QStringLiteral("The playslip settings could not be saved. ") +
                      FileFaults::reason(GetParam()));
    w.mnuSave_Click();
    EXPECT_EQ(readFile(slipFile()), stored());
    EXPECT_TRUE(w.changesmade);

    // A switch whose save fails stays on the board, with the edits on screen.
    fileFaults().failAt(GetParam(), 1);
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    messages().expect(QStringLiteral("The playslip settings could not be saved. ") +
                      FileFaults::reason(GetParam()));
    w.mnuBoard_Click(2);
    EXPECT_EQ(m1().currentboard, 1);
    EXPECT_TRUE(checked(w, "mnug1ba"));
    EXPECT_FALSE(checked(w, "mnug1bb"));
    EXPECT_EQ(w.Text1[0]->text(), "99");

    fileFaults().failAt(GetParam(), 1);
    messages().expect(kClearQuestion, MsgAnswer::Yes);
    messages().expect(QStringLiteral("The playslip settings could not be cleared. ") +
                      FileFaults::reason(GetParam()));
    w.mnuClearKill_Click();
    EXPECT_EQ(readFile(slipFile()), stored());
    EXPECT_EQ(w.Text1[0]->text(), "99");

    // Exit whose save fails stays open, the edits still there.
    fileFaults().failAt(GetParam(), 1);
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    messages().expect(QStringLiteral("The playslip settings could not be saved. ") +
                      FileFaults::reason(GetParam()));
    w.mnuExit_Click();
    EXPECT_EQ(Windows::find(configure::kName), &w);
    EXPECT_FALSE(Windows::find(windownames::PrintManager)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Steps, ConfigureWriteFailure,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

TEST_F(Configure, ReadOnlyFileIsNeverReplaced) {
    writeFile(slipFile(), stored());
    QFile::setPermissions(file(slipFile()), QFileDevice::ReadOwner);
    configure& w = open();
    EXPECT_EQ(w.Text1[0]->text(), "10.5");
    w.Text1[0]->setText("1");
    messages().expect(QStringLiteral("The playslip settings could not be saved. Existing file ") +
                      file(slipFile()) + QStringLiteral(" is not writable"));
    w.mnuSave_Click();
    messages().expect(kClearQuestion, MsgAnswer::Yes);
    messages().expect(QStringLiteral("The playslip settings could not be cleared. Existing file ") +
                      file(slipFile()) + QStringLiteral(" is not writable"));
    w.mnuClearKill_Click();
    EXPECT_EQ(readFile(slipFile()), stored());
}

TEST_F(Configure, BoardSwitchAsksToSaveIntoTheBoardStillCurrent) {
    configure& w = open();
    w.Text1[0]->setText("10");
    w.Text1[1]->setText("20");
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    w.mnuBoard_Click(2);
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board B Main Balls");
    EXPECT_TRUE(checked(w, "mnug1bb"));
    EXPECT_FALSE(checked(w, "mnug1ba"));
    EXPECT_EQ(w.Text1[0]->text(), "");
    w.Text1[0]->setText("77");
    messages().expect(kSaveQuestion, MsgAnswer::No);
    w.mnuBoard_Click(1);
    EXPECT_EQ(w.Text1[0]->text(), "10");
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 1, 1, 10);
    putMm(expected, false, 1, 1, 2, 20);
    EXPECT_EQ(readFile(slipFile()), expected);
    // Width, length and orientation are not changes to ask about; Retrieve puts them back.
    w.mnuThick_Click();
    w.mnuHorizontalMain_Click();
    w.mnuBoard_Click(2);
    EXPECT_TRUE(checked(w, "mnuVerticalMain"));
    EXPECT_TRUE(checked(w, "mnuRecom"));
}

TEST_F(Configure, BoardCountShowsItsBoardsAndIsAChange) {
    configure& w = open();
    w.mnuNumber_Click(4);
    EXPECT_TRUE(checked(w, "mnu4"));
    EXPECT_FALSE(checked(w, "mnu3"));
    EXPECT_TRUE(w.findChild<QAction*>("mnug1bd")->isVisible());
    EXPECT_FALSE(w.findChild<QAction*>("mnug1be")->isVisible());
    EXPECT_TRUE(w.changesmade);
    messages().expect(kSaveQuestion, MsgAnswer::No);  // no box changed, the count did
    w.mnuBoard_Click(4);
    // Fewer boards hide Board D's item but keep it current; Save still writes board D.
    w.mnuNumber_Click(3);
    EXPECT_FALSE(w.findChild<QAction*>("mnug1bd")->isVisible());
    EXPECT_TRUE(checked(w, "mnug1bd"));
    w.Text1[0]->setText("8");
    w.mnuSave_Click();
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 4, 1, 8);
    EXPECT_EQ(readFile(slipFile()), expected);
}

}  // namespace
