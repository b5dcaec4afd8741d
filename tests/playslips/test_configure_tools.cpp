// The settings window's ball sets, board suggestion, adjustment dialog, test prints, printer
// choice and Exit, and a game whose name cannot name its settings file.
#include <gtest/gtest.h>

#include <QTest>

#include "app/Form1.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "playslips/Form11.h"
#include "playslips/adjust.h"
#include "playslips_helpers.h"
#include "shared/module1.h"
#include "support/waits.h"

using namespace fixture;
using platform::MsgAnswer;
using platform::PrintedLine;
using platform::Windows;

namespace platform {
// Found by lookup beside the type, for the comparisons of recorded lines.
static bool operator==(const PrintedLine& a, const PrintedLine& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.width == b.width;
}
}  // namespace platform

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save your changes?");

class ConfigureTools : public PlayslipTest {};

TEST_F(ConfigureTools, ExtraSetShowsItsPoolAndCardsForWildCard2) {
    setGame(QStringLiteral("WildCard2"), 52, 16);
    configure& w = open();
    w.mnuConfigExtra_Click();
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for WildCard2 Board A Bonus Ball");
    EXPECT_TRUE(w.mnuConfigExtra->isChecked());
    EXPECT_FALSE(w.mnuConfigMain->isChecked());
    EXPECT_EQ(w.Label1[0]->text(), "AS");
    EXPECT_EQ(w.Label1[15]->text(), "JC");
    EXPECT_EQ(w.Label1[0]->font().pointSize(), 8);
    EXPECT_FALSE(w.Label1[15]->isHidden());
    EXPECT_TRUE(w.Label1[16]->isHidden());
    EXPECT_FALSE(w.Text1[31]->isHidden());
    EXPECT_TRUE(w.Text1[32]->isHidden());
    w.mnuConfigMain_Click();
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for WildCard2 Board A Main Balls");
    EXPECT_EQ(w.Label1[0]->text(), "1");
    EXPECT_EQ(w.Label1[0]->font().pointSize(), 12);
    EXPECT_FALSE(w.Label1[51]->isHidden());
    EXPECT_TRUE(w.Label1[52]->isHidden());
}

TEST_F(ConfigureTools, SetSwitchAsksOnceAndGoesToBoardA) {
    configure& w = open();
    w.mnuBoard_Click(2);
    w.Text1[0]->setText("3");
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    w.mnuConfigExtra_Click();
    EXPECT_EQ(m1().currentboard, 1);
    EXPECT_EQ(m1().slipmode, "Bonus Ball");
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 2, 1, 3);
    EXPECT_EQ(readFile(slipFile()), expected);
}

TEST_F(ConfigureTools, GameWithoutExtraPoolHasNoExtraSet) {
    setGame(QStringLiteral("Lotto"), 49, 0);
    configure& w = open();
    EXPECT_FALSE(w.mnuConfigExtra->isEnabled());
    EXPECT_FALSE(w.mnuExtaOrientation->menuAction()->isEnabled());
}

TEST_F(ConfigureTools, SuggestFillsTheBoardFromBoardA) {
    QByteArray b = slip(25, 0, 0, 3, 150);
    putMm(b, false, 1, 1, 1, 10);
    putMm(b, false, 1, 1, 2, 20);
    putMm(b, false, 2, 1, 1, 15);
    putMm(b, false, 2, 1, 2, 20);
    writeFile(slipFile(), b);
    configure& w = open();
    messages().expect("You cannot suggest Board A co-ordinates, you must enter them manually");
    w.mnuSuggest_Click();
    w.mnuBoard_Click(2);
    w.Text1[5]->setText("keep");
    w.Text1[0]->setText("10");
    w.Text1[1]->setText("80");
    w.mnuSuggest_Click();
    EXPECT_EQ(w.Text1[2]->text(), "15");
    EXPECT_EQ(w.Text1[3]->text(), "80");
    EXPECT_EQ(w.Text1[5]->text(), "keep");  // no Board A value for ball 3
    EXPECT_TRUE(w.changesmade);
    EXPECT_EQ(readFile(slipFile()), b);  // nothing saved
    messages().expect(kSaveQuestion, MsgAnswer::No);
    w.mnuConfigExtra_Click();
}

