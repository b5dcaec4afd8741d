// The adding window: its boxes, Auto Tab, typed entries appended, suggested runs with their
// refusals, cap, Cancel and close box.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/module1routines.h"
#include "entries/Form5.h"
#include "entrywindow_helpers.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::Windows;

namespace {

const char* kFile = "Lotto05Mar2012.lot";

class AddingWindow : public EntryWindowTest {
protected:
    Form5* window() { return Windows::live<Form5>(Form5::kName); }

    Form5& open(Form1& form) {
        form.Command4_Click();
        Form5* w = window();
        EXPECT_NE(w, nullptr);
        return *w;
    }

    static void type(Form5& w, std::initializer_list<const char*> texts) {
        std::size_t i = 0;
        for (const char* t : texts) {
            w.Text1[i++]->setText(QString::fromLatin1(t));
        }
    }

    std::vector<DrawRecord> stored() {
        std::vector<DrawRecord> out;
        DrawFile file(m1().selectionfile);
        for (int r = 1; r <= file.count(); ++r) {
            out.push_back(file.read(r));
        }
        return out;
    }

    void suggest(Form5& w, const char* number, bool additional = false) {
        w.Text8->setText(QString::fromLatin1(number));
        (additional ? w.Option2 : w.Option1)->setChecked(true);
        w.Command4_Click();
    }
};

struct BoxCase {
    int mains;
    int bonus;
    int boxes;
    int labelLeft;  // twips; 0 = no label
};
std::ostream& operator<<(std::ostream& os, const BoxCase& c) {
    return os << c.mains << (c.bonus > 0 ? "+1" : "");
}

class AddingBoxes : public AddingWindow, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(AddingBoxes, ShowTheBoxesTheGameNeeds) {
    const BoxCase c = GetParam();
    Form1& form = startGame(c.mains, 49, c.bonus);
    Form5& w = open(form);
    int shown = 0;
    for (QLineEdit* box : w.Text1) {
        shown += box->isHidden() ? 0 : 1;
        EXPECT_EQ(box->maxLength(), 2);
    }
    EXPECT_EQ(shown, c.boxes);
    EXPECT_EQ(w.Label2->isHidden(), c.labelLeft == 0);
    if (c.labelLeft != 0) {
        EXPECT_EQ(w.Label2->text(), QStringLiteral("PB"));
        EXPECT_EQ(w.Label2->x(), platform::twipsToPixels(c.labelLeft));
    }
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_TRUE(w.Check1->isChecked());
    EXPECT_EQ(w.Text8->maxLength(), 4);
    EXPECT_FALSE(form.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Games, AddingBoxes,
                         ::testing::Values(BoxCase{3, 26, 4, 2160}, BoxCase{4, 26, 5, 2760},
                                           BoxCase{5, 26, 6, 3360}, BoxCase{6, 26, 7, 3960},
                                           BoxCase{6, 0, 6, 0}, BoxCase{7, 0, 7, 0}));

TEST_F(AddingWindow, AutoTabMovesOnAfterTwoCharactersAndEndsOnAdd) {
    Form1& form = startGame(7, 49);
    Form5& w = open(form);
    w.Text1[0]->setText("1");
    EXPECT_EQ(w.focusWidget(), w.Text1[0]);
    w.Text1[0]->setText("12");
    EXPECT_EQ(w.focusWidget(), w.Text1[1]);
    w.Text1[6]->setText("40");  // the seventh box has no successor
    EXPECT_EQ(w.focusWidget(), w.Command6);
    w.Check1->setChecked(false);
    w.Text1[2]->setFocus();
    w.Text1[2]->setText("33");
    EXPECT_EQ(w.focusWidget(), w.Text1[2]);
}

TEST_F(AddingWindow, AutoTabFromTheLastBoxOfAShortGameGoesToAdd) {
    Form1& form = startGame(4, 49);
    Form5& w = open(form);
    w.Text1[3]->setText("07");
    EXPECT_EQ(w.focusWidget(), w.Command6);
    // While a suggested run keeps Add disabled the focus stays in the box.
    w.Command6->setEnabled(false);
    w.Text1[3]->setFocus();
    w.Text1[3]->setText("08");
    EXPECT_EQ(w.focusWidget(), w.Text1[3]);
}

TEST_F(AddingWindow, TypingTheEntryThenEnterOnAddAppendsIt) {
    Form1& form = startGame(4, 49);
    Form5& w = open(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const char* number : {"40", "07", "12", "05"}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(number));
    }
    ASSERT_EQ(QApplication::focusWidget(), w.Command6);
    QTest::keyClick(w.Command6, Qt::Key_Return);
    ASSERT_EQ(stored().size(), 1U);
    EXPECT_EQ(lines(*form.List1).last(), QStringLiteral("05 07 12 40 "));
}

TEST_F(AddingWindow, EachLineTypedAfterAnAddIsTypedOverTheLastAndAdded) {
    Form1& form = startGame(6, 49, 26);
    Form5& w = open(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto typeLine = [](const QString& line) {
        for (const QString& number : line.split(u' ')) {
            QTest::keyClicks(QApplication::focusWidget(), number);
        }
    };
    // By Enter on Add, where Auto Tab leaves the focus; by the button; by Enter in a box.
    typeLine(QStringLiteral("01 02 03 04 05 06 07"));
    ASSERT_EQ(QApplication::focusWidget(), w.Command6);
    QTest::keyClick(w.Command6, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[0]);
    EXPECT_EQ(w.Text1[0]->selectedText(), QStringLiteral("01"));
    typeLine(QStringLiteral("11 12 13 14 15 16 17"));
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[0]);
    w.Check1->setChecked(false);
    QTest::keyClicks(w.Text1[0], QStringLiteral("21"));
    QTest::keyClick(w.Text1[0], Qt::Key_Return);
    EXPECT_EQ(lines(*form.List1), (QStringList{QStringLiteral("01 02 03 04 05 06 PB 07"),
                                               QStringLiteral("11 12 13 14 15 16 PB 17"),
                                               QStringLiteral("12 13 14 15 16 21 PB 17")}));
    EXPECT_EQ(stored().size(), 3U);
}

TEST_F(AddingWindow, ATypedEntryIsAppendedSortedAndListed) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 2, 3, 4, 5, 6}, 7}});
    Form5& w = open(form);
    type(w, {"30", "4", "17", "9", "44", "21", "12"});
    w.Command6_Click();
    EXPECT_EQ(readFile(kFile), fixture::entry(2, {1, 2, 3, 4, 5, 6}, 7) +
                                   fixture::entry(1, {4, 9, 17, 21, 30, 44}, 12));
    EXPECT_EQ(form.Text2->text(), QStringLiteral(" 2"));
    EXPECT_EQ(lines(*form.List1).last(), QStringLiteral("04 09 17 21 30 44 PB 12"));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("30"));  // the boxes keep their text
    w.Command5_Click();
    for (QLineEdit* box : w.Text1) {
        EXPECT_TRUE(box->text().isEmpty());
    }
}

