// The print manager: its adjustments file and boxes, Save Adjustments, the three adjustment
// choices, Print Playslips and Print Slip Layout on the recording printer, the close box.
#include <gtest/gtest.h>

#include <QTest>

#include "app/Form1.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips_helpers.h"
#include "shared/filefaults.h"
#include "shared/module1.h"

using platform::Windows;
using Step = FileFaults::Step;

namespace {

// Main ball b of board d at (b, 100 + d) mm; extra ball b of board d at (200 + b, d) mm.
QByteArray slipFixture(int boards, int horizmain = -1, int horizextra = 0, int width = 25,
                       int length = 150) {
    QByteArray s = fixture::slip(width, horizmain, horizextra, boards, length);
    for (int d = 1; d <= 10; ++d) {
        for (int b = 1; b <= 49; ++b) {
            fixture::putMm(s, false, b, d, 1, static_cast<float>(b));
            fixture::putMm(s, false, b, d, 2, static_cast<float>(100 + d));
        }
        for (int b = 1; b <= 10; ++b) {
            fixture::putMm(s, true, b, d, 1, static_cast<float>(200 + b));
            fixture::putMm(s, true, b, d, 2, static_cast<float>(d));
        }
    }
    return s;
}

class PrintManagerTest : public PlayslipTest {
protected:
    void SetUp() override {
        PlayslipTest::SetUp();
        m1().mainperentry = 2;
        m1().bonusperentry = 1;
    }
    // An entry file open in the main window: entry i is (i, i + 10) with extra (i % 10) + 1.
    void openEntries(int n) {
        QByteArray bytes;
        for (int i = 1; i <= n; ++i) {
            bytes += fixture::draw(i == 1 ? n : 0, 0, 5, 3, 2012, {i, i + 10}, i % 10 + 1);
        }
        writeFile("Lotto-05Mar2012.lot", bytes);
        m1().selectionfile = file("Lotto-05Mar2012.lot");
        auto* list = Windows::get<Form1>(Form1::kName)->List1;
        list->clear();
        for (int i = 1; i <= n; ++i) {
            list->addItem(QStringLiteral("entry %1").arg(i));
        }
    }
    static std::vector<platform::PrintedLine> marks(const platform::PrintedDocument& d) {
        return d.pages.at(0).lines;
    }
};

void expectMark(const platform::PrintedLine& l, double x1, double y1, double x2, double y2,
                int width) {
    EXPECT_NEAR(l.x1, x1, 0.01);
    EXPECT_NEAR(l.y1, y1, 0.01);
    EXPECT_NEAR(l.x2, x2, 0.01);
    EXPECT_NEAR(l.y2, y2, 0.01);
    EXPECT_EQ(l.width, width);
}

TEST_F(PrintManagerTest, FirstOpeningCreatesTheEmptyAdjustmentsFileAndShowsNoAdjustment) {
    PrintManager& w = openPrintManager();
    EXPECT_FALSE(Windows::find(Form1::kName)->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Playslip Printing Manager for Lotto");
    EXPECT_EQ(w.Frame1->title(), "Global Printing Adjustments for Lotto - All Values in mm");
    EXPECT_TRUE(exists("Lottoadjusts.dat"));
    EXPECT_EQ(readFile("Lottoadjusts.dat"), QByteArray());
    for (auto* box : {w.Text1, w.Text2, w.Text3, w.Text4}) {
        EXPECT_EQ(box->text(), "0");
    }
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_TRUE(w.Command2->isEnabled());
    EXPECT_TRUE(w.Command3->isEnabled());
}

TEST_F(PrintManagerTest, StoredAdjustmentShowsInTheBoxesOfItsDirections) {
    writeFile("Lottoadjusts.dat", fixture::single(2.0F) + fixture::single(-1.5F));
    PrintManager& w = openPrintManager();
    EXPECT_EQ(w.Text1->text(), "2");
    EXPECT_EQ(w.Text2->text(), "0");
    EXPECT_EQ(w.Text3->text(), "0");
    EXPECT_EQ(w.Text4->text(), "1.5");
}

TEST_F(PrintManagerTest, WithoutAPrinterThePrintButtonsStayOff) {
    m1().printeravailable = false;
    messages().expect(QStringLiteral("Cannot find a printer"));
    PrintManager& w = openPrintManager();
    EXPECT_FALSE(w.Command2->isEnabled());
    EXPECT_FALSE(w.Command3->isEnabled());
    EXPECT_TRUE(w.Command5->isEnabled());
    EXPECT_TRUE(w.Command8->isEnabled());
}

TEST_F(PrintManagerTest, SaveWritesTheRecordOrRefusesWithoutWriting) {
    PrintManager& w = openPrintManager();
    const auto save = [&](const char* up, const char* down, const char* left, const char* right,
                          const QString& message) {
        w.Text1->setText(QString::fromLatin1(up));
        w.Text2->setText(QString::fromLatin1(down));
        w.Text3->setText(QString::fromLatin1(left));
        w.Text4->setText(QString::fromLatin1(right));
        messages().expect(message);
        w.Command5_Click();
    };
    save("1", "0", "3", "0", QStringLiteral("Saved"));
    const QByteArray saved = fixture::single(1.0F) + fixture::single(3.0F);
    EXPECT_EQ(readFile("Lottoadjusts.dat"), saved);
    save("1", "1", "1", "1",
         QStringLiteral("You cannot have a value in both Left and Right, please make one or "
                        "more zero."));
    save("1", "1", "0", "0",
         QStringLiteral("You cannot have a value in both Up and Down, please make one or more "
                        "zero."));
    save("0", "0", "-2", "0",
         QStringLiteral("Each adjustment is a distance from 0 to 1000 mm: type it in the box of "
                        "the direction to move, and 0 in the other."));
    EXPECT_EQ(readFile("Lottoadjusts.dat"), saved);
    save("0", "2.5mm", "0", "0", QStringLiteral("Saved"));
    EXPECT_EQ(readFile("Lottoadjusts.dat"), fixture::single(-2.5F) + fixture::single(0.0F));
}

class PrintManagerWriteFailure : public PrintManagerTest,
                                 public ::testing::WithParamInterface<Step> {};

TEST_P(PrintManagerWriteFailure, SaveReportsItAndKeepsTheStoredAdjustment) {
    const QByteArray stored = fixture::single(1.0F) + fixture::single(0.0F);
    writeFile("Lottoadjusts.dat", stored);
    PrintManager& w = openPrintManager();
    w.Text3->setText(QStringLiteral("4"));
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QStringLiteral("The adjustments were not saved. ") +
                      FileFaults::reason(GetParam()));
    w.Command5_Click();
    EXPECT_EQ(readFile("Lottoadjusts.dat"), stored);
}

INSTANTIATE_TEST_SUITE_P(Steps, PrintManagerWriteFailure,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

// An empty file has no write step.
class AdjustFileCreationFailure : public PrintManagerWriteFailure {};

TEST_P(AdjustFileCreationFailure, IsReportedAtOpening) {
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QStringLiteral("The adjustments file of this game could not be created. ") +
                      FileFaults::reason(GetParam()));
    PrintManager& w = openPrintManager();
    EXPECT_FALSE(exists("Lottoadjusts.dat"));
    EXPECT_EQ(w.Text1->text(), "0");
}

INSTANTIATE_TEST_SUITE_P(Steps, AdjustFileCreationFailure,
                         ::testing::Values(Step::Flush, Step::Commit));

TEST_F(PrintManagerTest, SevenEntriesOnThreeBoardsAreThreeSlipsMarkedWhereComputed) {
    writeFile("Lotto.dat", slipFixture(3, -1, 0, 35, 200));
    openEntries(7);
    PrintManager& w = openPrintManager();
    w.Option3->setChecked(true);
    w.Command2_Click();
    const auto& docs = printer().documents();
    ASSERT_EQ(docs.size(), 3U);
    EXPECT_EQ(marks(docs[0]).size(), 9U);
    EXPECT_EQ(marks(docs[1]).size(), 9U);
    ASSERT_EQ(marks(docs[2]).size(), 3U);
    // Entry 1 on board A of slip 1: 1 and 11 horizontal at 101 mm, extra 2 down from (202, 1).
    expectMark(marks(docs[0])[0], 56.82, 5738.82, 256.82, 5738.82, 35);
    expectMark(marks(docs[0])[1], 625.02, 5738.82, 825.02, 5738.82, 35);
    expectMark(marks(docs[0])[2], 11477.64, 56.82, 11477.64, 256.82, 35);
    // Entry 6 on board C of slip 2: 6 and 16 at 103 mm, extra 7 from (207, 3).
    expectMark(marks(docs[1])[6], 340.92, 5852.46, 540.92, 5852.46, 35);
    expectMark(marks(docs[1])[8], 11761.74, 170.46, 11761.74, 370.46, 35);
    // Entry 7 alone on board A of slip 3.
    expectMark(marks(docs[2])[0], 397.74, 5738.82, 597.74, 5738.82, 35);
    EXPECT_EQ(m1().marklength, 200);
    EXPECT_FALSE(printer().jobOpen());
}

TEST_F(PrintManagerTest, EachAdjustmentChoiceMovesTheMarks) {
    writeFile("Lotto.dat", slipFixture(3));
    writeFile("Lottoadjusts.dat", fixture::single(2.0F) + fixture::single(0.0F));
    openEntries(1);
    PrintManager& w = openPrintManager();
    w.Text1->setText(QStringLiteral("0"));
    w.Text3->setText(QStringLiteral("1"));  // typed, not saved
    const struct {
        QRadioButton* option;
        double dx, dy;
    } cases[] = {
        {w.Option2, 0, 113.64},  // saved: 2 mm Up moves the marks down the page
        {w.Option1, 56.82, 0},   // displayed: 1 mm Left moves them right
        {w.Option3, 0, 0},
    };
    for (const auto& c : cases) {
        c.option->setChecked(true);
        w.Command2_Click();
        expectMark(marks(printer().documents().back())[0], 56.82 + c.dx, 5738.82 + c.dy,
                   206.82 + c.dx, 5738.82 + c.dy, 25);
    }
    w.Option1->setChecked(true);
    w.Text2->setText(QStringLiteral("3"));
    w.Text1->setText(QStringLiteral("3"));
    messages().expect(QStringLiteral(
        "You cannot have a value in both Up and Down, please make one or more zero."));
    w.Command2_Click();
    EXPECT_EQ(printer().documents().size(), 3U);
}

TEST_F(PrintManagerTest, NothingIsPrintedWhenTheRunCannotBeComplete) {
    PrintManager& w = openPrintManager();
    messages().expect(QStringLiteral("There are no entries listed to print!"));
    w.Command2_Click();

    openEntries(2);
    messages().expect(
        QStringLiteral("You have not yet used the Printer Calibration process for this game."));
    w.Command2_Click();  // no settings file

    QByteArray slip = slipFixture(3);
    fixture::putMm(slip, false, 12, 2, 1, 0);  // entry 2 is (2, 12), on board B
    writeFile("Lotto.dat", slip);
    messages().expect(QStringLiteral(
        "There seems to be an error. There are no X or Y values for Main ball 12 on board B"));
    w.Command2_Click();

    writeFile("Lotto.dat", QByteArray(100, '\1'));
    messages().expect(QStringLiteral(
        "The playslip settings in Lotto.dat are damaged (it holds 100 bytes instead of 17434) "
        "and were not used."));
    w.Command2_Click();
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_FALSE(printer().jobOpen());
}

TEST_F(PrintManagerTest, APrinterFailureDropsTheSlipItHappenedInAndStops) {
    writeFile("Lotto.dat", slipFixture(3));
    openEntries(7);
    PrintManager& w = openPrintManager();
    // Slip 1 takes 11 steps (width, 9 marks, end); fail in the middle of slip 2.
    printer().failAtStep(16);
    messages().expect(QStringLiteral("There seems to be an unexpected print error."));
    w.Command2_Click();
    ASSERT_EQ(printer().documents().size(), 1U);
    EXPECT_FALSE(printer().jobOpen());
    w.Command2_Click();  // the next run starts clean
    EXPECT_EQ(printer().documents().size(), 4U);
}

TEST_F(PrintManagerTest, SlipLayoutPrintsEveryStoredMarkOnOnePage) {
    QByteArray slip = slipFixture(5, -1, 0, 0, 0);
    writeFile("Lotto.dat", slip);
    PrintManager& w = openPrintManager();
    w.Option1->setChecked(true);
    w.Text1->setText(QStringLiteral("1"));
    w.Command3_Click();
    ASSERT_EQ(printer().documents().size(), 1U);
    const auto lines = marks(printer().documents()[0]);
    ASSERT_EQ(lines.size(), 5U * 49 + 5 * 10);
    // A width and length never saved draw as the settings window shows them: 25, 150.
    expectMark(lines[0], 56.82, 5738.82 + 56.82, 206.82, 5738.82 + 56.82, 25);
    expectMark(lines[5 * 49], 11420.82, 113.64, 11420.82, 263.64, 25);

    const QString notSetUp = QStringLiteral(
        "It appears that this game has not yet been set up for printing. Use the Configure Game "
        "Printing button to set up printing for this game");
    fixture::putMm(slip, false, 1, 1, 1, 0);
    fixture::putMm(slip, false, 1, 1, 2, 0);
    writeFile("Lotto.dat", slip);
    messages().expect(notSetUp + u'.');
    w.Command3_Click();
    writeFile("Lotto.dat", slipFixture(0));
    messages().expect(notSetUp + QStringLiteral(" or check for the latest list."));
    w.Command3_Click();
    EXPECT_EQ(printer().documents().size(), 1U);
}

TEST_F(PrintManagerTest, AnExtraFromTheMainPoolIsMarkedAtItsMainPosition) {
    setGame(QStringLiteral("Lotto"), 49, 0);
    QByteArray slip = slipFixture(3);
    for (int b = 1; b <= 10; ++b) {  // the settings window keeps no extra positions for it
        fixture::putMm(slip, true, b, 1, 1, 0);
        fixture::putMm(slip, true, b, 1, 2, 0);
    }
    writeFile("Lotto.dat", slip);
    openEntries(1);  // (1, 11), extra 2
    PrintManager& w = openPrintManager();
    w.Command2_Click();
    ASSERT_EQ(printer().documents().size(), 1U);
    const auto lines = marks(printer().documents()[0]);
    ASSERT_EQ(lines.size(), 3U);
    expectMark(lines[2], 113.64, 5738.82, 263.64, 5738.82, 25);
}

TEST_F(PrintManagerTest, CloseBoxIsCloseAndHandsBackToTheMainWindow) {
    PrintManager& w = openPrintManager();
    w.close();
    QTRY_COMPARE(Windows::find(PrintManager::kName), nullptr);
    EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());
}

}  // namespace
