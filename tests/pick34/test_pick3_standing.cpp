// Standing entries and the copy of a day's entries to the other draw time.
#include <gtest/gtest.h>

#include <QDir>

#include "pick3_helpers.h"
#include "shared/module1.h"

using namespace fixture;
using platform::MsgAnswer;

namespace {

class PickStanding : public Pick3Test {};

const QString kDated = QStringLiteral("Pick3Night05Mar2012.lot");
const QString kStanding = QStringLiteral("Pick3StandNight.lot");
const QString kOverwrite = QStringLiteral(
    "You already have a standing for this game. Only one standing entry is allowed per game. Do "
    "you want to continue and overwrite your existing file?");
const QString kNoStanding = QStringLiteral(
    "You do not have a standing entry for this game. You need to save an entry as a standing "
    "entry first");

TEST_F(PickStanding, SavingTwiceAsksTheSecondTime) {
    writeFile(kDated, entries({{1, 2, 3}}));
    Pick3& w = open(3);
    messages().expect("Done");
    w.mnuStandSave_Click();
    EXPECT_EQ(readFile(kStanding), entries({{1, 2, 3}}));
    writeFile(kDated, entries({{4, 5, 6}, {7, 8, 9}}));
    w.DTPicker2_Change();
    messages().expect(kOverwrite, MsgAnswer::No, platform::MsgDefault::No);
    w.mnuStandSave_Click();
    EXPECT_EQ(readFile(kStanding), entries({{1, 2, 3}}));
    messages().expect(kOverwrite, MsgAnswer::Yes);
    messages().expect("Done");
    w.mnuStandSave_Click();
    EXPECT_EQ(readFile(kStanding), entries({{4, 5, 6}, {7, 8, 9}}));
}

TEST_F(PickStanding, SavingNeedsListedEntries) {
    Pick3& w = open(3);
    messages().expect("No entry displayed in My Entries to save as a standing entry");
    w.mnuStandSave_Click();
    EXPECT_FALSE(exists(kStanding));
}

TEST_F(PickStanding, OpeningListsTheStandingFileUntilDatedEntry) {
    writeFile(kStanding, entries({{1, 2, 3}, {4, 5, 6}}));
    writeFile(kDated, entries({{9, 9, 9}}));
    Pick3& w = open(3);
    w.List2->addItem("old summary");
    w.mnuStandOpen_Click();
    EXPECT_FALSE(w.Command3->isHidden());
    EXPECT_EQ(m1().pickentryfile, file(kStanding));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List2->count(), 0);
    w.mnuStandOpen_Click();  // already listed: nothing changes
    EXPECT_EQ(w.List1->count(), 2);
    // Saving the listed standing file onto itself copies nothing, and says so.
    messages().expect("The standing entry is the file listed: there is nothing to save.");
    w.mnuStandSave_Click();
    messages().expect(
        "You can only save both when the source is day or night, you currently have a standing "
        "entry open");
    w.mnuBoth_Click();
    w.Command3_Click();
    EXPECT_TRUE(w.Command3->isHidden());
    EXPECT_EQ(m1().pickentryfile, file(kDated));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("1"));
}

TEST_F(PickStanding, OpeningWithoutOneKeepsTheDatedListAndCreatesNothing) {
    writeFile(kDated, entries({{9, 9, 9}}));
    Pick3& w = open(3);
    messages().expect(kNoStanding);
    w.mnuStandOpen_Click();
    EXPECT_FALSE(exists(kStanding));
    EXPECT_TRUE(w.Command3->isHidden());
    EXPECT_EQ(w.List1->count(), 1);
}

TEST_F(PickStanding, OpeningLeavesNoEmptyDatedFileBehind) {
    writeFile(kStanding, entries({{1, 2, 3}}));
    writeFile(kDated, pickEntry(0, {9, 9, 9}));
    Pick3& w = open(3);
    w.mnuStandOpen_Click();
    EXPECT_FALSE(exists(kDated));
    EXPECT_TRUE(exists(kStanding));
}

TEST_F(PickStanding, AnotherEntryDateListsTheDatedFileAgain) {
    writeFile(kStanding, entries({{1, 2, 3}}));
    Pick3& w = open(3);
    w.mnuStandOpen_Click();
    w.DTPicker2->setValue(QDate(2012, 3, 6));
    w.DTPicker2_Change();
    EXPECT_TRUE(w.Command3->isHidden());
    EXPECT_EQ(m1().pickentryfile, file("Pick3Night06Mar2012.lot"));
}

class PickCopy : public Pick3Test {
protected:
    // A data folder whose own name holds both words the copy once looked for.
    void SetUp() override {
        Pick3Test::SetUp();
        ASSERT_TRUE(QDir(dataPath()).mkpath("standish/Daylight"));
        m1().datapath = dataPath() + "/standish/Daylight";
    }
    QString folder(const QString& name) const { return "standish/Daylight/" + name; }
};

TEST_F(PickCopy, NightEntriesGoToTheDayFileOfTheSameDate) {
    writeFile(folder("Pick4Night05Mar2012.lot"), entries({{1, 2, 3, 4}}));
    Pick3& w = open(4);
    messages().expect("Done");
    w.mnuBoth_Click();
    EXPECT_EQ(readFile(folder("Pick4Day05Mar2012.lot")), entries({{1, 2, 3, 4}}));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pick 4 Evening Draws"));  // the display stays
}

TEST_F(PickCopy, DayEntriesReplaceNightEntriesOnlyWhenTheAnswerIsYes) {
    writeFile(folder("Pick3Day05Mar2012.lot"), entries({{1, 2, 3}}));
    writeFile(folder("Pick3Night05Mar2012.lot"), entries({{7, 7, 7}}));
    Pick3& w = open(3);
    w.MnuDay_Click();
    const QString question = QStringLiteral(
        "A pick 3 night entry already exists, do you want to replace it with this entry?");
    messages().expect(question, MsgAnswer::No, platform::MsgDefault::No);
    w.mnuBoth_Click();
    EXPECT_EQ(readFile(folder("Pick3Night05Mar2012.lot")), entries({{7, 7, 7}}));
    messages().expect(question, MsgAnswer::Yes);
    messages().expect("Done");
    w.mnuBoth_Click();
    EXPECT_EQ(readFile(folder("Pick3Night05Mar2012.lot")), entries({{1, 2, 3}}));
}

TEST_F(PickCopy, NothingListedNothingCopied) {
    Pick3& w = open(3);
    messages().expect("You have no entries diplayed to save.");
    w.mnuBoth_Click();
    EXPECT_FALSE(exists(folder("Pick3Day05Mar2012.lot")));
}

}  // namespace