struct Typed {
    const char* name;
    std::vector<const char*> boxes;  // three main numbers and the extra
    const char* message;             // "" = appended
};
std::ostream& operator<<(std::ostream& os, const Typed& t) {
    return os << t.name;
}

class TypedEntries : public AddingWindow, public ::testing::WithParamInterface<Typed> {};

const char* kSame = "One or more of your numbers are the same!";
const char* kNotANumber = "One or more of your entries is not a number!";
const char* kOutOfRange = "One or more of your numbers are out of range for the game!";

// A game of three numbers from 49 with an extra from its own pool of 26.
TEST_P(TypedEntries, RefuseWithOneMessageOrAppend) {
    const Typed t = GetParam();
    Form1& form = startGame(3, 49, 26);
    listDated(form, {{{10, 20, 30}, 5}});
    const QByteArray before = readFile(kFile);
    Form5& w = open(form);
    for (std::size_t i = 0; i < t.boxes.size(); ++i) {
        w.Text1[i]->setText(QString::fromLatin1(t.boxes[i]));
    }
    if (*t.message != '\0') {
        messages().expect(QString::fromLatin1(t.message));
    }
    w.Command6_Click();
    if (*t.message != '\0') {
        EXPECT_EQ(readFile(kFile), before);
        EXPECT_EQ(form.List1->count(), 1);
    } else {
        EXPECT_EQ(stored().size(), 2U);
        EXPECT_EQ(form.Text2->text(), QStringLiteral(" 2"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TypedEntries,
    ::testing::Values(
        // The last failing test decides: box 2's range test comes after the pairs of box 0 and 1.
        Typed{"SameThenOutOfRange", {"05", "05", "70", "1"}, kOutOfRange},
        Typed{"OutOfRangeThenSame", {"70", "05", "05", "1"}, kSame},
        Typed{"LettersInAMainBox", {"ab", "5", "9", "1"}, kNotANumber},
        Typed{"LettersInTheExtraBox", {"3", "5", "9", "x"}, kOutOfRange},
        Typed{"ExtraPastItsPool", {"3", "5", "9", "27"}, kOutOfRange},
        Typed{"MainPastThePool", {"3", "5", "50", "26"}, kOutOfRange},
        Typed{"EdgesOfThePools", {"49", "1", "07", "26"}, ""}),
    [](const ::testing::TestParamInfo<Typed>& info) { return std::string(info.param.name); });

TEST_F(AddingWindow, AnExtraFromTheMainPoolMustDifferFromTheMainNumbers) {
    GameRecord g = game("Lotto", 6, 49);
    g.bonusdrawn = 1;
    g.bonusfrommain = 1;
    g.bonusperentry = 1;
    writeGame(1, g);
    Form1& form = start();
    Form5& w = open(form);
    type(w, {"1", "2", "3", "4", "5", "6", "6"});
    messages().expect(kSame);
    w.Command6_Click();
    EXPECT_TRUE(stored().empty());
    w.Text1[6]->setText("7");
    w.Command6_Click();
    ASSERT_EQ(stored().size(), 1U);
    EXPECT_EQ(stored()[0].extra, 7);
}

TEST_F(AddingWindow, SuggestionsInAGameWithItsExtraFromTheMainPoolGetAValidExtra) {
    GameRecord g = game("Lotto", 6, 49);
    g.bonusdrawn = 1;
    g.bonusfrommain = 1;
    g.bonusperentry = 1;
    writeGame(1, g);
    Form1& form = start();
    Form5& w = open(form);
    suggest(w, "30", true);
    ASSERT_EQ(stored().size(), 30U);
    for (const DrawRecord& r : stored()) {
        EXPECT_GE(r.extra, 1);
        EXPECT_LE(r.extra, 49);
        EXPECT_EQ(std::count(r.balls.begin(), r.balls.end(), r.extra), 0);
    }
}

TEST_F(AddingWindow, AFailedWriteIsReportedAndTheFileKeptAsItWas) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 2, 3, 4, 5, 6}, 7}});
    const QByteArray before = readFile(kFile);
    Form5& w = open(form);
    type(w, {"30", "4", "17", "9", "44", "21", "12"});
    for (FileFaults::Step step : {FileFaults::Step::Write, FileFaults::Step::Flush}) {
        for (int n : {1, 2}) {  // the record, then the count
            fileFaults().failAt(step, n);
            messages().expect("The entry could not be added to the entry file. Nothing was added.");
            w.Command6_Click();
            fileFaults().reset();
            EXPECT_EQ(readFile(kFile), before);
            EXPECT_EQ(form.List1->count(), 1);
            EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
        }
    }
}

