// Whole flows of the main window across its parts: what each waiting opener refreshes when its
// window closes, and a game loading that lists, shows and checks at once.
#include <gtest/gtest.h>

#include <QTimer>

#include "app/Form3.h"
#include "app/app_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/waits.h"

using fixture::draw;
using fixture::entry;

namespace {
QStringList lines(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out << list.item(i)->text();
    }
    return out;
}
}  // namespace

class MainWindowFlows : public MainWindowTest {
protected:
    Form1& startLotto() {
        writeGame(1, game("Lotto", 6, 49, 26));
        return start();
    }
    // Runs `child` once the opener is waiting.
    void whenOpen(std::function<void()> child) {
        QTimer::singleShot(0, &context_, std::move(child));
    }

private:
    QObject context_;
};

TEST_F(MainWindowFlows, SelectingAGameListsShowsAndChecksAtOnce) {
    writeFile("Lotto.rtl", draw(1, 1, 5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
    writeFile("Lotto05Mar2012.lot",
              entry(2, {1, 5, 12, 23, 34, 45}, 7) + entry(0, {2, 3, 4, 6, 8, 9}, 1));
    // The second entry matches nothing, and no level for that counts.
    GameRecord lotto = game("Lotto", 6, 49, 26);
    lotto.prizelevels[15] = 0;
    lotto.prizelevels[14] = 0;
    writeGame(1, lotto);
    Form1& form = start();
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
    EXPECT_FALSE(form.Image2[0]->isHidden());
    EXPECT_EQ(lines(*form.List2), QStringList{"01 05 12 23 34 45 PB 07(6+PB)"});
    EXPECT_EQ(form.Text3->text(), QStringLiteral(" 1"));
    EXPECT_EQ(soundsPlayed.size(), 1);
}

TEST_F(MainWindowFlows, PickingADrawInTheHistoryShowsItInTheMainWindow) {
    writeFile("Lotto.rtl", draw(2, 1, 1, 3, 2012, {2, 4, 6, 8, 10, 12}, 3) +
                               draw(0, 2, 5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
    Form1& form = startLotto();
    ASSERT_EQ(m1().drawnumbers[1], 1);  // today's draw is shown
    whenOpen([] {
        auto* history = platform::Windows::live<Form3>(Form3::kName);
        ASSERT_NE(history, nullptr);
        ASSERT_EQ(history->List1->count(), 2);
        history->List1->setCurrentRow(0);
        history->List1_DblClick();
        // Closed once the opener's loop has shown the pick.
        const auto shownByTheOpener = [] { return !m1().historypicked; };
        whenTrue(history, shownByTheOpener, [history] { history->Command1_Click(); });
    });
    form.Image1_Click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.DTPicker1->Value(), QDate(2012, 3, 1));
    EXPECT_FALSE(form.Image2[0]->isHidden());
    EXPECT_EQ(m1().drawnumbers[1], 2);
    EXPECT_EQ(m1().drawnumbers[8], 3);
}

TEST_F(MainWindowFlows, AReplacedHistoryShowsAtOnceAfterTheDownloaderCloses) {
    Form1& form = startLotto();
    ASSERT_TRUE(form.Image2[0]->isHidden());
    whenOpen([this] {
        writeFile("Lotto.rtl", draw(1, 1, 5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
        platform::Windows::find("RDL")->close();
    });
    form.mnuResults_Click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(form.Image2[0]->isHidden());
    EXPECT_EQ(m1().drawnumbers[6], 45);
}

TEST_F(MainWindowFlows, TheFilterReopensTheStandingFileItLeft) {
    Form1& form = startLotto();
    writeFile("StandLotto.lot", entry(1, {1, 2, 3, 4, 5, 6}));
    form.mnuStandOpen_Click();
    ASSERT_EQ(form.Text2->text(), QStringLiteral("1"));
    whenOpen([this] {
        // The filter rewrote the standing file meanwhile.
        writeFile("StandLotto.lot", entry(2, {1, 2, 3, 4, 5, 6}) + entry(0, {7, 8, 9, 10, 11, 12}));
        platform::Windows::find("Form12")->close();
    });
    form.mnuFilter_Click();
    EXPECT_EQ(m1().selectionfile, file("StandLotto.lot"));
    EXPECT_EQ(lines(*form.List1), (QStringList{"01 02 03 04 05 06 ", "07 08 09 10 11 12 "}));
}

TEST_F(MainWindowFlows, TheFilterReopensTheWheelItLeft) {
    Form1& form = startLotto();
    writeFile("Lotto-6-5-4.lot", entry(1, {1, 2, 3, 4, 5, 6}));
    form.mnuWheelItem_Click(10);  // mnu654
    ASSERT_EQ(m1().openwheeltype, 6);
    messages().expect(
        "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to "
        "continue?",
        platform::MsgAnswer::Yes);
    whenOpen([this] {
        writeFile("Lotto-6-5-4.lot",
                  entry(2, {1, 2, 3, 4, 5, 6}) + entry(0, {7, 8, 9, 10, 11, 12}));
        platform::Windows::find("Form12")->close();
    });
    form.mnuFilter_Click();
    EXPECT_EQ(m1().selectionfile, file("Lotto-6-5-4.lot"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
}

TEST_F(MainWindowFlows, ImportedEntriesAreListedAfterTheImportCloses) {
    Form1& form = startLotto();
    whenOpen([this] {
        writeFile("Lotto05Mar2012.lot", entry(1, {1, 2, 3, 4, 5, 6}));
        m1().entriesimported = true;
        platform::Windows::find("Form30")->close();
    });
    form.mnuImport_Click();
    EXPECT_EQ(lines(*form.List1), QStringList{"01 02 03 04 05 06 "});
}
