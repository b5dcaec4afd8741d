// The check of the listed entries against the shown draw, and the history check's refusals.
#include <gtest/gtest.h>

#include <QFile>

#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"

namespace {

struct CheckCase {
    const char* name;
    int balls;
    int bonus;                // own extra pool; 0 = none
    bool extraFromMain;       // the extra ball is drawn from the main pool
    std::vector<int> levels;  // the counted levels; empty = all
    std::vector<int> entry;
    int entryExtra;
    std::vector<int> draw;
    int drawExtra;
    const char* lead;  // "" = wins nothing
    bool fanfare;
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
    return os << c.name;
}

QString line(const std::vector<int>& balls, int extra) {
    QString s;
    for (int b : balls) {
        s += QStringLiteral("%1 ").arg(b, 2, 10, QLatin1Char('0'));
    }
    if (extra > 0) {
        s += QStringLiteral("PB %1").arg(extra, 2, 10, QLatin1Char('0'));
    }
    return s;
}

const std::vector<int> kDraw6 = {1, 5, 12, 23, 34, 45};
const std::vector<int> kNeverDrawn = {13, 14, 15, 16, 17, 18, 19};

// A 6-ball game with its own extra pool: m drawn numbers, the rest not drawn, with or without
// the drawn extra 7.
CheckCase ownPool6(const char* name, int m, bool hit, const char* lead, bool fanfare = false) {
    std::vector<int> entry(kDraw6.begin(), kDraw6.begin() + m);
    const int fillers[] = {2, 3, 4, 6, 8, 9};
    for (int i = 0; m + i < 6; ++i) {
        entry.push_back(fillers[i]);
    }
    return {name, 6, 26, false, {}, entry, hit ? 7 : 8, kDraw6, 7, lead, fanfare};
}

class CheckLevels : public EntriesTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckLevels, ListsTheEntryWithItsFirstCountedLevel) {
    const CheckCase c = GetParam();
    Form1& form = startGame(c.balls, 49, c.bonus);
    if (c.extraFromMain) {
        m1().bonusdrawn = 1;
        m1().bonuspool = 0;
    }
    if (!c.levels.empty()) {
        m1().prizelevels = {};
        for (int k : c.levels) {
            m1().prizelevels[static_cast<std::size_t>(k)] = 1;
        }
    }
    // A second entry that matches nothing: with level 15 counted it wins "(0)".
    const std::vector<int> second(kNeverDrawn.begin(), kNeverDrawn.begin() + c.balls);
    const int secondExtra = c.entryExtra > 0 ? 25 : 0;
    listDated(form, {EntryRow{c.entry, c.entryExtra}, EntryRow{second, secondExtra}});
    showDraw(form, {}, c.drawExtra);
    std::copy(c.draw.begin(), c.draw.end(), m1().drawnumbers.begin() + 1);
    select(form, {0, 1});
    const bool wins = *c.lead != '\0';
    const bool secondWins = m1().prizelevels[15] == 1;
    if (!wins && !secondWins) {
        messages().expect("No wins this time!");
    }

    form.Command14_Click();

