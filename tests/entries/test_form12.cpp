// The entry filter: its band and shared-number marks on hand-made entry files, hand toggles,
// Remove's file bytes and its failures, the work copy, printing and the hand-back.
#include <algorithm>

#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

#include "entries/Form12.h"
#include "entries/entrieswindows.h"
#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::Windows;
using Step = FileFaults::Step;

namespace {

// Totals 21 (under the band 86..214 of six from 49), 110, 111 and 279 (over it); the second
// and third share five numbers.
const EntryRow kLow{{1, 2, 3, 4, 5, 6}, 1};
const EntryRow kMid{{5, 10, 20, 21, 22, 32}, 2};
const EntryRow kNear{{5, 10, 20, 21, 22, 33}, 3};
const EntryRow kHigh{{44, 45, 46, 47, 48, 49}, 4};

QByteArray rec(long count, const EntryRow& row) {
    QByteArray b = fixture::le32(count) + QByteArray(8, '\0');
    for (std::size_t i = 0; i < 7; ++i) {
        b += fixture::le16(i < row.balls.size() ? row.balls[i] : 0);
    }
    return b + fixture::le16(row.extra);
}

std::vector<bool> marks(const QListWidget& list) {
    std::vector<bool> out;
    for (int i = 0; i < list.count(); ++i) {
        out.push_back(list.item(i)->checkState() == Qt::Checked);
    }
    return out;
}

}  // namespace

class FilterTest : public EntriesTest {
protected:
    void SetUp() override {
        EntriesTest::SetUp();
        registerEntriesWindows();
    }
    // Six from 49 with an extra from 1..10, the four entries listed in the main window.
    Form1& startWithEntries() {
        Form1& main = startGame(6, 49, 10);
        listDated(main, {kLow, kMid, kNear, kHigh});
        return main;
    }
    static Form12& filter() { return *Windows::get<Form12>(Form12::kName); }
    QString entryName() const { return m1().gamename + "05Mar2012.lot"; }
    static void check(Form12& w, bool sum, bool shared, QRadioButton* threshold = nullptr) {
        w.Check1->setChecked(sum);
        w.Check2->setChecked(shared);
        if (threshold != nullptr) {
            threshold->setChecked(true);
        }
        w.Command1_Click();
    }
};

TEST_F(FilterTest, LoadNamesTheGameAndOffersThresholdsFromKDown) {
    startGame(6, 49, 10);
    const struct {
        int k;
        QStringList texts;  // Option4, Option3, Option2, Option1; empty = hidden
    } games[] = {{7, {"7", "6", "5", "4"}},
                 {6, {"6", "5", "4", "3"}},
                 {5, {"5", "4", "3", "2"}},
                 {4, {"4", "3", "2", ""}},
                 {3, {"3", "2", "", ""}}};
    for (const auto& g : games) {
        m1().mainperentry = static_cast<qint16>(g.k);
        Form12& w = filter();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Filter for Lotto"));
        const QRadioButton* options[] = {w.Option4, w.Option3, w.Option2, w.Option1};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(options[i]->isHidden(), g.texts[i].isEmpty()) << g.k << " " << i;
            if (!g.texts[i].isEmpty()) {
                EXPECT_EQ(options[i]->text(), g.texts[i]);
            }
        }
        EXPECT_TRUE(w.Option3->isChecked());
        EXPECT_EQ(w.List1->count(), 0);
        EXPECT_TRUE(w.Text1->text().isEmpty());
        Windows::unload(Form12::kName);
    }
}

TEST_F(FilterTest, NoFilterChosenSaysSoAndWritesNothing) {
    startWithEntries();
    Form12& w = filter();
    messages().expect("No filter has been specified");
    check(w, false, false);
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_FALSE(exists("temp.lot"));
}

TEST_F(FilterTest, CheckMarksOutsideTheBandAndLaterSharersAndCountsThem) {
    startWithEntries();
    Form12& w = filter();
    check(w, true, false);
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("4"));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    EXPECT_EQ(w.Text3->text(), QStringLiteral("2"));
    EXPECT_EQ(lines(*w.List1), (QStringList{"01 02 03 04 05 06 PB 01", "05 10 20 21 22 32 PB 02",
                                            "05 10 20 21 22 33 PB 03", "44 45 46 47 48 49 PB 04"}));
    // The work copy is the entry file as it stands.
    EXPECT_EQ(readFile("temp.lot"), readFile(entryName()));

    check(w, true, true, w.Option3);  // threshold 5
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("3"));
    EXPECT_EQ(w.ProgressBar1->value(), 0);

    check(w, false, true, w.Option4);  // only copies of an earlier entry
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("0"));

    w.Slider1->setValue(5);  // 126..174: the two middle entries now fall under it
    check(w, true, false);
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{true, true, true, true}));
}