TEST_F(AddingWindow, AFailedWriteEndsASuggestedRunWithTheEntriesSoFar) {
    Form1& form = startGame(6, 49, 26);
    Form5& w = open(form);
    fileFaults().failAt(FileFaults::Step::Write, 5);  // the third entry's record
    messages().expect("The entry could not be added to the entry file. Entries added: 2");
    suggest(w, "10", true);
    EXPECT_EQ(stored().size(), 2U);
    EXPECT_EQ(readFile(kFile).size(), 2 * 28);
    EXPECT_EQ(form.List1->count(), 2);
    EXPECT_TRUE(w.Command3->isEnabled());
}

TEST_F(AddingWindow, AFullFileIsRefusedAndLeftAsItWas) {
    Form1& form = startGame(3, 49, 26);
    QByteArray full = fixture::entry(32767, {1, 2, 3}, 4);
    full += QByteArray(28 * 32766, '\0');
    writeFile(kFile, full);
    form.DTPicker2_Change();
    Form5& w = open(form);
    type(w, {"7", "8", "9", "1"});
    messages().expect("This file cannot hold more than 32767 records. Nothing was added.");
    w.Command6_Click();
    EXPECT_EQ(readFile(kFile), full);
    EXPECT_EQ(form.List1->count(), 32767);
}

