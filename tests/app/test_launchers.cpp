// The main window's launchers: what each sets and opens, how its wait ends, what the child's
// close hands back, and that no menu item leaves the main window disabled.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "app/Form14.h"
#include "app/app_helpers.h"
#include "platform/events.h"
#include "platform/shell.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/waits.h"

using platform::Windows;

namespace {

// Closes every window but the main one through its title bar's close box.
void closeChildren() {
    for (const QString& name : Windows::liveNames()) {
        if (name != Form1::kName) {
            if (platform::Form* w = Windows::find(name)) {
                w->close();
            }
        }
    }
}

// Ends every wait when a child never hands back, so a broken hand-back fails instead of hanging.
class Watchdog {
public:
    Watchdog() {
        QTimer::singleShot(kPatientWait, &guard_, [] { platform::endProgram(); });
    }

private:
    QObject guard_;
};

struct Launch {
    const char* label;
    void (Form1::*handler)();
    const char* window;
    bool mainStaysEnabled;
};

void PrintTo(const Launch& l, std::ostream* os) {
    *os << l.label;
}

}  // namespace

class Launchers : public MainWindowTest {
protected:
    Form1& startWithLotto() {
        Form1& main = start();
        m1().gamename = QStringLiteral("Lotto");
        m1().ballsdrawn = 6;
        m1().mainpool = 49;
        m1().bonuspool = 10;
        m1().mainperentry = 6;
        main.Text2->setText(QStringLiteral("3"));
        return main;
    }
};

class EachLauncher : public Launchers, public ::testing::WithParamInterface<Launch> {};

