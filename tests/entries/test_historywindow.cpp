// The history check window: opening, the refusals, the pages with More and Back, the totals,
// Cancel and the close box.
#include <gtest/gtest.h>

#include <QTimer>

#include "entries/Form6.h"
#include "entrywindow_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::Windows;

namespace {

class HistoryWindow : public EntryWindowTest {
protected:
    Form6* window() { return Windows::live<Form6>(Form6::kName); }

    // A 6 + 1 game with three draws in March 2012 and two listed entries.
    Form1& startWithDraws() {
        Form1& form = startGame(6, 49, 26);
        writeHistory({{1, 3, 2012, {1, 5, 12, 23, 34, 45}, 7},
                      {8, 3, 2012, {2, 6, 13, 24, 35, 46}, 8},
                      {15, 3, 2012, {3, 7, 14, 25, 36, 47}, 9}});
        listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}, {{2, 6, 13, 40, 41, 42}, 9}});
        return form;
    }

    Form6& open(Form1& form) {
        form.Command12_Click();
        Form6* w = window();
        EXPECT_NE(w, nullptr);
        return *w;
    }

    static void range(Form6& w, QDate start, QDate end) {
        w.DTPicker1->setValue(start);
        w.DTPicker2->setValue(end);
    }

    static int visiblePages(const Form6& w) {
        int n = 0;
        for (QListView* page : w.List1) {
            n += page->isHidden() ? 0 : 1;
        }
        return n;
    }

    static QStringList totals(const Form6& w) {
        QStringList out;
        for (int k = 1; k <= 15; ++k) {
            out << w.Text[static_cast<std::size_t>(k)]->text();
        }
        return out;
    }
};

QDate march(int day) {
    return QDate(2012, 3, day);
}

TEST_F(HistoryWindow, OpensOnTheWholeHistoryUpToToday) {
    Form1& form = startWithDraws();
    Form6& w = open(form);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("History Check Against Lotto Entry"));
    EXPECT_EQ(w.DTPicker1->Value(), march(1));
    EXPECT_EQ(w.DTPicker2->Value(), march(5));  // the test clock's today
    EXPECT_EQ(w.DTPicker1->customFormat(), QStringLiteral("dd MMMM yyy"));
    EXPECT_FALSE(form.isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(visiblePages(w), 1);
    EXPECT_EQ(w.Label[2]->text(), QStringLiteral("Match 6+PB"));
    EXPECT_EQ(w.Text[2]->text(), QString());
}

TEST_F(HistoryWindow, ChecksEveryEntryAgainstEveryDrawOfTheRange) {
    Form1& form = startWithDraws();
    m1().prizelevels = {};
    for (int k : {3, 9, 11, 14}) {  // level 2 off: six and the extra counts as "Match 6"
        m1().prizelevels[static_cast<std::size_t>(k)] = 1;
    }
    Form6& w = open(form);
    range(w, march(1), march(15));
    w.Command2_Click();
    EXPECT_EQ(w.pages[0]->lines(),
              (QStringList{"01 Mar 2012", "01 05 12 23 34 45 PB 07 Match 6", "08 Mar 2012",
                           "02 06 13 40 41 42 PB 09 Match 3", "15 Mar 2012",
                           "02 06 13 40 41 42 PB 09 Match 0+PB"}));
    EXPECT_EQ(totals(w), (QStringList{"0", "0", "1", "0", "0", "0", "0", "0", "1", "0", "0", "0",
                                      "0", "1", "0"}));
    EXPECT_EQ(w.Label[3]->text(), QStringLiteral("Match 6"));
    EXPECT_EQ(w.Label[14]->text(), QStringLiteral("Match PB"));
    EXPECT_TRUE(w.Label[1]->isHidden());
    EXPECT_TRUE(w.Text[2]->isHidden());
    EXPECT_FALSE(w.Text[9]->isHidden());
    EXPECT_EQ(w.Label16->text(), QStringLiteral("Check 2 entries against  3 results."));
    EXPECT_EQ(w.shownPage(), 0);
    EXPECT_TRUE(w.Command1->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
    EXPECT_EQ(w.ProgressBar1->value(), 0);
}

TEST_F(HistoryWindow, OneDayWithADrawChecksThatDrawOnly) {
    Form1& form = startWithDraws();
    Form6& w = open(form);
    range(w, march(8), march(8));
    w.Command2_Click();
    EXPECT_EQ(w.Label16->text(), QStringLiteral("Check 2 entries against  1 results."));
    EXPECT_EQ(w.pages[0]->lines().first(), QStringLiteral("08 Mar 2012"));
}

struct Refusal {
    const char* name;
    QDate start;
    QDate end;
    const char* message;  // a message box, or "" for the status line
};
std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.name;
}