TEST_F(AddingWindow, WithNoFileShownAddListsTheEntryDatesFileFirst) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 2, 3, 4, 5, 6}, 7}});
    cleardisplay(form);  // as a wheel window leaves the main window
    ASSERT_TRUE(m1().selectionfile.isEmpty());
    Form5& w = open(form);
    EXPECT_EQ(m1().selectionfile, file(kFile));
    EXPECT_EQ(form.List1->count(), 1);
    type(w, {"9", "8", "7", "6", "5", "4", "3"});
    w.Command6_Click();
    EXPECT_EQ(stored().size(), 2U);
    EXPECT_EQ(lines(*form.List1),
              (QStringList{"01 02 03 04 05 06 PB 07", "04 05 06 07 08 09 PB 03"}));
}

TEST_F(AddingWindow, TheCardGameStoresTheTypedCard) {
    Form1& form = startGame(5, 49, 16, "WildCard2");
    Form5& w = open(form);
    type(w, {"5", "4", "3", "2", "1", "qh"});
    w.Command6_Click();
    ASSERT_EQ(stored().size(), 1U);
    EXPECT_EQ(stored()[0].extra, 7);
    EXPECT_EQ(lines(*form.List1).last(), QStringLiteral("01 02 03 04 05 PB QH"));
}

TEST_F(AddingWindow, CloseClearsTheWinningLinesAndHandsBack) {
    Form1& form = startGame(6, 49, 26);
    form.List2->addItem("01 02 03 04 05 06 PB 07(6+PB)");
    form.Text3->setText(" 1");
    Form5& w = open(form);
    w.Command3_Click();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral("0"));
}

struct SuggestRefusal {
    const char* name;
    const char* number;
    bool additional;
    int listed;
    const char* message;
};
std::ostream& operator<<(std::ostream& os, const SuggestRefusal& r) {
    return os << r.name;
}

class SuggestRefusals : public AddingWindow,
                        public ::testing::WithParamInterface<SuggestRefusal> {};

TEST_P(SuggestRefusals, ShowOneMessageAndWriteNothing) {
    const SuggestRefusal r = GetParam();
    Form1& form = startGame(6, 49, 26);
    std::vector<EntryRow> rows;
    for (int i = 0; i < r.listed; ++i) {
        rows.push_back({{1 + i % 40, 41, 42, 43, 44, 45}, 1});
    }
    QByteArray bytes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        bytes += fixture::entry(i == 0 ? static_cast<long>(rows.size()) : 0,
                                {rows[i].balls[0], 41, 42, 43, 44, 45}, 1);
    }
    writeFile(kFile, bytes);
    form.DTPicker2_Change();
    const QByteArray before = readFile(kFile);
    Form5& w = open(form);
    messages().expect(QString::fromLatin1(r.message));
    suggest(w, r.number, r.additional);
    EXPECT_EQ(readFile(kFile), before);
    EXPECT_TRUE(w.Command4->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SuggestRefusals,
    ::testing::Values(
        SuggestRefusal{"NoNumber", "", false, 0,
                       "You have not specified a number to add. Please enter a number in: Enter "
                       "No box"},
        SuggestRefusal{"TotalAlreadyReached", "10", false, 10,
                       "You already have this number of entries or more."},
        SuggestRefusal{"AdditionalPastTheCap", "2491", true, 10,
                       "You are limited to a maximum of 2500 entries"}),
    [](const ::testing::TestParamInfo<SuggestRefusal>& info) {
        return std::string(info.param.name);
    });