    QStringList expected;
    if (wins) {
        expected << line(c.entry, c.entryExtra) + QString::fromLatin1(c.lead);
    }
    if (secondWins) {
        expected << line(second, secondExtra) + "(0)";
    }
    EXPECT_EQ(lines(*form.List2), expected);
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" %1").arg(expected.size()));
    EXPECT_EQ(form.List1->item(0)->isSelected(), wins);
    EXPECT_EQ(form.List1->item(1)->isSelected(), secondWins);
    EXPECT_EQ(soundsPlayed, c.fanfare ? QStringList{file("tada.wav")} : QStringList{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Levels, CheckLevels,
    ::testing::Values(
        CheckCase{"Match7", 7, 0, false, {}, {1, 5, 12, 23, 34, 45, 49}, 0,
                  {1, 5, 12, 23, 34, 45, 49}, 0, "(7)", true},
        ownPool6("SixWithOwnExtra", 6, true, "(6+PB)", true),
        ownPool6("Six", 6, false, "(6)"),
        ownPool6("FiveWithExtra", 5, true, "(5+PB)"),
        ownPool6("Five", 5, false, "(5)"),
        ownPool6("FourWithExtra", 4, true, "(4+PB)"),
        ownPool6("Four", 4, false, "(4)"),
        ownPool6("ThreeWithExtra", 3, true, "(3+PB)"),
        ownPool6("Three", 3, false, "(3)"),
        ownPool6("TwoWithExtra", 2, true, "(2+PB)"),
        ownPool6("Two", 2, false, "(2)"),
        ownPool6("OneWithExtra", 1, true, "(1+PB)"),
        ownPool6("One", 1, false, "(1)"),
        ownPool6("ExtraOnly", 0, true, "(0+PB)"),
        ownPool6("Nothing", 0, false, "(0)"),
        CheckCase{"PlusLevelOffFallsThrough", 6, 26, false, {3}, kDraw6, 7, kDraw6, 7, "(6)", false},
        CheckCase{"ExtraOnlyWithoutLevel14WinsNothing", 6, 26, false, {13}, {2, 3, 4, 6, 8, 9}, 7,
                  kDraw6, 7, "", false},
        CheckCase{"BestLevelOffAndLowerNotMatched", 6, 26, false, {2, 9}, kDraw6, 8, kDraw6, 7, "",
                  false},
        CheckCase{"MainPoolFivePlusDrawnExtra", 6, 0, true, {}, {1, 5, 12, 23, 34, 40}, 0, kDraw6,
                  40, "(5+PB)", false},
        CheckCase{"MainPoolSixPlaysTheFanfare", 6, 0, true, {}, kDraw6, 0, kDraw6, 40, "(6)", true},
        CheckCase{"FivePlusOwnExtraPlaysTheFanfare", 5, 26, false, {}, {1, 5, 12, 23, 34}, 7,
                  {1, 5, 12, 23, 34}, 7, "(5+PB)", true},
        CheckCase{"FiveWithoutTheOwnExtraIsSilent", 5, 26, false, {}, {1, 5, 12, 23, 34}, 8,
                  {1, 5, 12, 23, 34}, 7, "(5)", false},
        CheckCase{"FourWithoutExtraBallPlaysTheFanfare", 4, 0, false, {}, {1, 5, 12, 23}, 0,
                  {1, 5, 12, 23}, 0, "(4)", true},
        CheckCase{"ThreePlusExtraPlaysTheFanfare", 3, 26, false, {}, {1, 5, 12}, 7, {1, 5, 12}, 7,
                  "(3+PB)", true},
        CheckCase{"NoExtraBallNeverHitsThePlusLevels", 6, 0, false, {}, {1, 5, 12, 23, 34, 2}, 0,
                  kDraw6, 2, "(5)", false}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });
// clang-format on

class Check : public EntriesTest {};

TEST_F(Check, NoWinningEntryClearsTheMarksAndSaysSo) {
    Form1& form = startGame(6, 49, 26);
    m1().prizelevels = {};
    m1().prizelevels[3] = 1;
    listDated(form, {{{1, 2, 3, 4, 6, 8}, 9}, {{1, 5, 12, 2, 3, 4}, 7}});
    form.List2->addItem("old line");
    select(form, {0, 1});
    showDraw(form, {1, 5, 12, 23, 34, 45}, 7);
    messages().expect("No wins this time!");
    form.Command14_Click();
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 0"));
    EXPECT_TRUE(selectedRows(*form.List1).empty());
    EXPECT_TRUE(soundsPlayed.isEmpty());
}

TEST_F(Check, CountsEveryWinnerAndSoundsForEachTopOne) {
    Form1& form = startGame(6, 49, 26);
    m1().prizelevels = {};
    for (int k : {2, 3, 5}) {
        m1().prizelevels[static_cast<std::size_t>(k)] = 1;
    }
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7},
                     {{1, 2, 3, 4, 6, 8}, 7},
                     {{1, 5, 12, 23, 34, 9}, 7},
                     {{1, 5, 12, 23, 34, 45}, 7}});
    showDraw(form, {1, 5, 12, 23, 34, 45}, 7);
    form.Command14_Click();
    EXPECT_EQ(lines(*form.List2),
              (QStringList{"01 05 12 23 34 45 PB 07(6+PB)", "01 05 12 23 34 09 PB 07(5)",
                           "01 05 12 23 34 45 PB 07(6+PB)"}));
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 3"));
    EXPECT_EQ(selectedRows(*form.List1), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(soundsPlayed.size(), 2);
}

