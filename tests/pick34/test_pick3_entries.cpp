// The Pick window's entry list: deleting entries, leaving an empty file, the check, printing.
#include <gtest/gtest.h>

#include "pick3_helpers.h"
#include "shared/module1.h"

using namespace fixture;
using platform::MsgAnswer;

namespace {

class PickEntries : public Pick3Test {};

const QString kName = QStringLiteral("Pick3Night05Mar2012.lot");

TEST_F(PickEntries, DeletingSomeEntriesSaysNothing) {
    writeFile(kName, entries({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}}));
    Pick3& w = open(3);
    w.List2->addItem("old summary");
    select(*w.List1, {1, 3});
    messages().expect("Are you sure you want to delete the 2 selected entries?", MsgAnswer::Yes);
    w.Command5_Click();
    EXPECT_EQ(readFile(kName),
              entries({{1, 1, 1}, {3, 3, 3}}) + pickEntry(0, {4, 4, 4}).repeated(2));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->item(1)->text(), QStringLiteral("3 3 3 "));
    EXPECT_EQ(w.List2->count(), 0);
}

TEST_F(PickEntries, DeletingEveryEntrySaysDoneAndTheFileGoesWhenLeft) {
    writeFile(kName, entries({{1, 1, 1}, {2, 2, 2}}));
    Pick3& w = open(3);
    select(*w.List1, {0, 1});
    messages().expect("Are you sure you want to delete the 2 selected entries?", MsgAnswer::Yes);
    messages().expect("Done");
    w.Command5_Click();
    EXPECT_EQ(w.Text2->text(), QStringLiteral("0"));
    EXPECT_TRUE(exists(kName));
    w.DTPicker2->setValue(QDate(2012, 3, 6));
    w.DTPicker2_Change();
    EXPECT_FALSE(exists(kName));
}

TEST_F(PickEntries, DeleteRefusals) {
    Pick3& w = open(3);
    messages().expect("There are no entries to delete");
    w.Command5_Click();
    writeFile(kName, entries({{1, 1, 1}}));
    w.DTPicker2_Change();
    messages().expect("You have not selected any entries for deletion.");
    w.Command5_Click();
    select(*w.List1, {0});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::No,
                      platform::MsgDefault::No);
    w.Command5_Click();
    EXPECT_EQ(readFile(kName), entries({{1, 1, 1}}));
    EXPECT_EQ(w.List1->count(), 1);
}

TEST_F(PickEntries, CheckListsOneSummaryLinePerEntry) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3}));
    writeFile(kName, entries({{3, 2, 1}, {9, 9, 9}, {1, 2, 3}}));
    Pick3& w = open(3);
    w.Command14_Click();
    ASSERT_EQ(w.List2->count(), 3);
    EXPECT_EQ(w.List2->item(0)->text(), QStringLiteral(" 3 2 1 (1-2) Sum"));
    EXPECT_EQ(w.List2->item(1)->text(), QStringLiteral(" 9 9 9 (0-0) "));
    EXPECT_EQ(w.List2->item(2)->text(), QStringLiteral(" 1 2 3 (3-0) Sum"));
}

TEST_F(PickEntries, CheckRefusalsComeInOrder) {
    writeFile("XWPick4Night.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3, 4}));
    Pick3& w = open(4);
    messages().expect("You do not have any entries listed to check!");
    w.Command14_Click();  // a draw is shown, but there is nothing to check
    writeFile("Pick4Night05Mar2012.lot", entries({{4, 3, 2, 1}}));
    w.DTPicker2_Change();
    w.Text1->clear();
    messages().expect("No draw result displayed to check against");
    w.Command14_Click();
    w.Text1->setText("123");
    messages().expect("Invalid draw number");
    w.Command14_Click();
    EXPECT_EQ(w.List2->count(), 0);
    w.Text1->setText("1234");
    w.Command14_Click();
    ASSERT_EQ(w.List2->count(), 1);
    EXPECT_EQ(w.List2->item(0)->text(), QStringLiteral(" 4 3 2 1 (0-4) Sum"));
}

TEST_F(PickEntries, ListsPrintIndentedAfterThreeEmptyLines) {
    writeFile(kName, entries({{1, 2, 3}, {4, 5, 6}}));
    Pick3& w = open(3);
    w.Command9_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const QString indent(16, u' ');
    EXPECT_EQ(printer().documents()[0].pages[0].texts,
              (QStringList{"", "", "", indent + "1 2 3 ", indent + "4 5 6 "}));
    messages().expect("There is no list to print!");
    w.Command10_Click();
    EXPECT_EQ(printer().documents().size(), 1u);
}

TEST_F(PickEntries, ChangingDrawTimeLeavesAnEmptyFileBehindNoMore) {
    writeFile(kName, pickEntry(0, {1, 2, 3}));
    writeFile("Pick3Day05Mar2012.lot", pickEntry(0, {1, 2, 3}));
    Pick3& w = open(3);
    w.MnuDay_Click();
    EXPECT_FALSE(exists(kName));
    EXPECT_TRUE(exists("Pick3Day05Mar2012.lot"));  // listed now; it goes when left
}

}  // namespace