TEST_F(FilterTest, TheBarMovesAFewDozenTimesUpToTheLastEntryThenGoesBack) {
    Form1& main = startGame(6, 49, 10);
    const int n = 1000;
    QByteArray file;
    for (int r = 0; r < n; ++r) {
        file += rec(r == 0 ? n : 0, {{1 + r % 40, 2 + r % 40, 3 + r % 40, 4 + r % 40, 45, 49}, 1});
    }
    writeFile(entryName(), file);
    main.DTPicker2_Change();
    Form12& w = filter();
    std::vector<int> values;
    QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged,
                     [&](int v) { values.push_back(v); });
    check(w, false, true, w.Option4);
    ASSERT_GE(values.size(), 3u);
    EXPECT_LE(values.size(), 40u);
    EXPECT_EQ(values[values.size() - 2], n);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end() - 1));
    EXPECT_EQ(w.ProgressBar1->value(), 0);
    EXPECT_EQ(w.List1->count(), n);
    EXPECT_EQ(w.Text2->text(), QString::number(n - 40));  // copies of the first forty
}

TEST_F(FilterTest, HandTogglesMoveTheTotalsAndDecideWhatRemoveDeletes) {
    startWithEntries();
    Form12& w = filter();
    check(w, true, false);
    w.List1->item(0)->setCheckState(Qt::Unchecked);
    w.List1->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("4"));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    EXPECT_EQ(w.Text3->text(), QStringLiteral("2"));
    w.List1->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("3"));
    EXPECT_EQ(w.Text3->text(), QStringLiteral("1"));
    EXPECT_EQ(w.checkedcount, 2);

    w.List1->item(1)->setCheckState(Qt::Unchecked);
    w.Command2_Click();
    // Entries 1 and 2 stay, unchanged; record 1 counts them. Check ran again on the new file.
    EXPECT_EQ(readFile(entryName()), rec(2, kLow) + rec(0, kMid));
    EXPECT_EQ(lines(*w.List1), (QStringList{"01 02 03 04 05 06 PB 01", "05 10 20 21 22 32 PB 02"}));
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{true, false}));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(readFile("temp.lot"), readFile(entryName()));
}

TEST_F(FilterTest, AfterACheckWithoutFilterTheMarksShownAreStillTheOnesRemoved) {
    startWithEntries();
    Form12& w = filter();
    check(w, true, false);
    messages().expect("No filter has been specified");
    check(w, false, false);
    ASSERT_EQ(w.List1->count(), 4);
    // The toggles still count, so Remove deletes what the list shows checked.
    w.List1->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("1"));
    messages().expect("No filter has been specified");  // Remove checks again
    w.Command2_Click();
    EXPECT_EQ(readFile(entryName()), rec(3, kLow) + rec(0, kMid) + rec(0, kNear));
}

TEST_F(FilterTest, RemoveWithEveryMarkClearedDoesNothing) {
    startWithEntries();
    const QByteArray before = readFile(entryName());
    Form12& w = filter();
    w.Command2_Click();  // before any Check
    check(w, true, false);
    w.List1->item(0)->setCheckState(Qt::Unchecked);
    w.List1->item(3)->setCheckState(Qt::Unchecked);
    ASSERT_EQ(w.Text2->text(), QStringLiteral("0"));
    w.Command2_Click();
    EXPECT_EQ(readFile(entryName()), before);
    EXPECT_EQ(w.List1->count(), 4);
}

TEST_F(FilterTest, RemovingEveryEntryLeavesCountZeroAndTheNextCheckListsNothing) {
    startWithEntries();
    Form12& w = filter();
    w.Slider1->setValue(5);
    check(w, true, false);
    ASSERT_EQ(w.Text2->text(), QStringLiteral("4"));
    w.Command2_Click();
    EXPECT_EQ(readFile(entryName()), QByteArray(DrawRecord::kSize, '\0'));
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_TRUE(w.Text2->text().isEmpty());
    w.Command2_Click();  // nothing to remove
    EXPECT_EQ(readFile(entryName()), QByteArray(DrawRecord::kSize, '\0'));
}

