// Add Draw and the "Add Result" window: the refusals, the sizing, the four validations, the
// insertion in date order and the balls shown afterwards.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "app/Form2.h"
#include "app/app_helpers.h"
#include "app/draws_helpers.h"
#include "app/module1routines.h"
#include "platform/events.h"
#include "platform/systemlocale.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"

using namespace fixture;
using platform::MsgAnswer;
using platform::twipsToPixels;

namespace {
const char* kAlready =
    "There is already a draw result for this date and game. Delete the draw first if you want to "
    "change it.";
const char* kNoDrawDay =
    "You are entering a draw that has not been defined as a draw day. Do you want to continue";
}  // namespace

class AddDraw : public MainWindowTest {
protected:
    Form1& startWith(const GameRecord& g, const QByteArray& history = {}) {
        writeGame(1, g);
        writeFile(QStringLiteral("%1.rtl").arg(g.name.trimmed()), history);
        return start();
    }
    static Form2* form2() { return platform::Windows::live<Form2>(Form2::kName); }
    // Opens the window and types the numbers into Text1.. in turn.
    Form2& openAndType(Form1& form, const QStringList& numbers) {
        form.Command1_Click();
        Form2* f = form2();
        EXPECT_NE(f, nullptr);
        for (int k = 0; k < numbers.size(); ++k) {
            f->texts()[k]->setText(numbers[k]);
        }
        return *f;
    }
};