TEST_P(EachLauncher, OpensItsWindowAndGetsTheMainWindowBackWhenItCloses) {
    Form1& main = startWithLotto();
    Watchdog watchdog;
    bool opened = false;
    QTimer::singleShot(0, &main, [&] {
        opened = Windows::find(QString::fromLatin1(GetParam().window)) != nullptr;
        EXPECT_EQ(main.isEnabled(), GetParam().mainStaysEnabled);
        closeChildren();
    });
    (main.*GetParam().handler)();
    platform::doEvents();  // the launchers that do not wait return before the child closes
    EXPECT_TRUE(opened);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::liveNames(), QStringList{Form1::kName});
    EXPECT_FALSE(platform::programEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, EachLauncher,
    ::testing::Values(Launch{"History", &Form1::Image1_Click, "Form3", false},
                      Launch{"Stats", &Form1::Image3_Click, "Form4", false},
                      Launch{"EntryFileDeletion", &Form1::mnuDelete_Click, "Form8", false},
                      Launch{"Filter", &Form1::mnuFilter_Click, "Form12", false},
                      Launch{"Import", &Form1::mnuImport_Click, "Form30", false},
                      Launch{"LoadDownloaded", &Form1::mnuLoadRTLs_Click, "Form10", false},
                      Launch{"Configure1", &Form1::mnuName1_Click, "Form14", false},
                      Launch{"Configure5", &Form1::mnuName5_Click, "Form14", false},
                      Launch{"Optimiser", &Form1::mnuOptCreate_Click, "LinkProcess", true},
                      Launch{"Pick3", &Form1::mnupick3_Click, "Pick3", false},
                      Launch{"Pick4", &Form1::mnupick4_Click, "Pick3", false},
                      Launch{"Printers", &Form1::mnuprinters_Click, "Form11", false},
                      Launch{"UpdateResults", &Form1::mnuResults_Click, "RDL", false},
                      Launch{"Playslips", &Form1::mnuTicketPrinting_Click, "PrintManager", false},
                      Launch{"WheelCreate", &Form1::mnuWheelCreate_Click, "wheel6", false},
                      Launch{"About", &Form1::mnuAbout_Click, "frmAbout", true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Launchers, EveryMenuItemLeavesTheMainWindowEnabledAndNothingElseOpen) {
    Form1& main = startWithLotto();
    Watchdog watchdog;
    // Whatever the items ask or tell is answered; this is about getting the main window back.
    platform::setMessageHandler([](const QString&, platform::MsgButtons buttons) {
        return buttons != platform::MsgButtons::Ok ? platform::MsgAnswer::No
                                                   : platform::MsgAnswer::Ok;
    });
    QList<QAction*> items;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu() != nullptr) {
                collect(a->menu());
            } else if (!a->isSeparator()) {
                items << a;
            }
        }
    };
    for (QAction* a : main.menuBar->actions()) {
        if (a->menu() != nullptr) {
            collect(a->menu());
        } else {
            items << a;
        }
    }
    ASSERT_GE(items.size(), 45);
    int triggered = 0;
    for (QAction* a : items) {
        // Exit ends the program; the upgrade check goes to the internet.
        if (a == main.mnuExit || a == main.mnuExitMenu || a == main.mnuUpgrade) {
            continue;
        }
        QTimer::singleShot(0, &main, closeChildren);
        a->trigger();
        platform::doEvents();
        closeChildren();
        platform::doEvents();
        ++triggered;
        EXPECT_TRUE(main.isEnabled()) << a->objectName().toStdString();
        EXPECT_EQ(Windows::liveNames(), QStringList{Form1::kName}) << a->objectName().toStdString();
    }
    EXPECT_EQ(triggered, items.size() - 3);
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(Launchers, EachSetsWhatItsWindowReadsFirst) {
    Form1& main = startWithLotto();
    // The stand-in windows title themselves from what they read at loading.
    auto title = [](const char* name) {
        return Windows::find(QString::fromLatin1(name))->windowTitle();
    };
    main.mnupick3_Click();
    EXPECT_EQ(m1().pickgame, 3);
    EXPECT_EQ(title("Pick3"), QStringLiteral("Pick 3"));
    closeChildren();
    main.mnupick4_Click();
    EXPECT_EQ(m1().pickgame, 4);
    EXPECT_EQ(title("Pick3"), QStringLiteral("Pick 4"));
    closeChildren();
    main.mnuprinters_Click();
    EXPECT_TRUE(m1().printersfrommain);
    closeChildren();
    m1().gamename = QStringLiteral("Lotto2");
    main.mnuTicketPrinting_Click();
    EXPECT_EQ(m1().configgamename, QStringLiteral("Lotto2"));
    EXPECT_EQ(title("PrintManager"), QStringLiteral("Playslip Printing Manager for Lotto2"));
    closeChildren();
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Launchers, ImportSetsItsFlagsBeforeItsWindowOpens) {
    Form1& main = startWithLotto();
    m1().entriesimported = true;
    QTimer::singleShot(0, &main, [] {
        EXPECT_FALSE(m1().entriesimported);
        EXPECT_FALSE(m1().dialogdone);
        closeChildren();
    });
    main.mnuImport_Click();
    EXPECT_TRUE(m1().dialogdone);
    EXPECT_FALSE(m1().entriesimported);
}

struct Wheel {
    int balls;
    int bonuspool;
    const char* window;
    int mode;  // 9 = left as it was
};

void PrintTo(const Wheel& w, std::ostream* os) {
    *os << w.window << " " << w.bonuspool;
}

class WheelCreate : public Launchers, public ::testing::WithParamInterface<Wheel> {};

