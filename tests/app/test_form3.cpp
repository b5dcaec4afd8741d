// The draw history window: its fixed-column lines, picking a draw for the main window, printing
// the list, and its hand-back.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "app/Form3.h"
#include "app/app_helpers.h"
#include "app/historyline.h"
#include "platform/events.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/waits.h"

namespace {

struct Line {
    const char* label;
    const char* dateorder;
    DrawRecord draw;
    const char* id;
    const char* game;
    const char* expected;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.label;
}

DrawRecord drawOf(int ordinal, int d, int m, int y, std::initializer_list<int> balls, int extra) {
    return DrawRecord::fromBytes(fixture::draw(0, ordinal, d, m, y, balls, extra));
}

}  // namespace

class HistoryLines : public ::testing::TestWithParam<Line> {};

TEST_P(HistoryLines, KeepTheirColumns) {
    const Line& l = GetParam();
    const QString line = historyline(l.draw, QString::fromLatin1(l.dateorder),
                                     QString::fromLatin1(l.id), QString::fromLatin1(l.game));
    EXPECT_EQ(line.toStdString(), l.expected);
    EXPECT_EQ(historyLineDate(line, QString::fromLatin1(l.dateorder)),
              QDate(l.draw.year, l.draw.month, l.draw.day));
}

INSTANTIATE_TEST_SUITE_P(
    Draws, HistoryLines,
    ::testing::Values(
        Line{"month_first", "MMDDYY", drawOf(12, 15, 3, 2012, {5, 12, 23, 34, 45}, 7), "PB",
             "Lotto", "00012 03 15 2012: 05 12 23 34 45 PB 07"},
        Line{"day_first", "DDMMYY", drawOf(1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0), "PB", "Lotto",
             "00001 05 03 2012: 01 02 03 04 05 06"},
        Line{"year_first", "YYMMDD", drawOf(123, 9, 11, 2011, {1, 2, 3, 4, 5, 6, 7}, 0), "BB",
             "Lotto", "00123 2011 11 09: 01 02 03 04 05 06 07"},
        Line{"four_digit_ordinal", "DDMMYY", drawOf(1234, 1, 1, 2012, {10, 20, 30, 40, 50}, 0),
             "PB", "Lotto", "01234 01 01 2012: 10 20 30 40 50"},
        Line{"five_digit_ordinal", "DDMMYY", drawOf(12345, 1, 1, 2012, {1, 2, 3, 4}, 0), "PB",
             "Lotto", "12345 01 01 2012: 01 02 03 04"},
        Line{"three_balls_and_extra", "DDMMYY", drawOf(2, 6, 3, 2012, {4, 0, 9}, 3), "EB", "Pick",
             "00002 06 03 2012: 04 00 09 EB 03"},
        Line{"damaged_fields", "DDMMYY", drawOf(7, 5, 3, 2012, {-3, 100, 7}, 123), "PB", "Lotto",
             "00007 05 03 2012: -3 100 07 PB 123"},
        Line{"wild_card", "DDMMYY", drawOf(3, 7, 3, 2012, {1, 2, 3, 4, 5}, 7), "WC", "WildCard2",
             "00003 07 03 2012: 01 02 03 04 05 WC QH"}),
    [](const auto& info) { return std::string(info.param.label); });

class Form3Test : public MainWindowTest {
protected:
    Form1& startWithLotto(int balls = 6, int extra = 1) {
        Form1& main = start();
        m1().gamename = QStringLiteral("Lotto");
        m1().ballsdrawn = static_cast<qint16>(balls);
        m1().bonusdrawn = static_cast<qint16>(extra);
        m1().extraballid = QStringLiteral("PB");
        return main;
    }
    void writeHistory() {
        writeFile("Lotto.rtl", fixture::draw(2, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 7) +
                                   fixture::draw(0, 2, 15, 3, 2012, {5, 12, 23, 34, 45, 49}, 8) +
                                   fixture::draw(0, 3, 20, 3, 2012, {9, 9, 9, 9, 9, 9}, 9));
    }
    static Form3& history() { return *platform::Windows::get<Form3>(Form3::kName); }
};

TEST_F(Form3Test, ListsTheDrawsUpToTheCountOfRecordOne) {
    startWithLotto();
    writeHistory();
    Form3& w = history();
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->item(0)->text(),
              QStringLiteral("00001 01 03 2012: 01 02 03 04 05 06 PB 07"));
    EXPECT_EQ(w.List1->item(1)->text(),
              QStringLiteral("00002 15 03 2012: 05 12 23 34 45 49 PB 08"));
    EXPECT_EQ(w.List1->font().family(), QStringLiteral("Courier New"));
}

TEST_F(Form3Test, AMissingHistoryListsNothingAndHasNoListToPrint) {
    startWithLotto();
    Form3& w = history();
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_TRUE(exists("Lotto.rtl"));
    messages().expect("There is no list to print!");
    w.Command2_Click();
    EXPECT_TRUE(printer().documents().empty());
    w.List1_DblClick();  // nothing to pick
    EXPECT_FALSE(m1().historypicked);
}

TEST_F(Form3Test, ALineWithoutADateCannotBePicked) {
    Form1& main = startWithLotto();
    writeFile("Lotto.rtl", fixture::draw(1, 0, 0, 0, 0, {}, 0));  // a record never written
    Form3& w = history();
    ASSERT_EQ(w.List1->count(), 1);
    EXPECT_EQ(w.List1->item(0)->text(), QStringLiteral("00000 00 00 0000: 00 00 00"));
    w.List1->setCurrentRow(0);
    w.List1_DblClick();
    EXPECT_FALSE(m1().historypicked);
    EXPECT_EQ(main.DTPicker1->Value(), QDate(2012, 3, 5));
}

