// The optimiser window: its range checks, the entries it appends to the dated file of its date
// (byte for byte), its two questions, the game it counted for, the record limit, write failures,
// and its hand-back to a main window that stayed enabled.
#include <gtest/gtest.h>

#include <QTimer>

#include "entries/LinkProcess.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "stats_helpers.h"
#include "support/waits.h"

using platform::MsgAnswer;
using platform::Windows;

namespace {

const char* const kFile = "Lotto05Mar2012.lot";
const char* const kExisting =
    "You already have a date entry for this date, do you want to add the new optimised entry to "
    "the existing entry?";
const char* const kQuit =
    "You have not yet created an entry from the last initiation of Process Range. Do you still "
    "want to quit?";

QByteArray made(long count, std::initializer_list<int> balls, int extra) {
    return fixture::draw(count, 0, 5, 3, 2012, balls, extra);
}

// What the known history gives: 1 -> 2 -> 3; 4, 5 and 6 end on 1 and 2; 7 was never drawn.
// Extra 8 lies above the main pool.
QByteArray knownEntries(long count) {
    return made(count, {1, 2, 3}, 7) + made(0, {1, 2, 4}, 8) + made(0, {1, 2, 5}, 7) +
           made(0, {1, 2, 6}, 7);
}

}  // namespace

class LinkProcessTest : public StatsTest {
protected:
    // 3 of 7 with an extra from its own pool of 8.
    Form1& startLotto() {
        Form1& main = startGame("Lotto", 3, 7, Extra::OwnPool, 8);
        writeFile("Lotto.rtl", history({{{1, 2, 3}, 7}, {{1, 2, 4}, 8}, {{2, 5, 6}, 7}}));
        return main;
    }
    static LinkProcess& open() {
        return *static_cast<LinkProcess*>(Windows::show(LinkProcess::kName));
    }
    void process(LinkProcess& w, const char* n) {
        w.Text1->setText(QString::fromLatin1(n));
        messages().expect(QStringLiteral("Last %1 draws have been link processed").arg(n));
        w.Command1_Click();
    }
    void create(LinkProcess& w, int added) {
        messages().expect(QStringLiteral("Done - %1 entries added to draw 05/03/2012").arg(added));
        w.Command2_Click();
    }
};

TEST_F(LinkProcessTest, OpensForTheGameWithItsDrawCount) {
    startLotto();
    LinkProcess& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Optimizer for Lotto"));
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("Enter number from 1 to 3"));
    EXPECT_FALSE(w.Command2->isEnabled());
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(w.DTPicker1->customFormat(), QStringLiteral("dd MMMM yyy"));
    EXPECT_FALSE(m1().linkprocessed);
}

TEST_F(LinkProcessTest, ProcessRangeRefusesWhatItCannotCount) {
    startLotto();
    LinkProcess& w = open();
    process(w, "3");
    ASSERT_TRUE(w.Command2->isEnabled());
    w.Text1->clear();
    EXPECT_FALSE(w.Command2->isEnabled());  // any change
    messages().expect("Please enter a value");
    w.Command1_Click();
    for (const char* n : {"abc", "0", "4", "-1"}) {
        w.Text1->setText(QString::fromLatin1(n));
        messages().expect("Your entry is outside the permitted draw range");
        w.Command1_Click();
        EXPECT_FALSE(w.Command2->isEnabled()) << n;
    }
    EXPECT_EQ(w.GetBestFor(1, 0, 0, 0, 0, 0, 0), 0);  // the refusals left the tables reset
}

TEST_F(LinkProcessTest, AnEmptyHistoryCannotBeProcessed) {
    startGame("Lotto", 3, 7);
    LinkProcess& w = open();
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("Enter number from 1 to 0"));
    w.Text1->setText("1");
    messages().expect("There are no draws in the history file, this process cannot be run.");
    w.Command1_Click();
}

TEST_F(LinkProcessTest, AFileOutsideTheBallRangeIsRefused) {
    startLotto();
    writeFile("Lotto.rtl", history({{{1, 2, 3}, 7}, {{1, 2, 99}, 8}}));
    LinkProcess& w = open();
    w.Text1->setText("2");
    messages().expect(
        "A ball number in the results file is not in the ball range of the game. Please check "
        "Configure Game Definition for this game and download the results overwriting the "
        "existing results.");
    w.Command1_Click();
    EXPECT_FALSE(w.Command2->isEnabled());
    EXPECT_FALSE(m1().linkprocessed);
}

TEST_F(LinkProcessTest, CreatesTheChainedEntriesInTheDatedFile) {
    startLotto();
    LinkProcess& w = open();
    process(w, "3");
    EXPECT_EQ(w.GetBestFor(1, 0, 0, 0, 0, 0, 0), 2);
    EXPECT_EQ(w.GetBestFor(2, 1, 0, 0, 0, 0, 0), 3);
    create(w, 4);
    EXPECT_EQ(readFile(kFile), knownEntries(4));
    EXPECT_TRUE(m1().linkentriesmade);
    EXPECT_TRUE(m1().linkfilechanged);  // the main window shows this date's entries
    // Closes without asking once entries were made.
    w.Command3_Click();
    EXPECT_EQ(Windows::find(LinkProcess::kName), nullptr);
    EXPECT_TRUE(m1().linkclosed);
}

TEST_F(LinkProcessTest, TheLatestDrawAloneGivesOneEntry) {
    startLotto();
    LinkProcess& w = open();
    process(w, "1");
    create(w, 1);
    EXPECT_EQ(readFile(kFile), made(1, {2, 5, 6}, 7));
}