TEST_P(WheelCreate, OpensTheWindowOfTheBallCountWithTheWheelValues) {
    Form1& main = startWithLotto();
    m1().ballsdrawn = static_cast<qint16>(GetParam().balls);
    m1().bonuspool = static_cast<qint16>(GetParam().bonuspool);
    m1().mainpool = 39;
    m1().wheelbonusmode = 9;
    writeFile("Lotto05Mar2012.lot", {});
    m1().selectionfile = file("Lotto05Mar2012.lot");
    main.mnuWheelCreate_Click();
    EXPECT_NE(Windows::find(QString::fromLatin1(GetParam().window)), nullptr);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));  // the empty entry file went first
    EXPECT_EQ(m1().wheelbonusmode, GetParam().mode);
    EXPECT_EQ(m1().wheelgamename, QStringLiteral("Lotto"));
    EXPECT_EQ(m1().wheelresultsfile, QStringLiteral("Lotto.rtl"));
    EXPECT_EQ(m1().wheelpoolsize, 39);
    EXPECT_EQ(m1().wheellotteryname, QStringLiteral("LName"));
    EXPECT_EQ(Windows::find(QString::fromLatin1(GetParam().window))->windowTitle(),
              QStringLiteral("%1 Wheel for Lotto").arg(GetParam().balls));
    closeChildren();
    EXPECT_TRUE(main.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Games, WheelCreate,
                         ::testing::Values(Wheel{4, 0, "wheel4", 4}, Wheel{5, 0, "Wheel5", 4},
                                           Wheel{5, 10, "Wheel5", 1}, Wheel{6, 26, "wheel6", 1},
                                           Wheel{7, 0, "wheel7", 9}));

TEST_F(Launchers, WheelCreateForAGameWithoutAWheelWindowGivesTheMainWindowBack) {
    Form1& main = startWithLotto();
    m1().ballsdrawn = 3;
    main.mnuWheelCreate_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::liveNames(), QStringList{Form1::kName});
}

TEST_F(Launchers, FilterOfAWheelAnsweredNoOpensNothing) {
    Form1& main = startWithLotto();
    m1().selectionfile = file("Lotto-6-5-4.lot");
    messages().expect(
        "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to "
        "continue?",
        platform::MsgAnswer::No);
    main.mnuFilter_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("Form12")), nullptr);
}

TEST_F(Launchers, FilterWithNoEntriesSaysSoAndOpensNothing) {
    Form1& main = startWithLotto();
    // A hyphen in the folder does not make a dated file a wheel: no wheel question.
    m1().selectionfile = dataPath() + QStringLiteral("/my-lotto/Lotto05Mar2012.lot");
    for (const char* count : {"0", ""}) {
        main.Text2->setText(QString::fromLatin1(count));
        messages().expect("You have no entries displayed to filter.");
        main.mnuFilter_Click();
    }
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("Form12")), nullptr);
}

TEST_F(Launchers, TheOptimiserLeavesTheMainWindowUsableWhileItWaits) {
    Form1& main = startWithLotto();
    m1().linkfilechanged = true;
    QTimer::singleShot(0, &main, [&] {
        EXPECT_FALSE(m1().linkfilechanged);
        EXPECT_FALSE(m1().linkclosed);
        EXPECT_TRUE(main.isEnabled());
        closeChildren();
    });
    main.mnuOptCreate_Click();
    EXPECT_TRUE(m1().linkclosed);
}

TEST_F(Launchers, ClosingTheOptimiserLeavesAMainWindowThatAnotherWindowDisabledDisabled) {
    Form1& main = startWithLotto();
    Watchdog watchdog;
    QTimer::singleShot(0, &main, [&] {
        main.setEnabled(false);  // as another opener does while the optimiser is open
        Windows::find(QStringLiteral("LinkProcess"))->close();
    });
    main.mnuOptCreate_Click();
    EXPECT_TRUE(m1().linkclosed);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("LinkProcess")), nullptr);
}

TEST_F(Launchers, ThePrinterChoiceOpenedElsewhereLeavesTheMainWindowAlone) {
    Form1& main = startWithLotto();
    main.setEnabled(false);
    m1().printersfrommain = false;
    Windows::show(QStringLiteral("Form11"));
    closeChildren();
    EXPECT_FALSE(main.isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("Form11")), nullptr);
}

TEST_F(Launchers, HelpOpensTheHelpFileOfTheDataFolder) {
    Form1& main = startWithLotto();
    main.mnuHelp_Click();
    EXPECT_EQ(shellOpened, QStringList{file("help/index.html")});
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Launchers, HelpWithoutAnApplicationForItSaysSo) {
    Form1& main = startWithLotto();
    shellOpenResult = platform::kNoAssociation;
    messages().expect(
        "The help file is windows html help. You cannot read files of this type as you have no "
        "application to read these file types.");
    main.mnuHelp_Click();
}

