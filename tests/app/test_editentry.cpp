// The Edit button and the "Edit Entry" window: its layout, validations and in-place rewrite.
#include <gtest/gtest.h>

#include <QTest>

#include "app/editEntry.h"
#include "entries_helpers.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::MsgAnswer;

namespace {

class EditEntry : public EntriesTest {
protected:
    editEntry* window() { return platform::Windows::live<editEntry>(editEntry::kName); }

    // Opens the edit window on row `row` of the listed dated file.
    editEntry& edit(Form1& form, int row) {
        select(form, {row});
        form.Command6_Click();
        editEntry* w = window();
        EXPECT_NE(w, nullptr);
        return *w;
    }

    static void type(editEntry& w, std::initializer_list<const char*> texts) {
        int i = 0;
        for (const char* t : texts) {
            w.Text1[static_cast<std::size_t>(i++)]->setText(QString::fromLatin1(t));
        }
    }
};

TEST_F(EditEntry, TheButtonRefusesWithoutExactlyOneSelectedEntry) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {});
    messages().expect("There are no entries displayed to edit.");
    form.Command6_Click();

    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}, {{2, 6, 13, 24, 35, 46}, 8}});
    form.List1->clearSelection();
    messages().expect("You have not selected an entry to edit.");
    form.Command6_Click();

    select(form, {0, 1});
    messages().expect(
        "You have more than one entry selected. You must only select one entry at a time for "
        "editing.");
    form.Command6_Click();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(EditEntry, AWheelEntryAsksFirst) {
    Form1& form = startGame(6, 49);
    writeFile("Lotto-6-6-5.lot", entryFile({{{1, 2, 3, 4, 5, 6}, 0}}));
    form.mnuWheelItem_Click(6);
    select(form, {0});
    const char* question =
        "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want to "
        "continue?";
    messages().expect(question, MsgAnswer::No);
    form.Command6_Click();
    EXPECT_EQ(window(), nullptr);
    messages().expect(question, MsgAnswer::Yes);
    form.Command6_Click();
    EXPECT_NE(window(), nullptr);
}

TEST_F(EditEntry, OpensOnTheSelectedRecordWithTheMainWindowDisabled) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}, {{2, 6, 13, 24, 35, 46}, 8}});
    editEntry& w = edit(form, 1);
    EXPECT_EQ(m1().editrecordno, 2);
    EXPECT_FALSE(form.isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Edit Entry"));
    QStringList shown;
    for (QLineEdit* box : w.Text1) {
        if (!box->isHidden()) {
            shown << box->text();
        }
    }
    EXPECT_EQ(shown, (QStringList{"02", "06", "13", "24", "35", "46", "08"}));
    EXPECT_EQ(w.extrabox, 6);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("PB"));
    EXPECT_FALSE(w.Label1->isHidden());
    EXPECT_EQ(w.Text1[1]->maxLength(), 2);
}

struct LayoutCase {
    int mains;
    int bonus;
    int width;
    int changeLeft;
    int boxes;
    int extrabox;
};
std::ostream& operator<<(std::ostream& os, const LayoutCase& c) {
    return os << c.mains << (c.bonus > 0 ? "+1" : "");
}

