// The Pick window: opening on a game and draw time, the game switch, and the draw box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/Form1.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;
using platform::MsgAnswer;

namespace {

class PickWindow : public Pick3Test {};

TEST_F(PickWindow, FirstOpeningShowsTheEveningDrawAndEntriesOfToday) {
    writeFile("XWPick3Night.rtl",
              pick(2, 1, 4, 3, 2012, {1, 1, 1}) + pick(0, 2, 5, 3, 2012, {4, 0, 7}));
    writeFile("XWPick3Day.rtl", pick(1, 1, 5, 3, 2012, {9, 9, 9}));
    writeFile("Pick3Night05Mar2012.lot", entries({{1, 2, 3}, {0, 0, 7}}));
    Pick3& w = open(3);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pick 3 Evening Draws"));
    EXPECT_TRUE(w.mnuEvening->isChecked());
    EXPECT_FALSE(w.MnuDay->isChecked());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Evening Draw"));
    EXPECT_EQ(w.Frame5->title(), QStringLiteral("My Entries for Pick 3 Evening"));
    EXPECT_EQ(w.Frame6->title(), QStringLiteral("Check Summary for Pick 3 Evening"));
    EXPECT_EQ(w.Command7->text(), QStringLiteral("Switch To Pick 4"));
    EXPECT_EQ(w.Text1->maxLength(), 3);
    EXPECT_FALSE(w.mnusg4->isVisible());
    EXPECT_TRUE(w.Command3->isHidden());
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(w.DTPicker2->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
    EXPECT_EQ(m1().drawrecordno, 2);
    EXPECT_EQ(m1().pickdrawcount, 2);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->item(1)->text(), QStringLiteral("0 0 7 "));
    EXPECT_TRUE(w.Label2->text().endsWith(QStringLiteral("Total draws = 2")));
}

TEST_F(PickWindow, DayShowsTheDayFiles) {
    writeFile("XWPick3Day.rtl", pick(1, 1, 5, 3, 2012, {9, 9, 9}));
    writeFile("Pick3Day05Mar2012.lot", entries({{5, 5, 5}}));
    Pick3& w = open(3);
    w.MnuDay_Click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pick 3 Day Draws"));
    EXPECT_TRUE(w.MnuDay->isChecked());
    EXPECT_FALSE(w.mnuEvening->isChecked());
    EXPECT_EQ(w.Text1->text(), QStringLiteral("999"));
    EXPECT_EQ(m1().pickentryfile, file("Pick3Day05Mar2012.lot"));
    EXPECT_EQ(w.List1->item(0)->text(), QStringLiteral("5 5 5 "));
}

TEST_F(PickWindow, SwitchingGameKeepsTheDrawTimeAndGoesBackToToday) {
    writeFile("XWPick4Day.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3, 4}));
    writeFile("Pick4Day05Mar2012.lot", entries({{0, 0, 0, 1}}));
    Pick3& w = open(3);
    w.MnuDay_Click();
    w.DTPicker1->setValue(QDate(2012, 1, 1));
    w.DTPicker2->setValue(QDate(2012, 1, 1));
    w.Text1->setText("12");
    w.Command7_Click();
    EXPECT_EQ(m1().pickgame, 4);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pick 4 Day Draws"));
    EXPECT_EQ(w.Command7->text(), QStringLiteral("Switch To Pick 3"));
    EXPECT_EQ(w.Text1->maxLength(), 4);
    EXPECT_TRUE(w.mnusg4->isVisible());
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("1234"));
    EXPECT_EQ(w.List1->item(0)->text(), QStringLiteral("0 0 0 1 "));
    // The kept draw time also holds for the next opening.
    w.Command6_Click();
    Pick3& again = open(3);
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Pick 3 Day Draws"));
}

TEST_F(PickWindow, ADateWithoutADrawEmptiesTheBoxAndKeepsTheSummary) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    Pick3& w = open(3);
    w.List2->addItem("kept");
    w.DTPicker1->setValue(QDate(2012, 3, 6));
    w.DTPicker1_Change();
    EXPECT_EQ(w.Text1->text(), QString());
    EXPECT_EQ(w.List2->count(), 1);
    w.DTPicker1->setValue(QDate(2012, 3, 5));
    w.DTPicker1_Change();
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
    EXPECT_EQ(w.List2->count(), 0);
}

struct BadDraw {
    int game;
    const char* text;
    const char* message;
};

class PickDrawRefused : public Pick3Test, public ::testing::WithParamInterface<BadDraw> {};

TEST_P(PickDrawRefused, NothingIsStored) {
    Pick3& w = open(GetParam().game);
    w.Text1->setMaxLength(10);  // as if pasted past the limit
    w.Text1->setText(QString::fromLatin1(GetParam().text));
    messages().expect(QString::fromLatin1(GetParam().message));
    w.Command1_Click();
    EXPECT_FALSE(exists("XWPick3Night.rtl"));
    EXPECT_FALSE(exists("XWPick4Night.rtl"));
}

INSTANTIATE_TEST_SUITE_P(Pick, PickDrawRefused,
                         ::testing::Values(BadDraw{3, "", "You have not entered a draw result"},
                                           BadDraw{3, "12", "Invalid draw number"},
                                           BadDraw{3, "1 2", "Invalid draw number"},
                                           BadDraw{3, "1234", "Invalid draw number"},
                                           BadDraw{4, "12a4", "Invalid draw number"},
                                           BadDraw{4, "123", "Invalid draw number"}));