TEST_F(Launchers, HelpWithoutAHelpFileSaysWhereItShouldBe) {
    Form1& main = startWithLotto();
    shellOpenResult = platform::kFileMissing;
    messages().expect(QStringLiteral("The help file cannot be found. It should be at %1. "
                                     "Installing the program again puts it back.")
                          .arg(file("help/index.html")));
    main.mnuHelp_Click();
    EXPECT_EQ(shellOpened.size(), 1);
}

TEST_F(Launchers, HelpAfterAStoppedStartUpOpensTheProgramFoldersHelp) {
    Form1& main = startWithLotto();
    m1().datapath.clear();
    main.mnuHelp_Click();
    EXPECT_EQ(shellOpened, QStringList{file("help/index.html")});
}

// A submenu the main window switched off stays off when the window is enabled again after a
// child: the game menus of a folder with no game, whatever closes the game definition window.
struct DefinitionClose {
    const char* label;
    void (*close)(Form14&);
};

void PrintTo(const DefinitionClose& c, std::ostream* os) {
    *os << c.label;
}

class GameMenusWithoutAGame : public Launchers,
                              public ::testing::WithParamInterface<DefinitionClose> {
protected:
    // The game menus, each with whether it is enabled.
    static std::vector<std::pair<std::string, bool>> gameMenus(const Form1& main) {
        std::vector<std::pair<std::string, bool>> out;
        for (const QMenu* menu : {main.mnuStand, main.mnuWheels, main.mnuOpt}) {
            out.emplace_back(menu->objectName().toStdString(), menu->menuAction()->isEnabled());
        }
        for (const QAction* item : {main.mnuFilter, main.mnuImport, main.mnuTicketPrinting}) {
            out.emplace_back(item->objectName().toStdString(), item->isEnabled());
        }
        return out;
    }
};

TEST_P(GameMenusWithoutAGame, StayAsStartUpLeftThemWhenTheDefinitionCloses) {
    Form1& main = start();
    const auto atStartUp = gameMenus(main);
    for (const auto& [name, enabled] : atStartUp) {
        EXPECT_FALSE(enabled) << name;
    }
    Watchdog watchdog;
    bool closed = false;
    QTimer::singleShot(0, &main, [&] {
        auto* w = Windows::live<Form14>(Form14::kName);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        GetParam().close(*w);
        closed = true;
    });
    main.mnuName1_Click();
    ASSERT_TRUE(closed);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(Form14::kName), nullptr);
    EXPECT_EQ(gameMenus(main), atStartUp);
}

INSTANTIATE_TEST_SUITE_P(
    Closes, GameMenusWithoutAGame,
    ::testing::Values(DefinitionClose{"Escape",
                                      [](Form14& w) {
                                          QTest::keyClick(
                                              w.focusWidget() != nullptr ? w.focusWidget() : &w,
                                              Qt::Key_Escape);
                                      }},
                      DefinitionClose{"DefinitionExit", [](Form14& w) { w.Command1->click(); }},
                      DefinitionClose{"CombinationsExit", [](Form14& w) { w.Command4->click(); }},
                      DefinitionClose{"DaysExit", [](Form14& w) { w.Command5->click(); }},
                      DefinitionClose{"PreferencesExit", [](Form14& w) { w.Command8->click(); }},
                      DefinitionClose{"CloseBox", [](Form14& w) { w.close(); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Launchers, WheelsOfAThreeBallGameStayOffAfterAChildWindow) {
    writeGame(1, game("Pick", 3, 9, 9));
    Form1& main = start();
    ASSERT_FALSE(main.mnuWheels->menuAction()->isEnabled());
    ASSERT_TRUE(main.mnuStand->menuAction()->isEnabled());
    Watchdog watchdog;
    QTimer::singleShot(0, &main, closeChildren);
    main.mnupick3_Click();
    platform::doEvents();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(main.mnuWheels->menuAction()->isEnabled());
    EXPECT_TRUE(main.mnuStand->menuAction()->isEnabled());
}
