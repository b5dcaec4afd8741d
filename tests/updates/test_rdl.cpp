// The results downloader's window: its slots, menu and buttons, the state texts, the check of a
// received file with its questions, and Close.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "updates_helpers.h"

using platform::MsgAnswer;
using platform::Windows;

namespace {

class Downloader : public UpdatesTest {
protected:
    static bool idle(const RDL& w) {
        return w.Command1->isEnabled() && w.Command3->isEnabled() && !w.Command2->isEnabled();
    }
};

TEST_F(Downloader, OffersPowerballAndMegaMillionsCheckedAndAnswersNoToCheckBeforeOverwriting) {
    RDL& w = openRDL();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Results Downloader"));
    for (int i = 1; i <= RDL::slotcount; ++i) {
        const QCheckBox* box = w.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(i));
        ASSERT_NE(box, nullptr);
        const bool shown = i == 3 || i == 9;
        EXPECT_EQ(!box->isHidden(), shown) << i;
        EXPECT_EQ(box->isChecked(), shown) << i;
    }
    EXPECT_EQ(w.Check[2]->text(), QStringLiteral("Powerball"));
    EXPECT_EQ(w.Check[8]->text(), QStringLiteral("MegaMillions"));
    EXPECT_TRUE(idle(w));
    EXPECT_TRUE(w.mnuNo->isChecked());
    EXPECT_FALSE(w.mnuYes->isChecked());
    w.mnuYes->trigger();
    EXPECT_TRUE(w.mnuYes->isChecked());
    EXPECT_FALSE(w.mnuNo->isChecked());
    w.mnuNo->trigger();
    EXPECT_TRUE(w.mnuNo->isChecked());
    EXPECT_FALSE(w.mnuYes->isChecked());
}

TEST_F(Downloader, NothingSelectedSaysSoAndChangesNothing) {
    writeFile("Powerball.rtl", history(3));
    RDL& w = openRDL();
    w.Check[2]->setChecked(false);
    w.Check[8]->setChecked(false);
    messages().expect("Nothing selected for download!");
    w.Command1_Click();
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(readFile("Powerball.rtl"), history(3));
    EXPECT_FALSE(exists("MegaMillions.rtl"));
}

TEST_F(Downloader, StateTextsAndWhatTheyMeanForTheRun) {
    RDL& w = openRDL();
    w.downloadstate = 1;
    EXPECT_EQ(w.inetstatetext(0), "No state to report");
    EXPECT_EQ(w.inetstatetext(3), "Connecting to the host computer");
    EXPECT_EQ(w.inetstatetext(10), "Successfully disconnected from the host computer");
    EXPECT_EQ(w.downloadstate, 1);
    EXPECT_EQ(w.inetstatetext(12), "The request has completed and all data has been received");
    EXPECT_EQ(w.downloadstate, 2);
    EXPECT_EQ(w.inetstatetext(13), "Unknown state: 13");
    EXPECT_EQ(w.downloadstate, 3);
    w.downloadstate = 1;
    w.Inet1_StateChanged(7);
    EXPECT_EQ(w.Label1->text(), "Receiving a response from the host computer");
    w.Inet1_StateChanged(11);
    EXPECT_EQ(w.downloadstate, 3);
}

TEST_F(Downloader, CloseAndTheCloseBoxHandBackToTheMainWindow) {
    for (bool box : {false, true}) {
        m1().windowdone = false;
        RDL& w = openRDL();
        if (box) {
            w.close();
        } else {
            w.Command3_Click();
        }
        EXPECT_EQ(Windows::find(RDL::kName), nullptr);
        EXPECT_TRUE(m1().windowdone);
        EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());
    }
}

// The received file's check and its questions.
struct Question {
    const char* text;
    MsgAnswer answer;
};

struct CheckCase {
    const char* label;
    int received;  // draws in the received file; 0: a damaged file
    int local;
    bool askFirst;  // "Check Before Overwriting" at Yes
    std::vector<Question> questions;
    bool accepted;
    bool cancelled;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.label;
}

const char* const kShorter =
    "You seem to have more results in your history file for Powerball than the downloaded "
    "ones. Do you still want to overwrite your current result history with the downloaded "
    "result history.";
// The fifth draw of history() is on 9 March 2012.
const char* const kUpTo =
    "Do you want to replace your current results for Powerball with those up to 9/3/2012";

class ReceivedCheck : public Downloader, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ReceivedCheck, AsksWhatTheCaseNeedsAndSaysWhy) {
    const CheckCase& c = GetParam();
    RDL& w = openRDL();
    if (c.askFirst) {
        w.mnuYes_Click();
    }
    w.downloadgame = "Powerball";
    w.localcount = static_cast<qint16>(c.local);
    w.updatecancelled = true;
    for (const Question& q : c.questions) {
        // Yes replaces the history: Enter alone must not.
        messages().expect(QString::fromLatin1(q.text), q.answer, platform::MsgDefault::No);
    }
    EXPECT_EQ(w.checkdownloadedresults(c.received == 0 ? history(5).left(60) : history(c.received)),
              c.accepted);
    EXPECT_EQ(w.updatecancelled, c.cancelled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReceivedCheck,
    ::testing::Values(
        CheckCase{"DefaultAsksNothing", 5, 5, false, {}, true, false},
        CheckCase{"DefaultLongerAsksNothing", 5, 2, false, {}, true, false},
        CheckCase{"DamagedIsRefusedWithoutAQuestion", 0, 5, true, {}, false, false},
        // A shorter history would lose draws: asked even under the default.
        CheckCase{"DefaultShorterAsks", 5, 6, false, {{kShorter, MsgAnswer::Yes}}, true, false},
        CheckCase{"DefaultShorterDeclined", 5, 6, false, {{kShorter, MsgAnswer::No}}, false, true},
        CheckCase{"CheckingAsksTheDate", 5, 5, true, {{kUpTo, MsgAnswer::Yes}}, true, false},
        CheckCase{"CheckingDateDeclined", 5, 5, true, {{kUpTo, MsgAnswer::No}}, false, true},
        CheckCase{"CheckingShorterAsksBothInOrder",
                  5,
                  9,
                  true,
                  {{kShorter, MsgAnswer::Yes}, {kUpTo, MsgAnswer::Yes}},
                  true,
                  false},
        CheckCase{"CheckingShorterDeclinedAsksNoMore",
                  5,
                  9,
                  true,
                  {{kShorter, MsgAnswer::No}},
                  false,
                  true}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