TEST_F(Form3Test, PicturePickAndCloseHandTheDateBackAndEnableTheMainWindow) {
    Form1& main = startWithLotto();
    writeHistory();
    bool picked = false;
    QTimer::singleShot(0, &main, [&] {
        auto* w = platform::Windows::live<Form3>(Form3::kName);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Draw Results for Lotto"));
        EXPECT_FALSE(main.isEnabled());
        EXPECT_TRUE(m1().historyopen);
        w->List1->setCurrentRow(1);
        w->List1_DblClick();
        EXPECT_TRUE(m1().historypicked);
        EXPECT_EQ(main.DTPicker1->Value(), QDate(2012, 3, 15));
        const auto shownByTheOpener = [] { return !m1().historypicked; };
        whenTrue(w, shownByTheOpener, [&, w] {
            picked = !m1().historypicked;  // the opener's loop has shown it
            EXPECT_NE(platform::Windows::live<Form3>(Form3::kName), nullptr);  // stays open
            w->Command1_Click();
        });
    });
    main.Image1_Click();
    EXPECT_TRUE(picked);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(m1().historyopen);
    EXPECT_EQ(platform::Windows::live<Form3>(Form3::kName), nullptr);
    EXPECT_EQ(main.DTPicker1->Value(), QDate(2012, 3, 15));
}

TEST_F(Form3Test, EnterOnALinePicksItButNotOnTheButtons) {
    Form1& main = startWithLotto();
    writeHistory();
    Form3& w = history();
    w.List1->setFocus();
    w.List1->setCurrentRow(1);
    QTest::keyClick(w.List1, Qt::Key_Return);
    EXPECT_TRUE(m1().historypicked);
    EXPECT_EQ(main.DTPicker1->Value(), QDate(2012, 3, 15));
    m1().historypicked = false;
    w.Command1->setFocus();
    QTest::keyClick(w.Command1, Qt::Key_Enter);
    EXPECT_FALSE(m1().historypicked);
}

TEST_F(Form3Test, TheCloseBoxClosesLikeClose) {
    Form1& main = startWithLotto();
    QTimer::singleShot(0, &main, [] { platform::Windows::live<Form3>(Form3::kName)->close(); });
    main.Image1_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(m1().historyopen);
    EXPECT_EQ(platform::Windows::live<Form3>(Form3::kName), nullptr);
}

TEST_F(Form3Test, EscapeInTheListClosesLikeClose) {
    Form1& main = startWithLotto();
    writeHistory();
    QTimer::singleShot(0, &main, [] {
        Form3* w = platform::Windows::live<Form3>(Form3::kName);
        w->List1->setFocus();
        w->List1->setCurrentRow(1);
        QTest::keyClick(w->List1, Qt::Key_Escape);
    });
    main.Image1_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(m1().historyopen);
    EXPECT_EQ(platform::Windows::live<Form3>(Form3::kName), nullptr);
}

TEST_F(Form3Test, PrintsThreeEmptyLinesThenEachLineIndented) {
    startWithLotto();
    writeHistory();
    m1().printeravailable = true;
    history().Command2_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const platform::PrintedDocument& doc = printer().documents()[0];
    EXPECT_EQ(doc.fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(doc.fontSize, 10);
    const QString indent(16, u' ');
    EXPECT_EQ(doc.pages[0].texts, QStringList({{},
                                               {},
                                               {},
                                               indent + history().List1->item(0)->text(),
                                               indent + history().List1->item(1)->text()}));
}

TEST_F(Form3Test, APrintErrorSkipsTheRestEndsTheJobAndIsReported) {
    startWithLotto();
    writeHistory();
    m1().printeravailable = true;
    printer().failAtStep(5);  // font, three empty lines, then the first draw line
    messages().expect("There seems to be an unexpected print error.");
    history().Command2_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(printer().documents()[0].pages[0].texts.size(), 3);
    EXPECT_FALSE(printer().jobOpen());
}

TEST_F(Form3Test, NoPrinterDisablesPrintList) {
    startWithLotto();
    m1().printeravailable = false;
    Form3& w = history();
    EXPECT_FALSE(w.Command2->isEnabledTo(&w));
}

struct Size {
    int balls;
    int extra;
    int list;
    int window;
    int closeLeft;
};

class Form3Sizes : public Form3Test, public ::testing::WithParamInterface<Size> {};

TEST_P(Form3Sizes, FitTheGame) {
    startWithLotto(GetParam().balls, GetParam().extra);
    Form3& w = history();
    using platform::twipsToPixels;
    EXPECT_EQ(w.width(), twipsToPixels(GetParam().window));
    EXPECT_EQ(w.List1->width(), twipsToPixels(GetParam().list));
    EXPECT_EQ(w.Command1->x(), twipsToPixels(GetParam().closeLeft));
}

INSTANTIATE_TEST_SUITE_P(
    Games, Form3Sizes,
    ::testing::Values(Size{6, 1, 5935, 6265, 2480}, Size{7, 0, 5535, 5865, 2280},
                      Size{5, 1, 5535, 5865, 2280}, Size{5, 0, 4850, 5175, 2000},
                      Size{3, 1, 4850, 5175, 2000}, Size{6, 0, 5135, 5465, 2000},
                      Size{4, 1, 5135, 5465, 2000}, Size{4, 0, 4450, 4795, 1900}));