TEST_F(PickWindow, AddingADrawStoresItInDateOrder) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 6, 3, 2012, {1, 1, 1}));
    Pick3& w = open(3);
    w.Text1->setText("407");
    messages().expect("Done");
    w.Command1_Click();
    EXPECT_EQ(readFile("XWPick3Night.rtl"),
              pick(2, 1, 5, 3, 2012, {4, 0, 7}) + pick(1, 2, 6, 3, 2012, {1, 1, 1}));
    EXPECT_TRUE(w.Label2->text().endsWith(QStringLiteral("Total draws = 2")));
}

TEST_F(PickWindow, AfterAddingADrawTheNextIsTypedOverIt) {
    Pick3& w = open(3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Text1->setFocus();
    QTest::keyClicks(w.Text1, QStringLiteral("407"));
    messages().expect("Done");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1);
    EXPECT_EQ(w.Text1->selectedText(), QStringLiteral("407"));
    QTest::keyClicks(w.Text1, QStringLiteral("512"));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("512"));
}

TEST_F(PickWindow, EnterInTheDrawBoxAddsTheDrawOfEitherTime) {
    Pick3& w = open(3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const char* time : {"Evening", "Day"}) {
        if (QLatin1String(time) == QLatin1String("Day")) {
            w.MnuDay_Click();
        }
        ASSERT_EQ(w.Label1->text(), QStringLiteral("%1 Draw").arg(QLatin1String(time)));
        w.Text1->setFocus();
        w.Text1->selectAll();
        QTest::keyClicks(w.Text1, QStringLiteral("407"));
        messages().expect("Done");  // once: Enter adds the draw and clicks nothing else
        QTest::keyClick(w.Text1, Qt::Key_Return);
        EXPECT_TRUE(messages().allAnswered()) << time;
    }
    EXPECT_EQ(readFile("XWPick3Night.rtl"), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    EXPECT_EQ(readFile("XWPick3Day.rtl"), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
}

TEST_F(PickWindow, ReplacingADrawAsksFirst) {
    writeFile("XWPick4Night.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3, 4}));
    Pick3& w = open(4);
    w.Text1->setText("9876");
    const QString question = QStringLiteral(
        "There is already a draw in the history file for this date. Do you want to replace it?");
    messages().expect(question, MsgAnswer::No, platform::MsgDefault::No);
    w.Command1_Click();
    EXPECT_EQ(readFile("XWPick4Night.rtl"), pick(1, 1, 5, 3, 2012, {1, 2, 3, 4}));
    messages().expect(question, MsgAnswer::Yes);
    messages().expect("Done");
    w.Command1_Click();
    EXPECT_EQ(readFile("XWPick4Night.rtl"), pick(1, 1, 5, 3, 2012, {9, 8, 7, 6}));
}

TEST_F(PickWindow, DeletingTheOnlyDrawDeletesTheHistory) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    Pick3& w = open(3);
    w.List2->addItem("old summary");
    const QString question = QStringLiteral("Do you really want to delete this draw?");
    messages().expect(question, MsgAnswer::No, platform::MsgDefault::No);
    w.Command2_Click();
    EXPECT_TRUE(exists("XWPick3Night.rtl"));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
    messages().expect(question, MsgAnswer::Yes);
    w.Command2_Click();
    EXPECT_FALSE(exists("XWPick3Night.rtl"));
    EXPECT_EQ(w.Text1->text(), QString());
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_TRUE(w.Label2->text().endsWith(QStringLiteral("Total draws = 0")));
    // Nothing stored for the date: the box is emptied without a word.
    w.Text1->setText("555");
    w.Command2_Click();
    EXPECT_EQ(w.Text1->text(), QString());
}

TEST_F(PickWindow, ADamagedHistoryIsNeitherOverwrittenNorDeleted) {
    const QByteArray damaged =
        pick(-1, 1, 5, 3, 2012, {4, 0, 7}) + pick(0, 2, 6, 3, 2012, {1, 1, 1});
    writeFile("XWPick3Night.rtl", damaged);
    Pick3& w = open(3);
    EXPECT_EQ(w.Text1->text(), QString());
    w.Text1->setText("123");
    messages().expect("The draw could not be saved. The results history is damaged.");
    w.Command1_Click();
    w.Command2_Click();
    EXPECT_EQ(readFile("XWPick3Night.rtl"), damaged);
}

TEST_F(PickWindow, MoreStatsNeedsDraws) {
    Pick3& w = open(3);
    messages().expect("There are no draws in this history file to show more stats");
    w.mnup34morestats_Click();
    EXPECT_EQ(platform::Windows::find("p34stats"), nullptr);
}

TEST_F(PickWindow, CloseBoxClosesAsCloseDoes) {
    writeFile("Pick3Night05Mar2012.lot", pickEntry(0, {1, 2, 3}));
    Pick3& w = open(3);
    Form1* main = platform::Windows::live<Form1>(Form1::kName);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->isEnabled());
    w.close();
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(exists("Pick3Night05Mar2012.lot"));
    EXPECT_EQ(platform::Windows::find(Pick3::kName), nullptr);
}

}  // namespace