TEST_F(ConfigureTools, AdjustDialogShiftsTheBoxesWhileTheWindowWaits) {
    configure& w = open();
    w.Text1[1]->setText("10");
    w.Text1[3]->setText(".5");
    w.Text1[4]->setText("7");
    w.mnuSave_Click();
    whenTrue(
        &w, [] { return Windows::live<adjust>(adjust::kName) != nullptr; },
        [&w] {
            auto* a = Windows::live<adjust>(adjust::kName);
            EXPECT_EQ(a->windowTitle(), "Adjustments for Lotto Board A Main Balls");
            EXPECT_FALSE(w.isEnabled());
            w.close();  // not while the dialog is open
            EXPECT_EQ(Windows::find(configure::kName), &w);
            EXPECT_TRUE(a->Option1->isChecked());
            EXPECT_TRUE(a->Option4->isChecked());
            a->Text1->setText("2");
            a->Option3->setChecked(true);
            a->Text2->setText("1");
            QTest::mouseClick(a->Command1, Qt::LeftButton);
            a->Text2->setFocus();
            QTest::keyClick(a->Text2, Qt::Key_Return);  // Enter in a box shifts again
            a->close();                                 // the close box is Close
        });
    w.mnuAdjust_Click();
    EXPECT_TRUE(m1().adjustdone);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.Text1[1]->text(), "14");
    EXPECT_EQ(w.Text1[3]->text(), "4.5");
    EXPECT_EQ(w.Text1[4]->text(), "5");
    EXPECT_TRUE(w.changesmade);
    EXPECT_EQ(Windows::find(adjust::kName), nullptr);
}

TEST_F(ConfigureTools, PrintCurrentDrawsEachSetInItsOwnOrientation) {
    configure& w = open();
    w.mnuHorizontalMain_Click();
    w.mnuThick_Click();
    w.mnuLong_Click();
    w.Text1[0]->setText("10");
    w.Text1[1]->setText("20");
    w.Text1[2]->setText("0.008");  // rounds to 0 twips: no mark
    w.Text1[3]->setText("5");
    messages().expect("Printing Main Balls for Board A");
    w.mnuPrintCurrent_Click();
    messages().expect(kSaveQuestion, MsgAnswer::No);
    w.mnuConfigExtra_Click();
    w.mnuBoard_Click(2);
    w.Text1[0]->setText("1");
    w.Text1[1]->setText("2.5");
    messages().expect("Printing Exta Balls for Board B");
    w.mnuPrintCurrent_Click();

    const auto& docs = printer().documents();
    ASSERT_EQ(docs.size(), 2u);
    ASSERT_EQ(docs[0].pages.size(), 1u);
    EXPECT_EQ(docs[0].pages[0].lines, (std::vector<PrintedLine>{{568, 1136, 768, 1136, 35}}));
    // The extra set keeps its own vertical marks while the main marks are horizontal; the
    // switch read the length back from the file (none stored: Medium).
    EXPECT_EQ(docs[1].pages[0].lines, (std::vector<PrintedLine>{{57, 142, 57, 292, 35}}));
}

TEST_F(ConfigureTools, PrintFailureIsReportedAndEndsTheJob) {
    configure& w = open();
    w.Text1[0]->setText("10");
    w.Text1[1]->setText("20");
    w.Text1[2]->setText("30");
    w.Text1[3]->setText("40");
    printer().failAtStep(3);  // the second line
    messages().expect("Printing Main Balls for Board A");
    messages().expect("Prining cancelled or printing error");
    w.mnuPrintCurrent_Click();
    // What was drawn does not linger into the next job.
    EXPECT_FALSE(printer().jobOpen());
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(printer().documents()[0].pages[0].lines.size(), 1u);
}