TEST_F(AddingWindow, TotalMakesUpTheDifferenceAndAdditionalAddsTheNumber) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 2, 3, 4, 5, 6}, 7}, {{7, 8, 9, 10, 11, 12}, 7}});
    Form5& w = open(form);
    suggest(w, "12");
    EXPECT_EQ(stored().size(), 12U);
    EXPECT_EQ(form.Text2->text(), QStringLiteral(" 12"));
    EXPECT_EQ(form.List1->count(), 12);
    suggest(w, "3", true);
    EXPECT_EQ(stored().size(), 15U);
    EXPECT_EQ(form.List1->count(), 15);
    for (const DrawRecord& r : stored()) {
        EXPECT_GE(r.extra, 1);
        EXPECT_LE(r.extra, 26);
    }
    EXPECT_TRUE(w.Command3->isEnabled());
    EXPECT_TRUE(w.Command6->isEnabled());
}

TEST_F(AddingWindow, TheSameClockGivesTheSameSuggestions) {
    Form1& form = startGame(6, 49, 26);
    Form5& w = open(form);
    suggest(w, "5", true);
    const QStringList first = lines(*form.List1);
    w.Command3_Click();
    writeFile(kFile, {});
    form.DTPicker2_Change();
    Form5& again = open(form);
    suggest(again, "5", true);
    EXPECT_EQ(lines(*form.List1), first);
}

TEST_F(AddingWindow, FromTwentyDrawsTheSuggestionsComeFromPastDraws) {
    Form1& form = startGame(6, 49);
    std::vector<Draw> history;
    for (int d = 1; d <= 20; ++d) {
        // Position p of every draw holds 10 p + 1 or 10 p + 2.
        history.push_back({d, 1, 2011, {1 + d % 2, 11 + d % 2, 21, 31, 41, 42}});
    }
    writeHistory(history);
    form.DTPicker1_Change();
    Form5& w = open(form);
    suggest(w, "1", true);
    ASSERT_EQ(stored().size(), 1U);
    const DrawRecord r = stored()[0];
    EXPECT_TRUE(r.balls[0] == 1 || r.balls[0] == 2);
    EXPECT_TRUE(r.balls[1] == 11 || r.balls[1] == 12);
    EXPECT_EQ(r.balls[2], 21);
}

TEST_F(AddingWindow, AGameWithFewerEntriesThanAskedForStopsAndSaysSo) {
    Form1& form = startGame(3, 10, 1);  // 120 different entries of three numbers
    Form5& w = open(form);
    messages().expect(
        "No further entry could be found that differs enough from the entries in the file. "
        "Entries added: 120");
    suggest(w, "200", true);
    EXPECT_EQ(stored().size(), 120U);
    EXPECT_TRUE(w.Command4->isEnabled());
}

TEST_F(AddingWindow, CancelStopsARunAfterTheEntryBeingWritten) {
    Form1& form = startGame(6, 49, 26);
    Form5& w = open(form);
    w.Command1_Click();  // pressed while nothing runs: not heard by the next run
    suggest(w, "3", true);
    EXPECT_EQ(stored().size(), 3U);

    QTimer::singleShot(0, &w, [&w] {
        EXPECT_FALSE(w.Command3->isEnabled());
        EXPECT_FALSE(w.Command6->isEnabled());
        w.Command1->click();
    });
    suggest(w, "100", true);
    EXPECT_EQ(stored().size(), 4U);
    EXPECT_EQ(form.List1->count(), 4);
    EXPECT_TRUE(w.Command3->isEnabled());
    EXPECT_FALSE(m1().cancelflag);
}

TEST_F(AddingWindow, TheCloseBoxCancelsARunThenCloses) {
    Form1& form = startGame(6, 49, 26);
    Form5& w = open(form);
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    suggest(w, "100", true);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(stored().size(), 1U);

    Form5& again = open(form);
    again.close();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());
}

}  // namespace