TEST_F(AddDraw, DateThatShowsADrawRefusesWithoutOpeningTheWindow) {
    Form1& form = startWith(game("Lotto", 6, 49), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    messages().expect(kAlready);
    form.Command1_Click();
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(AddDraw, DrawInTheHistoryRefusesEvenWhenTheRowWasCleared) {
    Form1& form = startWith(game("Lotto", 6, 49), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    cleardisplay(form);
    messages().expect(kAlready);
    form.Command1_Click();
    EXPECT_EQ(form2(), nullptr);
    EXPECT_FALSE(form.Image2[0]->isHidden());  // shown again, so it can be deleted
}

TEST_F(AddDraw, NoDrawDayAsksAndNoLeavesEverythingAlone) {
    GameRecord g = game("Lotto", 6, 49);
    g.drawdays = {0, 1, 0, 0, 0, 0, 0, 7};  // Sundays and Saturdays; 5 March 2012 is a Monday
    Form1& form = startWith(g);
    messages().expect(kNoDrawDay, MsgAnswer::No);
    form.Command1_Click();
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    messages().expect(kNoDrawDay, MsgAnswer::Yes);
    form.Command1_Click();
    ASSERT_NE(form2(), nullptr);
    EXPECT_FALSE(form.isEnabled());
}

struct SizeCase {
    int balls;
    int bonus;
    int visibleBoxes;
    int width;
    int addLeft;
    int cancelLeft;
    int label2Left;
};

class AddDrawSize : public AddDraw, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(AddDrawSize, WindowFitsTheBallsOfTheGame) {
    const SizeCase c = GetParam();
    Form1& form = startWith(game("Lotto", c.balls, 49, c.bonus, "MB"));
    form.Command1_Click();
    Form2* f = form2();
    ASSERT_NE(f, nullptr);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(!f->texts()[k]->isHidden(), k < c.visibleBoxes) << "Text" << k + 1;
    }
    EXPECT_EQ(f->width(), twipsToPixels(c.width));
    EXPECT_EQ(f->Command1->x(), twipsToPixels(c.addLeft));
    EXPECT_EQ(f->Command2->x(), twipsToPixels(c.cancelLeft));
    EXPECT_EQ(f->Label2->isHidden(), c.bonus == 0);
    if (c.bonus != 0) {
        EXPECT_EQ(f->Label2->x(), twipsToPixels(c.label2Left));
        EXPECT_EQ(f->Label2->text(), QStringLiteral("MB"));
    }
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Add Result"));
    EXPECT_EQ(f->Label1->text(), QStringLiteral("Lotto 5/3/2012"));
}

INSTANTIATE_TEST_SUITE_P(Games, AddDrawSize,
                         ::testing::Values(SizeCase{3, 20, 4, 2655, 480, 1320, 2040},
                                           SizeCase{4, 0, 4, 2655, 480, 1320, 0},
                                           SizeCase{5, 26, 6, 3825, 1080, 1920, 3240},
                                           SizeCase{4, 20, 5, 3210, 840, 1680, 2640},
                                           SizeCase{6, 0, 6, 3825, 1080, 1920, 0},
                                           SizeCase{6, 10, 7, 4410, 1200, 2400, 3840},
                                           SizeCase{7, 0, 7, 4410, 1200, 2400, 0}));

TEST_F(AddDraw, DateShowsInTheSystemOrderWithoutLeadingZeros) {
    platform::setShortDateFormat(QStringLiteral("MM/dd/yyyy"));
    Form1& form = startWith(game("Lotto", 6, 49));
    form.Command1_Click();
    EXPECT_EQ(form2()->Label1->text(), QStringLiteral("Lotto 3/5/2012"));
}

struct RefusalCase {
    const char* name;
    int bonusfrommain;  // 0 own pool of 10, 1 main pool, 2 none
    QStringList typed;  // five main balls, then the extra
    const char* message;
};

class AddDrawRefusal : public AddDraw, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AddDrawRefusal, FirstFailingTestIsReportedAndNothingIsWritten) {
    const RefusalCase c = GetParam();
    GameRecord g = game("Lotto", 5, 39, 10);
    g.bonusfrommain = static_cast<qint16>(c.bonusfrommain);
    if (c.bonusfrommain == 2) {
        g.bonusdrawn = 0;
        g.bonuspool = 0;
    }
    Form1& form = startWith(g);
    Form2& f = openAndType(form, c.typed);
    messages().expect(QString::fromLatin1(c.message));
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl").size(), 0);
    ASSERT_EQ(form2(), &f);  // stays open with the typed values
    EXPECT_EQ(f.Text1->text(), c.typed[0]);
    EXPECT_FALSE(form.isEnabled());
}

const char* kMainRange = "One or more of your main numbers is not in the correct range";
const char* kExtraRange = "Your extra number is not in the correct range";
const char* kDuplicate = "You have duplicate main numbers";
const char* kExtraDrawn = "Your extra ball has already been drawn as a main ball number!";

INSTANTIATE_TEST_SUITE_P(
    Cases, AddDrawRefusal,
    ::testing::Values(
        RefusalCase{"MainZero", 0, {"0", "2", "3", "4", "5", "1"}, kMainRange},
        RefusalCase{"MainAbovePool", 0, {"1", "2", "3", "4", "40", "1"}, kMainRange},
        RefusalCase{"MainNotANumber", 0, {"ab", "2", "3", "4", "5", "1"}, kMainRange},
        RefusalCase{"MainTooBigForAnInteger", 0, {"99999", "2", "3", "4", "5", "1"}, kMainRange},
        // The range test comes before the duplicate test.
        RefusalCase{"RangeBeforeDuplicates", 0, {"2", "2", "3", "4", "50", "1"}, kMainRange},
        RefusalCase{"ExtraAboveOwnPool", 0, {"1", "2", "3", "4", "5", "11"}, kExtraRange},
        RefusalCase{"ExtraMissing", 0, {"1", "2", "3", "4", "5", ""}, kExtraRange},
        RefusalCase{"ExtraAboveMainPool", 1, {"1", "2", "3", "4", "5", "40"}, kExtraRange},
        RefusalCase{"ExtraBeforeDuplicates", 0, {"1", "1", "3", "4", "5", "0"}, kExtraRange},
        RefusalCase{"Duplicates", 0, {"1", "2", "3", "4", "3", "1"}, kDuplicate},
        RefusalCase{
            "ExtraFromMainPoolAlreadyDrawn", 1, {"1", "2", "3", "4", "5", "3"}, kExtraDrawn}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(AddDraw, MainBallsAreStoredSortedAndTheBallsAreShown) {
    Form1& form = startWith(game("Lotto", 5, 49, 20));
    Form2& f = openAndType(form, {"45", "5", "23", "12", "34", "7.4"});
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), draw(1, 1, 5, 3, 2012, {5, 12, 23, 34, 45}, 7));
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(balls::shownBoxes(form), 0b0111111);
    EXPECT_TRUE(balls::shows(form, 0, ImageList1(), 5));
    EXPECT_TRUE(balls::shows(form, 5, ImageList2(), 7));
    EXPECT_EQ(m1().drawnumbers[8], 7);
}

TEST_F(AddDraw, ExtraFromItsOwnPoolMayEqualAMainBall) {
    Form1& form = startWith(game("Lotto", 5, 49, 20));
    openAndType(form, {"1", "2", "3", "4", "5", "3"}).Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5}, 3));
}