class EditLayout : public EditEntry, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(EditLayout, FollowsTheNumberOfBoxes) {
    const LayoutCase c = GetParam();
    Form1& form = startGame(c.mains, 49, c.bonus);
    listDated(form, {{{1, 2, 3, 4, 5, 6, 7}, c.bonus > 0 ? 9 : 0}});
    editEntry& w = edit(form, 0);
    EXPECT_EQ(w.width(), platform::twipsToPixels(c.width));
    // The button widens about its place for its caption.
    const int slot = platform::twipsToPixels(c.changeLeft);
    EXPECT_NEAR(w.Command6->x() + w.Command6->width() / 2.0,
                slot + platform::twipsToPixels(855) / 2.0, 1.0);
    EXPECT_LT(w.Command6->geometry().right(), w.Command5->x());
    EXPECT_LE(w.Command5->geometry().right(), w.width());
    EXPECT_EQ(w.Text1[2]->x(), platform::twipsToPixels(120 + 600 * 2));
    int shown = 0;
    for (QLineEdit* box : w.Text1) {
        shown += box->isHidden() ? 0 : 1;
    }
    EXPECT_EQ(shown, c.boxes);
    EXPECT_EQ(w.extrabox, c.extrabox);
    EXPECT_EQ(w.Label1->isHidden(), c.bonus == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EditLayout,
    ::testing::Values(LayoutCase{7, 0, 4395, 1200, 7, 0}, LayoutCase{6, 26, 4395, 1200, 7, 6},
                      LayoutCase{6, 0, 3810, 960, 6, 0}, LayoutCase{5, 26, 3810, 960, 6, 5},
                      LayoutCase{4, 26, 3210, 600, 5, 4}, LayoutCase{4, 0, 2610, 360, 4, 0},
                      LayoutCase{3, 26, 2610, 360, 4, 3}, LayoutCase{3, 0, 2010, 120, 3, 0}));

struct Validation {
    const char* name;
    std::vector<const char*> boxes;  // three mains and the extra
    const char* message;             // "" = accepted
};
std::ostream& operator<<(std::ostream& os, const Validation& v) {
    return os << v.name;
}

class EditValidation : public EditEntry, public ::testing::WithParamInterface<Validation> {};

TEST_P(EditValidation, RefusesWithOneMessageOrWrites) {
    const Validation v = GetParam();
    Form1& form = startGame(3, 49, 26);
    listDated(form, {{{10, 20, 30}, 5}});
    const QByteArray before = readFile("Lotto05Mar2012.lot");
    editEntry& w = edit(form, 0);
    for (std::size_t i = 0; i < v.boxes.size(); ++i) {
        w.Text1[i]->setText(QString::fromLatin1(v.boxes[i]));
    }
    const bool refused = *v.message != '\0';
    if (refused) {
        messages().expect(v.message);
    }
    w.Command6_Click();
    if (refused) {
        EXPECT_EQ(readFile("Lotto05Mar2012.lot"), before);
        EXPECT_EQ(window(), &w);
        EXPECT_FALSE(form.isEnabled());
        EXPECT_EQ(w.Text1[0]->text(), QString::fromLatin1(v.boxes[0]));
    } else {
        EXPECT_NE(readFile("Lotto05Mar2012.lot"), before);
        EXPECT_TRUE(form.isEnabled());
    }
}

const char* kSame = "One or more of your numbers are the same!";
const char* kNotNumber = "One or more of your entries is not a number!";
const char* kRange = "One or more of your numbers are out of range for the game!";

INSTANTIATE_TEST_SUITE_P(
    Codes, EditValidation,
    ::testing::Values(
        Validation{"DuplicatesThenZeroIsNotANumber", {"12", "12", "0", "05"}, kNotNumber},
        Validation{"ZeroThenDuplicatesIsTheSame", {"0", "12", "12", "05"}, kSame},
        Validation{"DuplicatesThenBlankIsNotANumber", {"12", "12", "", "05"}, kNotNumber},
        Validation{"BlankThenDuplicatesIsTheSame", {"", "12", "12", "05"}, kSame},
        Validation{"LeadingLetter", {"A1", "12", "13", "05"}, kNotNumber},
        Validation{"AboveThePool", {"50", "12", "13", "05"}, kRange},
        Validation{"ThePoolItself", {"49", "12", "13", "05"}, ""},
        Validation{"LeadingZeroBlankAndTrailingLetter", {"07", " 9", "5x", "05"}, ""},
        Validation{"ExtraAtItsPool", {"1", "2", "3", "26"}, ""},
        Validation{"ExtraAboveItsPool", {"1", "2", "3", "27"}, kRange},
        Validation{"ExtraZero", {"1", "2", "3", "0"}, kNotNumber}),
    [](const ::testing::TestParamInfo<Validation>& info) { return std::string(info.param.name); });

TEST_F(EditEntry, AnExtraFromTheMainPoolIsTestedAgainstTheMainPool) {
    Form1& form = startGame(3, 49);
    m1().bonusdrawn = 1;
    m1().bonusperentry = 1;
    listDated(form, {{{10, 20, 30}, 5}});
    editEntry& w = edit(form, 0);
    type(w, {"10", "20", "30", "50"});
    messages().expect(kRange);
    w.Command6_Click();
    type(w, {"10", "20", "30", "40"});
    w.Command6_Click();
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), fixture::entry(1, {10, 20, 30}, 40));
}