TEST_F(ConfigureTools, WithoutAPrinterOnlyCurrentIsDisabled) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    configure& w = open();
    EXPECT_FALSE(m1().printeravailable);
    EXPECT_FALSE(w.mnuPrintCurrent->isEnabled());
    EXPECT_TRUE(w.mnuPrintAll->isEnabled());
}

TEST_F(ConfigureTools, PrintAllPrintsTheFileWithoutAdjustment) {
    QByteArray b = slip(15, 0, -1, 2, 100);
    putMm(b, false, 1, 1, 1, 10);
    putMm(b, false, 1, 1, 2, 20);
    putMm(b, true, 3, 2, 1, 1);
    putMm(b, true, 3, 2, 2, 2);
    writeFile(slipFile(), b);
    configure& w = open();
    w.Text1[0]->setText("99");  // the boxes on screen are not printed
    m1().adjusthorizontal = 500;
    m1().adjustvertical = 500;
    messages().expect(
        "This print does not include any global print adjustments you may have set up on the "
        "Print Manager screen.");
    w.mnuPrintAll_Click();
    EXPECT_EQ(m1().adjusthorizontal, 0);
    EXPECT_EQ(m1().adjustvertical, 0);
    const auto& docs = printer().documents();
    ASSERT_EQ(docs.size(), 1u);
    const float x = static_cast<float>(10.0f * 56.82);
    const float y = static_cast<float>(20.0f * 56.82);
    const float ex = static_cast<float>(1.0f * 56.82);
    const float ey = static_cast<float>(2.0f * 56.82);
    EXPECT_EQ(docs[0].pages[0].lines,
              (std::vector<PrintedLine>{{x, y, x, y + 100.0f, 15}, {ex, ey, ex + 100.0f, ey, 15}}));
}

TEST_F(ConfigureTools, PrintAllOfAGameNotSetUpPrintsNothing) {
    configure& w = open();
    const QString notSetUp =
        QStringLiteral("It appears that this game has not yet been set up for printing.");
    messages().expect(
        "This print does not include any global print adjustments you may have set up on the "
        "Print Manager screen.");
    messages().expect(notSetUp);
    w.mnuPrintAll_Click();
    writeFile(slipFile(), slip(25, 0, 0, 3, 150));  // boards, but no ball 1 on Board A
    messages().expect(notSetUp);
    w.printallmarks(QStringLiteral("Lotto"));
    EXPECT_TRUE(printer().documents().empty());
}

TEST_F(ConfigureTools, PrinterSelectionHandsBackToTheWindow) {
    configure& w = open();
    w.mnuPrinterSelection_Click();
    EXPECT_FALSE(w.isEnabled());
    auto* choice = Windows::live<Form11>(Form11::kName);
    ASSERT_NE(choice, nullptr);
    choice->Command1_Click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(Windows::find(windownames::Form1)->isEnabled());
}

TEST_F(ConfigureTools, ExitAsksThenHandsBackToThePrintManager) {
    configure& w = open();
    w.Text1[0]->setText("4");
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    w.close();  // the close box is Exit
    EXPECT_EQ(Windows::find(configure::kName), nullptr);
    EXPECT_TRUE(Windows::find(windownames::PrintManager)->isEnabled());
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 1, 1, 4);
    EXPECT_EQ(readFile(slipFile()), expected);
}

TEST_F(ConfigureTools, GameNameThatWouldOverwriteAnotherFileIsRefused) {
    setGame(QStringLiteral("print"), 49, 10);
    writeFile("print.dat", "Recording Printer");
    messages().expect(
        "The playslip settings of the game \"print\" would be stored in print.dat, a file the "
        "program keeps for something else. Rename the game to set up its playslip.");
    open();
    QTRY_COMPARE(Windows::find(configure::kName), nullptr);
    EXPECT_TRUE(Windows::find(windownames::PrintManager)->isEnabled());
    EXPECT_EQ(readFile("print.dat"), QByteArray("Recording Printer"));
}