TEST_F(AddDraw, GameWithoutExtraBallStoresNoExtra) {
    Form1& form = startWith(game("Lotto", 6, 49));
    Form2& f = openAndType(form, {"6", "5", "4", "3", "2", "1"});
    f.Text7->setText(QStringLiteral("9"));  // hidden, never read
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
}

TEST_F(AddDraw, EarlierDrawGoesFirstAndLaterOneIsAppended) {
    const QByteArray two = draw(2, 1, 7, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                           draw(0, 2, 9, 3, 2012, {7, 8, 9, 10, 11, 12}, 0);
    Form1& form = startWith(game("Lotto", 6, 49), two);
    openAndType(form, {"11", "12", "13", "14", "15", "16"}).Command1_Click();
    const QByteArray first = draw(3, 1, 5, 3, 2012, {11, 12, 13, 14, 15, 16}, 0);
    EXPECT_EQ(readFile("Lotto.rtl"), first + draw(2, 2, 7, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                                         draw(0, 3, 9, 3, 2012, {7, 8, 9, 10, 11, 12}, 0));

    form.DTPicker1->setValue(QDate(2012, 3, 10));
    form.DTPicker1_Change();
    openAndType(form, {"21", "22", "23", "24", "25", "26"}).Command1_Click();
    const QByteArray now = readFile("Lotto.rtl");
    EXPECT_EQ(now.left(4), le32(4));
    EXPECT_EQ(now.mid(3 * 28), draw(4, 4, 10, 3, 2012, {21, 22, 23, 24, 25, 26}, 0));
}

TEST_F(AddDraw, DrawBetweenTwoStoredDrawsIsInsertedBeforeTheLaterOne) {
    const QByteArray two = draw(2, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                           draw(0, 2, 9, 3, 2012, {7, 8, 9, 10, 11, 12}, 0);
    Form1& form = startWith(game("Lotto", 6, 49), two);
    openAndType(form, {"11", "12", "13", "14", "15", "16"}).Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), draw(3, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
                                         draw(0, 2, 5, 3, 2012, {11, 12, 13, 14, 15, 16}, 0) +
                                         draw(0, 3, 9, 3, 2012, {7, 8, 9, 10, 11, 12}, 0));
}

TEST_F(AddDraw, CardGameTakesACardCode) {
    Form1& form = startWith(game("WildCard2", 5, 31, 16, "WC"));
    Form2& f = openAndType(form, {"1", "2", "3", "4", "5", "XX"});
    messages().expect(kExtraRange);
    f.Command1_Click();
    f.Text6->setText(QStringLiteral(" qh "));
    f.Command1_Click();
    EXPECT_EQ(readFile("WildCard2.rtl"), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5}, 7));
    EXPECT_TRUE(balls::shows(form, 5, ImageList3(), 7));
}

