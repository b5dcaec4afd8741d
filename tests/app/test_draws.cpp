// The draw of the picked date: the lookup, the ball pictures and Delete Draw.
#include <gtest/gtest.h>

#include "app/app_helpers.h"
#include "app/draws_helpers.h"
#include "app/module1routines.h"
#include "shared/module1.h"
#include "support/bytes.h"

using namespace fixture;
using platform::MsgAnswer;

namespace {
// Three Lotto draws around the picked date of 5 March 2012.
QByteArray threeDraws() {
    return draw(3, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
           draw(0, 2, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 0) +
           draw(0, 3, 8, 3, 2012, {13, 14, 15, 16, 17, 18}, 0);
}
}  // namespace

class Draws : public MainWindowTest {
protected:
    Form1& startWith(const GameRecord& g, const QByteArray& history) {
        writeGame(1, g);
        writeFile("Lotto.rtl", history);
        return start();
    }
};

TEST_F(Draws, DateWithoutADrawHidesTheRowAndClearsTheWinningLines) {
    Form1& form = startWith(game("Lotto", 6, 49), threeDraws());
    EXPECT_EQ(m1().drawrecordno, 2);
    form.List2->addItem(QStringLiteral("01 02 03 (3)"));
    form.Text3->setText(QStringLiteral("1"));
    form.DTPicker1->setValue(QDate(2012, 3, 6));
    form.DTPicker1_Change();
    EXPECT_EQ(balls::shownBoxes(form), 0);
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral("0"));
    EXPECT_EQ(m1().drawrecordno, 2);
    EXPECT_EQ(m1().drawday, 6);
    EXPECT_EQ(m1().resultsfile, file("Lotto.rtl"));
}

TEST_F(Draws, MissingHistoryShowsNothingAndIsCreatedEmpty) {
    writeGame(1, game("Lotto", 6, 49));
    Form1& form = start();
    EXPECT_EQ(balls::shownBoxes(form), 0);
    EXPECT_TRUE(exists("Lotto.rtl"));
    EXPECT_EQ(readFile("Lotto.rtl").size(), 0);
}

TEST_F(Draws, TwoRecordsOfOneDateShowTheFirst) {
    const QByteArray twice = draw(2, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                             draw(0, 2, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 0);
    Form1& form = startWith(game("Lotto", 6, 49), twice);
    EXPECT_EQ(m1().drawrecordno, 1);
    EXPECT_TRUE(balls::shows(form, 0, ImageList1(), 1));
}

TEST_F(Draws, FiveBallsAndAnExtraShowTheExtraInTheOtherColour) {
    m1().drawnumbers[6] = 44;
    Form1& form =
        startWith(game("Lotto", 5, 69, 26), draw(1, 1, 5, 3, 2012, {5, 12, 23, 34, 45}, 7));
    EXPECT_EQ(balls::shownBoxes(form), 0b0111111);
    const int main[] = {5, 12, 23, 34, 45};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(balls::shows(form, i, ImageList1(), main[i])) << i;
        EXPECT_EQ(m1().drawnumbers[i + 1], main[i]);
    }
    EXPECT_TRUE(balls::shows(form, 5, ImageList2(), 7));
    EXPECT_EQ(m1().drawnumbers[8], 7);
    EXPECT_EQ(m1().drawnumbers[6], 44);  // positions without a ball keep what they held
}

TEST_F(Draws, RedMainBallsMakeTheExtraWhite) {
    GameRecord g = game("Lotto", 4, 40, 10);
    g.ballcolour = 1;
    Form1& form = startWith(g, draw(1, 1, 5, 3, 2012, {1, 2, 3, 4}, 9));
    EXPECT_TRUE(balls::shows(form, 0, ImageList2(), 1));
    EXPECT_TRUE(balls::shows(form, 4, ImageList1(), 9));
}

TEST_F(Draws, NoExtraBallLeavesItsElementAlone) {
    m1().drawnumbers[8] = 11;
    Form1& form = startWith(game("Lotto", 6, 49), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    EXPECT_EQ(balls::shownBoxes(form), 0b0111111);
    EXPECT_EQ(m1().drawnumbers[8], 11);
}

TEST_F(Draws, CardGameShowsTheCardInElementFive) {
    GameRecord g = game("WildCard2", 5, 31, 16, "WC");
    writeGame(1, g);
    writeFile("WildCard2.rtl", draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5}, 7));
    Form1& form = start();
    EXPECT_TRUE(balls::shows(form, 5, ImageList3(), 7));
    EXPECT_EQ(m1().drawnumbers[8], 7);
    showball(form, 7, 2);  // whatever the ball count, the card goes to element 5
    m1().ballsdrawn = 3;
    showball(form, 7, 3);
    EXPECT_TRUE(balls::shows(form, 5, ImageList3(), 3));
    EXPECT_TRUE(balls::shows(form, 3, ImageList1(), 4));
}