class HistoryRefusal : public HistoryWindow, public ::testing::WithParamInterface<Refusal> {};

TEST_P(HistoryRefusal, LeavesTheWindowIdleWithEmptyResults) {
    const Refusal r = GetParam();
    Form1& form = startWithDraws();
    Form6& w = open(form);
    range(w, march(1), march(15));
    w.Command2_Click();
    ASSERT_FALSE(w.pages[0]->lines().isEmpty());

    range(w, r.start, r.end);
    if (*r.message != '\0') {
        messages().expect(QString::fromLatin1(r.message));
    }
    w.Command2_Click();
    for (ResultPageModel* page : w.pages) {
        EXPECT_TRUE(page->lines().isEmpty());
    }
    EXPECT_EQ(totals(w), QStringList(15, QString()));
    EXPECT_EQ(w.Label16->text(), *r.message != '\0'
                                     ? QString()
                                     : QStringLiteral("No results in specified date range"));
    EXPECT_TRUE(w.Command1->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
    EXPECT_EQ(visiblePages(w), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, HistoryRefusal,
    ::testing::Values(Refusal{"StartAfterEnd", march(9), march(8),
                              "Your start date must be before your end date"},
                      Refusal{"BetweenTwoDraws", march(9), march(14), ""},
                      Refusal{"EndBeforeFirstDraw", QDate(2012, 2, 1), QDate(2012, 2, 29), ""},
                      Refusal{"StartAfterLastDraw", march(16), march(31), ""}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(HistoryWindow, AnEmptiedHistoryIsRefusedButCheckStaysUsable) {
    Form1& form = startWithDraws();
    Form6& w = open(form);
    w.Command2_Click();
    const QStringList before = w.pages[0]->lines();
    writeFile("Lotto.rtl", {});
    messages().expect("Cannot do a history check as there are no results in the history file");
    w.Command2_Click();
    // The earlier results stay; Check works again once there are draws.
    EXPECT_EQ(w.pages[0]->lines(), before);
    EXPECT_TRUE(w.Command2->isEnabled());
    EXPECT_TRUE(w.Command1->isEnabled());
    writeHistory({{1, 3, 2012, {1, 5, 12, 23, 34, 45}, 7}});
    w.Command2_Click();
    EXPECT_EQ(w.Label16->text(), QStringLiteral("Check 2 entries against  1 results."));
}

// Entries that all win on every draw: each draw lists its header and one line per entry.
class HistoryPages : public HistoryWindow {
protected:
    Form6& run(int draws, int entries) {
        Form1& form = startGame(3, 49, 26);
        std::vector<Draw> history;
        for (int d = 0; d < draws; ++d) {
            const QDate date = QDate(2000, 1, 1).addDays(d);
            history.push_back({date.day(), date.month(), date.year(), {1, 2, 3}, 1});
        }
        writeHistory(history);
        QByteArray file;
        for (int e = 0; e < entries; ++e) {
            // No main number drawn and not the extra: "Match 0" on every draw.
            file += fixture::entry(e == 0 ? entries : 0, {10 + e % 30, 41, 42}, 5);
        }
        writeFile("Lotto05Mar2012.lot", file);
        form.DTPicker2_Change();
        Form6& w = open(form);
        range(w, QDate(2000, 1, 1), march(5));
        return w;
    }
};

TEST_F(HistoryPages, APageTakes32730LinesAndMoreAndBackTurnThem) {
    Form6& w = run(325, 100);  // 325 x 101 = 32825 lines
    // While the first page fills, the (empty) second one is in view; the first line past it
    // brings the first page into view.
    QTimer watch;
    int filling = 0;
    int turned = 0;
    QObject::connect(&watch, &QTimer::timeout, &w, [&] {
        const bool pastFirstPage = !w.pages[1]->lines().isEmpty();
        EXPECT_EQ(w.shownPage(), pastFirstPage ? 0 : 1);
        ++(pastFirstPage ? turned : filling);
    });
    watch.start(0);
    w.Command2_Click();
    watch.stop();
    EXPECT_GT(filling, 0);
    EXPECT_GT(turned, 0);
    EXPECT_EQ(w.pages[0]->lines().size(), 32730);
    EXPECT_EQ(w.pages[1]->lines().size(), 95);
    EXPECT_EQ(w.currentpage(), 1);
    EXPECT_EQ(w.shownPage(), 0);
    w.Command5_Click();  // Back on the first page
    EXPECT_EQ(w.shownPage(), 0);
    w.Command4_Click();
    EXPECT_EQ(w.shownPage(), 1);
    w.Command4_Click();  // nothing past the last page filled
    EXPECT_EQ(w.shownPage(), 1);
    w.Command5_Click();
    EXPECT_EQ(w.shownPage(), 0);
    EXPECT_EQ(w.Text[15]->text(), QStringLiteral("32500"));
}

TEST_F(HistoryPages, PastFourFullPagesLinesAreOnlyCountedAndThePlayerIsTold) {
    Form6& w = run(1300, 100);  // 131300 lines
    messages().expect(
        "Please note that not all the entries have been displayed in the list on the left. This "
        "is due to there being 131000 entries which is the limit. However the summary on the "
        "right has been completed. If you want details of the missing items you should change "
        "the your search dates.");
    w.Command2_Click();
    for (ResultPageModel* page : w.pages) {
        EXPECT_EQ(page->lines().size(), 32730);
    }
    EXPECT_EQ(w.Text[15]->text(), QStringLiteral("130000"));
    EXPECT_TRUE(m1().historylimitreached);
    for (int more = 0; more < 4; ++more) {
        w.Command4_Click();
    }
    EXPECT_EQ(w.shownPage(), 3);
    EXPECT_EQ(visiblePages(w), 1);
}

TEST_F(HistoryWindow, CancelStopsAfterTheCurrentDrawWithTheTotalsSoFar) {
    Form1& form = startWithDraws();
    Form6& w = open(form);
    range(w, march(1), march(15));
    w.Command3_Click();  // pressed while nothing runs: not heard by the next check
    w.Command2_Click();
    EXPECT_EQ(w.pages[0]->lines().size(), 9);

    QTimer::singleShot(0, &w, [&w] {
        EXPECT_FALSE(w.Command2->isEnabled());
        EXPECT_FALSE(w.Command1->isEnabled());
        w.Command3->click();
    });
    w.Command2_Click();
    EXPECT_EQ(w.pages[0]->lines(), (QStringList{"01 Mar 2012", "01 05 12 23 34 45 PB 07 Match 6+PB",
                                                "02 06 13 40 41 42 PB 09 Match 0"}));
    EXPECT_EQ(w.Text[2]->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.Command1->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
    EXPECT_FALSE(m1().cancelflag);
}

TEST_F(HistoryWindow, TheCloseBoxCancelsARunningCheckThenCloses) {
    Form1& form = startWithDraws();
    Form6& w = open(form);
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    w.Command2_Click();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());

    Form6& again = open(form);
    EXPECT_FALSE(form.isEnabled());
    again.close();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(HistoryPages, EventsAndTheBarComeInBatchesFromTheFirstDrawToTheLast) {
    Form6& w = run(4000, 1);
    QTimer ticks;
    int seen = 0;
    QObject::connect(&ticks, &QTimer::timeout, &w, [&] { ++seen; });
    ticks.start(0);
    std::vector<int> bar;
    QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged, [&](int v) { bar.push_back(v); });
    w.Command2_Click();
    ticks.stop();
    EXPECT_GE(seen, 2);
    EXPECT_LT(seen, 1000);
    ASSERT_GE(bar.size(), 3u);
    EXPECT_EQ(bar.front(), 1);
    EXPECT_EQ(bar[bar.size() - 2], 4000);
    EXPECT_EQ(bar.back(), 0);
    EXPECT_EQ(w.pages[0]->lines().size(), 8000);
}

TEST_F(HistoryPages, MoreAndBackDuringARunKeepOnePageInView) {
    Form6& w = run(700, 100);                        // three pages
    w.eventInterval = std::chrono::milliseconds(0);  // events after every draw
    QTimer turner;
    int presses = 0;
    QObject::connect(&turner, &QTimer::timeout, &w, [&] {
        (++presses % 3 == 0 ? w.Command5 : w.Command4)->click();
        EXPECT_EQ(visiblePages(w), 1);
    });
    turner.start(0);
    w.Command2_Click();
    turner.stop();
    EXPECT_GT(presses, 100);
    EXPECT_EQ(visiblePages(w), 1);
    EXPECT_EQ(w.shownPage(), 0);
    EXPECT_EQ(w.currentpage(), 2);
}

}  // namespace