TEST_F(Check, ChecksOnlyWhatIsListedWhenTheFileGrewSinceListing) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    // Another window appends two entries without listing them.
    writeFile("Lotto05Mar2012.lot",
              entryFile({{{1, 5, 12, 23, 34, 45}, 7}, {{1, 5, 12, 23, 34, 45}, 7}, {{1}, 7}}));
    showDraw(form, {1, 5, 12, 23, 34, 45}, 7);
    form.Command14_Click();
    EXPECT_EQ(form.List2->count(), 1);
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 1"));
    EXPECT_EQ(form.List1->count(), 1);
}

// Winners' marks are set together: runs of neighbours, lone ones, the last listed line; a
// mark on a losing line goes, and a line past what the file now holds keeps its mark.
TEST_F(Check, MarksEveryWinnerAndOnlyTheLinesItChecked) {
    Form1& form = startGame(6, 49, 26);
    m1().prizelevels = {};
    m1().prizelevels[3] = 1;
    const EntryRow win{{1, 5, 12, 23, 34, 45}, 8};
    const EntryRow lose{{2, 3, 4, 6, 8, 9}, 8};
    listDated(form, {win, win, lose, win, win, lose, win});
    // Another window has since taken the last entry out of the file.
    writeFile("Lotto05Mar2012.lot", entryFile({win, win, lose, win, win, lose}));
    showDraw(form, {1, 5, 12, 23, 34, 45}, 7);
    select(form, {2, 6});
    form.Command14_Click();
    EXPECT_EQ(selectedRows(*form.List1), (std::vector<int>{0, 1, 3, 4, 6}));
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 4"));

    // Checked again, the marks are the same and the winning lines are not doubled.
    form.Command14_Click();
    EXPECT_EQ(selectedRows(*form.List1), (std::vector<int>{0, 1, 3, 4, 6}));
    EXPECT_EQ(form.List2->count(), 4);
}

struct Refusal {
    const char* name;
    const char* message;
};
std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.name;
}

class CheckRefusals : public EntriesTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(CheckRefusals, ClearTheWinningLinesAndKeepTheTotal) {
    const std::string name = GetParam().name;
    Form1& form = startGame(6, 49, 26);
    if (name != "NoEntries") {
        listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    }
    if (name != "NoDraw") {
        showDraw(form, {1, 5, 12, 23, 34, 45}, 7);
    }
    if (name == "NoLevels") {
        m1().prizelevels = {};
    }
    form.List2->addItem("old line");
    form.Text3->setText(" 4");
    messages().expect(GetParam().message);
    form.Command14_Click();
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 4"));
    EXPECT_TRUE(soundsPlayed.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CheckRefusals,
    ::testing::Values(
        Refusal{"NoEntries", "You do not have any entries listed to check!"},
        Refusal{"NoDraw", "You do not have any draw result listed to check against!"},
        Refusal{"NoLevels", "You cannot do a check you have no winning entries defined for Lotto"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

class History : public EntriesTest {};

TEST_F(History, RefusesWithoutLevelsEntriesOrResults) {
    Form1& form = startGame(6, 49, 26);
    m1().prizelevels = {};
    messages().expect(
        "You cannot do a history check you have no winning entries defined for Lotto");
    form.Command12_Click();

    m1().prizelevels[15] = 1;
    messages().expect("You do not have any entries listed to check against the draw history!");
    form.Command12_Click();

    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    messages().expect("There are no results in the results file - you cannot do a history check!");
    form.Command12_Click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(platform::Windows::find("Form6"), nullptr);
}

TEST_F(History, OpensTheHistoryCheckWhichHandsTheMainWindowBack) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    writeFile("Lotto.rtl", fixture::draw(1, 1, 3, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
    form.Command12_Click();
    platform::Form* history = platform::Windows::find("Form6");
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_FALSE(form.isEnabled());
    history->closeBox();
    EXPECT_TRUE(form.isEnabled());
}

TEST(Fanfare, IsAShortMonoSixteenBitPcmWave) {
    QFile wav(QStringLiteral(KESTROVA_DATA "/tada.wav"));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray b = wav.readAll();
    ASSERT_GE(b.size(), 44);
    auto u16 = [&b](int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; };
    auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1);  // PCM
    EXPECT_EQ(u16(22), 1);  // mono
    EXPECT_EQ(u16(34), 16);
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(u32(40), quint32(b.size() - 44));
    const double seconds = double(u32(40)) / u32(28);
    EXPECT_GE(seconds, 0.8);
    EXPECT_LE(seconds, 2.5);
}

}  // namespace