TEST_F(FilterTest, ThreeNumberGamesHaveABandAndDoNotLoseEveryEntry) {
    Form1& main = startGame(3, 36);
    // Band 30..80: totals 6 and 105 fall outside, 60 stays.
    listDated(main, {{{1, 2, 3}}, {{10, 20, 30}}, {{34, 35, 36}}});
    Form12& w = filter();
    check(w, true, false);
    EXPECT_EQ(marks(*w.List1), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(lines(*w.List1), (QStringList{"01 02 03 ", "10 20 30 ", "34 35 36 "}));
}

class RemoveFaults : public FilterTest, public ::testing::WithParamInterface<Step> {};

TEST_P(RemoveFaults, AFailedWriteKeepsTheEntryFileAndSaysSo) {
    startWithEntries();
    const QByteArray before = readFile(entryName());
    Form12& w = filter();
    check(w, true, false);
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QStringLiteral("The entry file could not be changed (%1). Nothing was "
                                     "removed.")
                          .arg(FileFaults::reason(GetParam())));
    w.Command2_Click();
    EXPECT_EQ(readFile(entryName()), before);
    EXPECT_EQ(w.List1->count(), 4);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Steps, RemoveFaults,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

TEST_F(FilterTest, AnEntryFileThePlayerMayOnlyReadIsNotChanged) {
    startWithEntries();
    const QByteArray before = readFile(entryName());
    Form12& w = filter();
    check(w, true, false);
    ASSERT_TRUE(QFile::setPermissions(file(entryName()), QFileDevice::ReadOwner));
    messages().expect(QStringLiteral("The entry file could not be changed (Existing file %1 is "
                                     "not writable). Nothing was removed.")
                          .arg(file(entryName())));
    w.Command2_Click();
    EXPECT_EQ(readFile(entryName()), before);
}

TEST_F(FilterTest, AWorkCopyThatCannotBeWrittenStopsTheCheck) {
    startWithEntries();
    Form12& w = filter();
    fileFaults().failAt(Step::Write, 1);
    messages().expect(QStringLiteral("The work copy temp.lot could not be written (%1).")
                          .arg(FileFaults::reason(Step::Write)));
    check(w, true, false);
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_TRUE(w.Text1->text().isEmpty());
    EXPECT_FALSE(exists("temp.lot"));
}

TEST_F(FilterTest, PrintShowsTheMarksAndReportsAFailure) {
    startWithEntries();
    Form12& w = filter();
    messages().expect("There is no list to print!");
    w.Command4_Click();
    check(w, true, false);
    w.Command4_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const QString pad(16, u' ');
    EXPECT_EQ(printer().documents()[0].pages[0].texts,
              (QStringList{"", "", "", pad + "01 02 03 04 05 06 PB 01 Selected for Deletion",
                           pad + "05 10 20 21 22 32 PB 02", pad + "05 10 20 21 22 33 PB 03",
                           pad + "44 45 46 47 48 49 PB 04 Selected for Deletion"}));
    EXPECT_EQ(printer().documents()[0].fontName, QStringLiteral("Courier New"));

    printer().failAtStep(6);
    messages().expect("There seems to be an unexpected print error.");
    w.Command4_Click();
    EXPECT_EQ(printer().documents().size(), 2u);
}

TEST_F(FilterTest, WithoutAPrinterPrintIsDisabled) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    startWithEntries();
    EXPECT_FALSE(filter().Command4->isEnabled());
}

TEST_F(FilterTest, TheCloseBoxDeletesTheCopyAndTheMainWindowListsTheFilteredFile) {
    Form1& main = startWithEntries();
    bool played = false;
    QTimer::singleShot(0, &main, [&] {
        auto* w = Windows::live<Form12>(Form12::kName);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(main.isEnabled());
        check(*w, true, false);
        w->Command2_Click();
        EXPECT_TRUE(exists("temp.lot"));
        w->close();  // the title bar's close box
        played = true;
    });
    main.mnuFilter_Click();
    ASSERT_TRUE(played);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_TRUE(m1().windowdone);
    EXPECT_FALSE(exists("temp.lot"));
    EXPECT_EQ(Windows::find(Form12::kName), nullptr);
    EXPECT_EQ(lines(*main.List1),
              (QStringList{"05 10 20 21 22 32 PB 02", "05 10 20 21 22 33 PB 03"}));
    EXPECT_EQ(main.Text2->text(), QStringLiteral("2"));
}