TEST_F(AddDraw, HistoryAtTheRecordLimitRefusesTheDraw) {
    const QByteArray full =
        draw(32767, 1, 1, 1, 2000, {1, 2, 3, 4, 5, 6}, 0) + QByteArray(32766 * 28, '\0');
    Form1& form = startWith(game("Lotto", 6, 49), full);
    Form2& f = openAndType(form, {"1", "2", "3", "4", "5", "6"});
    messages().expect(
        QStringLiteral("This file cannot hold more than 32767 records. Nothing was added."));
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), full);
}

TEST_F(AddDraw, DamagedHistoryIsNotOverwritten) {
    const QByteArray damaged = draw(-1, 1, 1, 1, 2000, {1, 2, 3, 4, 5, 6}, 0);
    messages().expect(damagedHistoryBox("Lotto.rtl"));
    Form1& form = startWith(game("Lotto", 6, 49), damaged);
    platform::doEvents();
    Form2& f = openAndType(form, {"1", "2", "3", "4", "5", "6"});
    messages().expect(
        QStringLiteral("The draw could not be saved. The results history is damaged."));
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), damaged);
}

TEST_F(AddDraw, ReadOnlyHistoryIsShownButNotSavedInto) {
    const QByteArray one = draw(1, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0);
    writeFile("Lotto.rtl", one);
    QFile::setPermissions(file("Lotto.rtl"), QFileDevice::ReadOwner);
    writeGame(1, game("Lotto", 6, 49));
    Form1& form = start();
    form.DTPicker1->setValue(QDate(2012, 3, 1));
    form.DTPicker1_Change();
    EXPECT_TRUE(balls::shows(form, 0, ImageList1(), 1));

    form.DTPicker1->setValue(QDate(2012, 3, 5));
    form.DTPicker1_Change();
    Form2& f = openAndType(form, {"7", "8", "9", "10", "11", "12"});
    messages().expect(
        QStringLiteral("The draw could not be saved. Existing file %1 is not writable")
            .arg(file("Lotto.rtl")));
    f.Command1_Click();
    EXPECT_EQ(readFile("Lotto.rtl"), one);
}

TEST_F(AddDraw, CancelAndTheCloseBoxWriteNothingAndEnableTheMainWindow) {
    Form1& form = startWith(game("Lotto", 6, 49));
    openAndType(form, {"1", "2", "3", "4", "5", "6"}).Command2_Click();
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    Form2& f = openAndType(form, {"1", "2", "3", "4", "5", "6"});
    EXPECT_TRUE(f.texts()[0]->text() == QStringLiteral("1"));
    f.close();
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(readFile("Lotto.rtl").size(), 0);
    EXPECT_EQ(balls::shownBoxes(form), 0);
}

TEST_F(AddDraw, WindowIsMadeAfreshEachTime) {
    Form1& form = startWith(game("Lotto", 6, 49));
    openAndType(form, {"7"}).Command2_Click();
    form.Command1_Click();
    EXPECT_TRUE(form2()->Text1->text().isEmpty());
}

TEST_F(AddDraw, EnterInABoxAddsAndEscapeCancels) {
    Form1& form = startWith(game("Lotto", 6, 49));
    Form2& f = openAndType(form, {"6", "5", "4", "3", "2", "1"});
    QTest::keyClick(f.Text6, Qt::Key_Return);
    EXPECT_EQ(form2(), nullptr);
    EXPECT_EQ(readFile("Lotto.rtl"), draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));

    form.DTPicker1->setValue(QDate(2012, 3, 6));
    form.DTPicker1_Change();
    Form2& again = openAndType(form, {"7", "8", "9", "10", "11", "12"});
    QTest::keyClick(again.Text1, Qt::Key_Escape);
    EXPECT_EQ(form2(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(readFile("Lotto.rtl").size(), 28);
}