TEST_F(LinkProcessTest, AnExistingFileIsAskedAboutAndAppendedTo) {
    Form1& main = startLotto();
    main.DTPicker2->setValue(QDate(2012, 3, 6));  // the main window shows another date
    const QByteArray before = made(1, {4, 5, 6}, 1);
    writeFile(kFile, before);
    LinkProcess& w = open();
    process(w, "3");
    messages().expect(kExisting, MsgAnswer::No);
    w.Command2_Click();
    EXPECT_EQ(readFile(kFile), before);
    EXPECT_FALSE(m1().linkentriesmade);
    EXPECT_FALSE(m1().linkfilechanged);

    messages().expect(kExisting, MsgAnswer::Yes);
    create(w, 4);
    EXPECT_EQ(readFile(kFile), made(5, {4, 5, 6}, 1) + knownEntries(0));
    // Again: the same entries once more, the duplicate test looks at this run only.
    messages().expect(kExisting, MsgAnswer::Yes);
    create(w, 4);
    EXPECT_EQ(readFile(kFile), made(9, {4, 5, 6}, 1) + knownEntries(0) + knownEntries(0));
}

TEST_F(LinkProcessTest, ARunThatAddsNothingLeavesACountOfZero) {
    startLotto();
    writeFile("Lotto.rtl", history({{{0, 0, 0}, 1}}));  // a draw without numbers
    LinkProcess& w = open();
    process(w, "1");
    create(w, 0);
    EXPECT_EQ(readFile(kFile), fixture::draw(0, 0, 0, 0, 0, {}, 0));
}

TEST_F(LinkProcessTest, TablesOfAnotherGameAreNotWrittenIntoThisOne) {
    Form1& main = startLotto();
    LinkProcess& w = open();
    process(w, "3");
    writeGame(2, game("Other", 3, 7, 8));
    main.Option2_Click();  // the main window stayed usable
    messages().expect(
        "The game has changed since the range was processed. Please process the range again.");
    w.Command2_Click();
    EXPECT_FALSE(w.Command2->isEnabled());
    EXPECT_TRUE(readFile("Other05Mar2012.lot").isEmpty());
    EXPECT_FALSE(m1().linkentriesmade);
    // Processed again, the window names and writes the game now chosen.
    writeFile("Other.rtl", history({{{4, 5, 6}, 2}}));
    process(w, "1");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Optimizer for Other"));
    messages().expect("Done - 1 entries added to draw 05/03/2012");
    w.Command2_Click();
    EXPECT_EQ(readFile("Other05Mar2012.lot"), made(1, {4, 5, 6}, 2));
}

TEST_F(LinkProcessTest, TheRecordLimitOfTheEntryFileHolds) {
    startLotto();
    QByteArray full = made(kMaxRecordCount - 3, {4, 5, 6}, 1);
    full += QByteArray(DrawRecord::kSize * (kMaxRecordCount - 4), '\0');
    writeFile(kFile, full);
    LinkProcess& w = open();
    process(w, "3");
    messages().expect(kExisting, MsgAnswer::Yes);
    messages().expect(recordLimitMessage());
    w.Command2_Click();
    EXPECT_EQ(readFile(kFile), full);
    EXPECT_FALSE(m1().linkentriesmade);
}

TEST_F(LinkProcessTest, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    startLotto();
    const QByteArray before = made(1, {4, 5, 6}, 1);
    for (FileFaults::Step step :
         {FileFaults::Step::Write, FileFaults::Step::Flush, FileFaults::Step::Commit}) {
        writeFile(kFile, before);
        LinkProcess& w = open();
        process(w, "3");
        fileFaults().failAt(step, 1);
        messages().expect(kExisting, MsgAnswer::Yes);
        messages().expect(QStringLiteral("The entries could not be saved. ") +
                          FileFaults::reason(step));
        w.Command2_Click();
        EXPECT_EQ(readFile(kFile), before);
        EXPECT_FALSE(m1().linkentriesmade);
        fileFaults().reset();
        messages().expect(kQuit, MsgAnswer::Yes);
        w.Command3_Click();
    }
}

TEST_F(LinkProcessTest, CloseAsksAfterAnUnusedProcessRangeAndTheCloseBoxToo) {
    startLotto();
    LinkProcess& w = open();
    process(w, "3");
    messages().expect(kQuit, MsgAnswer::No);
    w.Command3_Click();
    EXPECT_EQ(Windows::find(LinkProcess::kName), &w);
    EXPECT_FALSE(m1().linkclosed);
    messages().expect(kQuit, MsgAnswer::No);
    w.close();
    EXPECT_EQ(Windows::find(LinkProcess::kName), &w);
    messages().expect(kQuit, MsgAnswer::Yes);
    w.close();
    EXPECT_EQ(Windows::find(LinkProcess::kName), nullptr);
    EXPECT_TRUE(m1().linkclosed);
}

TEST_F(LinkProcessTest, TheMainWindowStaysUsableAndRelistsItsDateAfterwards) {
    Form1& main = startLotto();
    QTimer::singleShot(0, &main, [&] {
        EXPECT_TRUE(main.isEnabled());
        auto* w = Windows::live<LinkProcess>(LinkProcess::kName);
        ASSERT_NE(w, nullptr);
        process(*w, "3");
        create(*w, 4);
        w->Command3_Click();
    });
    main.mnuOptCreate_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(main.Text2->text(), QStringLiteral("4"));
    EXPECT_EQ(main.List1->count(), 4);
}