TEST_F(EditEntry, ChangeSortsRewritesTheRecordInPlaceAndReplacesTheLine) {
    Form1& form = startGame(4, 49);
    // Other fields of the record, the seventh ball and the neighbours must survive.
    const QByteArray first = fixture::draw(2, 3, 4, 5, 2012, {1, 2, 3, 4, 0, 0, 44}, 6);
    const QByteArray second = fixture::entry(0, {11, 12, 13, 14});
    writeFile("Lotto05Mar2012.lot", first + second);
    form.DTPicker2_Change();
    form.List2->addItem("win");
    editEntry& w = edit(form, 0);
    type(w, {"30", "4", "17", "9"});
    w.Command6_Click();
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"),
              fixture::draw(2, 3, 4, 5, 2012, {4, 9, 17, 30, 0, 0, 44}, 6) + second);
    EXPECT_EQ(lines(*form.List1), (QStringList{"04 09 17 30 44 PB 06", "11 12 13 14 "}));
    EXPECT_EQ(selectedRows(*form.List1), std::vector<int>{0});
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
    EXPECT_EQ(form.List2->count(), 1);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(window(), nullptr);
}

TEST_F(EditEntry, EnterInABoxChangesAndEscapeCancels) {
    Form1& form = startGame(4, 49);
    listDated(form, {{{1, 2, 3, 4}, 0}});
    editEntry* w = &edit(form, 0);
    EXPECT_TRUE(w->Text1[0]->hasFocus() || w->focusWidget() == w->Text1[0]);
    type(*w, {"30", "4", "17", "9"});
    QTest::keyClick(w->Text1[2], Qt::Key_Return);
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), fixture::entry(1, {4, 9, 17, 30}));
    EXPECT_TRUE(form.isEnabled());

    w = &edit(form, 0);
    type(*w, {"11"});
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->Text1[0], Qt::Key_Escape);
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), fixture::entry(1, {4, 9, 17, 30}));
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(window(), nullptr);
}

TEST_F(EditEntry, TheCardGameTakesCardCodesInEitherCase) {
    Form1& form = startGame(5, 49, 16, "WildCard2");
    listDated(form, {{{1, 2, 3, 4, 5}, 1}});
    editEntry& w = edit(form, 0);
    EXPECT_EQ(w.Text1[5]->text(), QStringLiteral("AS"));
    EXPECT_EQ(w.Text1[5]->font().pointSize(), 12);
    w.Text1[5]->setText("ZZ");
    messages().expect(kNotNumber);
    w.Command6_Click();
    w.Text1[5]->setText("qh");
    w.Command6_Click();
    EXPECT_EQ(readFile("WildCard205Mar2012.lot"), fixture::entry(1, {1, 2, 3, 4, 5}, 7));
    EXPECT_EQ(form.List1->item(0)->text(), QStringLiteral("01 02 03 04 05 PB QH"));
}

TEST_F(EditEntry, CancelAndTheCloseBoxWriteNothingAndHandTheMainWindowBack) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    const QByteArray before = readFile("Lotto05Mar2012.lot");
    editEntry* w = &edit(form, 0);
    type(*w, {"02"});
    w->Command5_Click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(window(), nullptr);

    w = &edit(form, 0);
    type(*w, {"02"});
    w->close();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), before);
}

}  // namespace