TEST_F(Draws, NumbersWithoutAPictureShowAnEmptyBoxAndCountAsShown) {
    // A damaged history: a main ball above 65 and an extra ball in a 7-ball game.
    Form1& form =
        startWith(game("Lotto", 7, 49), draw(1, 1, 5, 3, 2012, {70, 2, 3, 4, 5, 6, 7}, 9));
    EXPECT_EQ(balls::shownBoxes(form), 0b1111111);
    EXPECT_TRUE(balls::showsNothing(form, 0));
    EXPECT_EQ(m1().drawnumbers[1], 70);
    EXPECT_EQ(m1().drawnumbers[8], 9);
    m1().gamename = QStringLiteral("WildCard2");
    showball(form, 7, 17);
    EXPECT_TRUE(balls::showsNothing(form, 5));
}

TEST(BallPictures, SixtyFiveBallsOfEachColourAndSixteenCards) {
    EXPECT_EQ(ImageList1().count(), 65);
    EXPECT_EQ(ImageList2().count(), 65);
    EXPECT_EQ(ImageList3().count(), 16);
    EXPECT_EQ(ImageList1().picture(65).size(), QSize(36, 36));
    EXPECT_EQ(ImageList2().picture(1).size(), QSize(36, 36));
    EXPECT_TRUE(ImageList1().picture(0).isNull());
    EXPECT_TRUE(ImageList2().picture(66).isNull());
    EXPECT_TRUE(ImageList3().picture(17).isNull());
    EXPECT_NE(ImageList1().picture(12).toImage(), ImageList1().picture(21).toImage());
    // Round: the corners stay transparent.
    EXPECT_EQ(qAlpha(ImageList2().picture(7).toImage().pixel(0, 0)), 0);
}

class DeleteDraw : public Draws {};

TEST_F(DeleteDraw, NoDrawShownRefuses) {
    Form1& form = startWith(game("Lotto", 6, 49), {});
    messages().expect("There is no draw displayed to delete");
    form.Command2_Click();
}

TEST_F(DeleteDraw, AnsweringNoLeavesFileAndDisplayAlone) {
    Form1& form = startWith(game("Lotto", 6, 49), threeDraws());
    messages().expect("Do you really want to delete this draw?", MsgAnswer::No,
                      platform::MsgDefault::No);
    form.Command2_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), threeDraws());
    EXPECT_EQ(balls::shownBoxes(form), 0b0111111);
}

TEST_F(DeleteDraw, OnlyDrawDeletesTheFileAndTheNextLookupCreatesItEmpty) {
    Form1& form = startWith(game("Lotto", 6, 49), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    form.List2->addItem(QStringLiteral("x"));
    form.Text3->setText(QStringLiteral("2"));
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    form.Command2_Click();
    EXPECT_FALSE(exists("Lotto.rtl"));
    EXPECT_EQ(balls::shownBoxes(form), 0);
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral("0"));
    form.DTPicker1_Change();
    EXPECT_TRUE(exists("Lotto.rtl"));
    EXPECT_EQ(readFile("Lotto.rtl").size(), 0);
}

TEST_F(DeleteDraw, LastOfSeveralRewritesOnlyTheCount) {
    Form1& form = startWith(game("Lotto", 6, 49), threeDraws());
    form.DTPicker1->setValue(QDate(2012, 3, 8));
    form.DTPicker1_Change();
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    form.Command2_Click();
    QByteArray expected = threeDraws();
    expected.replace(0, 4, le32(2));
    EXPECT_EQ(readFile("Lotto.rtl"), expected);
}

TEST_F(DeleteDraw, FirstOfSeveralMovesTheLaterDrawsDown) {
    Form1& form = startWith(game("Lotto", 6, 49), threeDraws());
    form.DTPicker1->setValue(QDate(2012, 3, 1));
    form.DTPicker1_Change();
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    form.Command2_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), draw(2, 1, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 0) +
                                         draw(0, 2, 8, 3, 2012, {13, 14, 15, 16, 17, 18}, 0) +
                                         draw(0, 3, 8, 3, 2012, {13, 14, 15, 16, 17, 18}, 0));
    // Back and forth: the draw is gone, the next one moved up.
    form.DTPicker1_Change();
    EXPECT_EQ(balls::shownBoxes(form), 0);
    form.DTPicker1->setValue(QDate(2012, 3, 5));
    form.DTPicker1_Change();
    EXPECT_EQ(m1().drawrecordno, 1);
}

TEST_F(DeleteDraw, DrawNoLongerInTheFileDeletesNothingElse) {
    Form1& form = startWith(game("Lotto", 6, 49), threeDraws());
    // The history was replaced behind the window's back.
    const QByteArray other = draw(2, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                             draw(0, 2, 8, 3, 2012, {13, 14, 15, 16, 17, 18}, 0);
    writeFile("Lotto.rtl", other);
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    form.Command2_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), other);
    EXPECT_EQ(balls::shownBoxes(form), 0);
}