TEST_F(ConfigureTools, PrintManagerOpensTheSettings) {
    m1().configgamename = QStringLiteral("Lotto");
    auto* manager = Windows::show(windownames::PrintManager);
    EXPECT_EQ(manager->windowTitle(), "Playslip Printing Manager for Lotto");
    manager->findChild<QAction*>("mnuEditConfig")->trigger();
    EXPECT_FALSE(manager->isEnabled());
    ASSERT_NE(Windows::live<configure>(configure::kName), nullptr);
    Windows::live<configure>(configure::kName)->mnuExit_Click();
    EXPECT_TRUE(manager->isEnabled());
}

}  // namespace

// Closing with unsaved edits asks Yes / No / Cancel; Cancel keeps the window and its edits, so
// Escape twice (the question's Escape is Cancel) loses nothing.
struct ClosingCase {
    const char* label;
    MsgAnswer answer;
    bool closes;
    bool saved;
};

void PrintTo(const ClosingCase& c, std::ostream* os) {
    *os << c.label;
}

class ConfigureClosing : public ConfigureTools,
                         public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ConfigureClosing, EscapeAsksAndOnlyYesOrNoLetsTheWindowGo) {
    configure& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Text1[0]->setFocus();
    QTest::keyClicks(w.Text1[0], "4");
    messages().expect(kSaveQuestion, GetParam().answer);
    QTest::keyClick(w.Text1[0], Qt::Key_Escape);
    platform::doEvents();
    ASSERT_EQ(messages().buttons(), QList{platform::MsgButtons::YesNoCancel});
    EXPECT_EQ(Windows::find(configure::kName) == nullptr, GetParam().closes);
    EXPECT_EQ(Windows::find(windownames::PrintManager)->isEnabled(), GetParam().closes);
    QByteArray expected = slip(25, 0, 0, 3, 150);
    putMm(expected, false, 1, 1, 1, 4);
    EXPECT_EQ(exists(slipFile()), GetParam().saved);
    if (GetParam().saved) {
        EXPECT_EQ(readFile(slipFile()), expected);
    }
    if (GetParam().closes) {
        return;
    }
    // Still there with the edit: the close box asks again, and Cancel keeps it again.
    EXPECT_EQ(w.Text1[0]->text(), "4");
    messages().expect(kSaveQuestion, MsgAnswer::Cancel);
    w.close();
    ASSERT_EQ(Windows::find(configure::kName), &w);
    EXPECT_EQ(w.Text1[0]->text(), "4");
    messages().expect(kSaveQuestion, MsgAnswer::Yes);
    w.mnuExit_Click();
    EXPECT_EQ(Windows::find(configure::kName), nullptr);
    EXPECT_EQ(readFile(slipFile()), expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfigureClosing,
                         ::testing::Values(ClosingCase{"Yes", MsgAnswer::Yes, true, true},
                                           ClosingCase{"No", MsgAnswer::No, true, false},
                                           ClosingCase{"Cancel", MsgAnswer::Cancel, false, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ConfigureTools, CancelAtABoardOrSetSwitchStaysWithTheEdits) {
    configure& w = open();
    w.Text1[0]->setText("10");
    messages().expect(kSaveQuestion, MsgAnswer::Cancel);
    w.mnuBoard_Click(2);
    EXPECT_EQ(w.windowTitle(), "Set Up Printing for Lotto Board A Main Balls");
    EXPECT_TRUE(w.findChild<QAction*>("mnug1ba")->isChecked());
    EXPECT_FALSE(w.findChild<QAction*>("mnug1bb")->isChecked());
    EXPECT_EQ(w.Text1[0]->text(), "10");
    messages().expect(kSaveQuestion, MsgAnswer::Cancel);
    w.mnuConfigExtra_Click();
    EXPECT_TRUE(w.mnuConfigMain->isChecked());
    EXPECT_FALSE(w.mnuConfigExtra->isChecked());
    EXPECT_EQ(w.Text1[0]->text(), "10");
    EXPECT_FALSE(exists(slipFile()));
    // The edits are still unsaved: Exit asks again.
    messages().expect(kSaveQuestion, MsgAnswer::No);
    w.mnuExit_Click();
    EXPECT_EQ(Windows::find(configure::kName), nullptr);
}
