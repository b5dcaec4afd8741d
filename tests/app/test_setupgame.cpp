// Loading a game slot: module state, captions, the ball strip layout, the extra-ball names and
// what loading an undefined slot disables.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/app_helpers.h"
#include "platform/application.h"
#include "platform/twips.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::twipsToPixels;

class SetupGame : public MainWindowTest {};

struct StripCase {
    int balls;
    int bonus;  // own extra pool, 0 = none
    int pictureWidth;
    int labelLeft;  // 0 = label hidden
    bool wheels;
};

class SetupGameStrip : public SetupGame, public ::testing::WithParamInterface<StripCase> {};

TEST_P(SetupGameStrip, BallStripAndExtraLabelFollowTheBallCount) {
    const StripCase c = GetParam();
    writeGame(1, game("Lotto", c.balls, 49, c.bonus, "MB"));
    Form1& form = start();
    EXPECT_EQ(form.Picture1->width(), twipsToPixels(c.pictureWidth));
    EXPECT_EQ(form.Label3->isHidden(), c.labelLeft == 0);
    if (c.labelLeft != 0) {
        EXPECT_EQ(form.Label3->x(), twipsToPixels(c.labelLeft));
        EXPECT_EQ(form.Label3->text(), QStringLiteral("MB"));
    }
    EXPECT_EQ(form.mnuWheels->menuAction()->isEnabled(), c.wheels);
    EXPECT_EQ(m1().ballsdrawn, c.balls);
}

INSTANTIATE_TEST_SUITE_P(
    Games, SetupGameStrip,
    ::testing::Values(StripCase{3, 20, 3015, 3900, false}, StripCase{4, 0, 3015, 0, true},
                      StripCase{4, 20, 3735, 4610, true}, StripCase{5, 26, 4455, 5360, true},
                      StripCase{6, 0, 4455, 0, true}, StripCase{6, 10, 5175, 6080, true},
                      StripCase{7, 0, 5175, 0, true}));

TEST_F(SetupGame, CopiesTheSlotIntoTheModuleAndNamesTheFrames) {
    GameRecord g = game(" Lotto ", 5, 69, 26, "PB");
    g.bonusfrommain = 0;
    g.prizelevels = {7, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
    g.drawdays = {7, 0, 0, 0, 4, 0, 0, 7};
    g.ballcolour = 1;
    writeGame(2, g);
    writeGame(1, game("Other", 6, 49));
    Form1& form = start();
    m1().prizelevels[0] = 3;  // element 0 is not the slot's to set
    m1().drawdays[0] = 3;
    form.Option2->click();
    EXPECT_EQ(m1().gamenumber, 2);
    EXPECT_EQ(m1().gamefile, QStringLiteral("game2.dat   "));
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    EXPECT_EQ(m1().mainpool, 69);
    EXPECT_EQ(m1().bonuspool, 26);
    EXPECT_EQ(m1().bonusfrommain, 0);
    EXPECT_EQ(m1().mainperentry, 5);
    EXPECT_EQ(m1().bonusperentry, 1);
    EXPECT_EQ(m1().ballcolour, 1);
    EXPECT_EQ(m1().prizelevels[0], 3);
    EXPECT_EQ(m1().prizelevels[1], 1);
    EXPECT_EQ(m1().prizelevels[2], 0);
    EXPECT_EQ(m1().drawdays[0], 3);
    EXPECT_EQ(m1().drawdays[4], 4);
    EXPECT_EQ(m1().drawdays[7], 7);
    EXPECT_EQ(m1().extraballname, QStringLiteral("Powerball"));
    EXPECT_EQ(form.Frame5->title(), QStringLiteral("My Entries for Lotto"));
    EXPECT_EQ(form.Frame3->title(), QStringLiteral("Draw Date for Lotto"));
    EXPECT_EQ(form.Frame6->title(), QStringLiteral("Winning Lines for Lotto"));
    EXPECT_EQ(form.Picture1->width(), twipsToPixels(4455));
    EXPECT_EQ(form.Label3->x(), twipsToPixels(5360));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("PB"));
}

struct NameCase {
    const char* id;
    const char* storedName;  // 10 characters as stored, or nullptr for zero bytes
    const char* expectedId;
    const char* expectedName;
};

class SetupGameExtraName : public SetupGame, public ::testing::WithParamInterface<NameCase> {};

TEST_P(SetupGameExtraName, ComesFromTheStoredNameOrTheId) {
    const NameCase c = GetParam();
    QByteArray bytes = game("Lotto", 5, 49, 20, QString::fromLatin1(c.id)).toBytes();
    bytes.replace(78, 10,
                  c.storedName == nullptr ? QByteArray(10, '\0') : fixture::text(c.storedName, 10));
    writeFile("game1.dat", bytes);
    start();
    EXPECT_EQ(m1().extraballid, QString::fromLatin1(c.expectedId));
    EXPECT_EQ(m1().extraballname, QString::fromLatin1(c.expectedName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SetupGameExtraName,
    ::testing::Values(NameCase{"EB", "", "EB", "Extra Ball"},
                      NameCase{"BB", nullptr, "BB", "Bonus Ball"},
                      NameCase{"PB", "", "PB", "Powerball"}, NameCase{"MB", "", "MB", "Mega Ball"},
                      // An id of the player's own with no name falls back to the bonus ball.
                      NameCase{"XY", "", "BB", "Bonus Ball"},
                      NameCase{"XY", nullptr, "BB", "Bonus Ball"},
                      // A stored name is kept whole, trailing blanks included, whatever the id.
                      NameCase{"XY", "Star", "XY", "Star      "},
                      NameCase{"PB", "Lucky Ball", "PB", "Lucky Ball"},
                      // A name starting with a blank counts as none.
                      NameCase{"MB", " Star", "MB", "Mega Ball"}));

TEST_F(SetupGame, UndefinedSlotOneDisablesTheGameControlsAndADefinedGameRestoresThem) {
    writeGame(2, game("Lotto", 6, 49));
    Form1& form = start();
    EXPECT_FALSE(form.Option1->isEnabledTo(&form));
    EXPECT_FALSE(form.Frame3->isEnabledTo(&form));
    EXPECT_FALSE(form.Frame5->isEnabledTo(&form));
    for (QAction* a :
         {form.mnuWheels->menuAction(), form.mnuStand->menuAction(), form.mnuTicketPrinting,
          form.mnuFilter, form.mnuImport, form.mnuOpt->menuAction()}) {
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    }
    EXPECT_TRUE(m1().gamename.isEmpty());

    form.Option2->click();
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    EXPECT_TRUE(form.Frame3->isEnabledTo(&form));
    EXPECT_TRUE(form.Frame5->isEnabledTo(&form));
    for (QAction* a :
         {form.mnuWheels->menuAction(), form.mnuStand->menuAction(), form.mnuTicketPrinting,
          form.mnuFilter, form.mnuImport, form.mnuOpt->menuAction()}) {
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    }
    EXPECT_FALSE(form.Option1->isEnabledTo(&form));
}

TEST_F(SetupGame, RestoringTheMenusKeepsPlayslipPrintingOffWithoutAPrinter) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    writeGame(2, game("Lotto", 6, 49));
    Form1& form = start();
    form.Option2->click();
    EXPECT_TRUE(form.mnuFilter->isEnabled());
    EXPECT_FALSE(form.mnuTicketPrinting->isEnabled());
}

TEST_F(SetupGame, UndefinedSlotKeepsTheLoadedGameAndItsLists) {
    writeGame(1, game("Lotto", 6, 49));
    Form1& form = start();
    form.List1->addItem(QStringLiteral("01 02 03 04 05 06 "));
    m1().gamenumber = 3;
    m1().gamefile = QStringLiteral("game3.dat   ");
    form.setupgame();
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    EXPECT_EQ(form.List1->count(), 1);
    EXPECT_FALSE(form.Option3->isEnabledTo(&form));
}

TEST_F(SetupGame, LoadingAGameClearsTheWindowAndDeletesAnEmptyEntryFile) {
    writeGame(1, game("Lotto", 6, 49));
    writeGame(2, game("Keno", 5, 39));
    Form1& form = start();
    writeFile("Lotto05Mar2012.lot", fixture::entry(0, {1, 2, 3, 4, 5, 6}));
    m1().selectionfile = file("Lotto05Mar2012.lot");
    m1().openwheeltype = 4;
    form.List1->addItem(QStringLiteral("x"));
    form.List2->addItem(QStringLiteral("y"));
    form.Text2->setText(QStringLiteral("1"));
    form.Command3->show();
    form.DTPicker2->hide();
    form.Option2->click();
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
    // Back in the dated view, on the new game's file of the entry date.
    EXPECT_EQ(m1().selectionfile, file("Keno05Mar2012.lot"));
    EXPECT_EQ(m1().openwheeltype, 0);
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("0"));
    EXPECT_TRUE(form.Command3->isHidden());
    EXPECT_FALSE(form.DTPicker2->isHidden());
}

TEST_F(SetupGame, ShowsTheDrawOfThePickedDate) {
    writeGame(1, game("Lotto", 6, 49));
    writeFile("Lotto.rtl", fixture::draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    Form1& form = start();
    EXPECT_FALSE(form.Image2[0]->isHidden());
    EXPECT_EQ(m1().drawrecordno, 1);
}

// A slot name the definition window would refuse comes from a damaged file. The data folder is
// a folder of its own here, so anything written beside it shows.
class SetupGameDamagedName : public SetupGame, public ::testing::WithParamInterface<const char*> {};

TEST_P(SetupGameDamagedName, LoadsAsUndefinedAndNamesNoFileOutsideTheDataFolder) {
    ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("data")));
    const QString data = file(QStringLiteral("data"));
    platform::setAppPath(data);
    // Slot 1: a 6-ball game of 49 under the damaged name; slot 2: the same game as Lotto.
    QByteArray slot = fixture::text(GetParam(), 12);
    for (int v : {6, 0, 49, 2, 0, 6, 0}) {
        slot += fixture::le16(v);
    }
    for (int k = 0; k < 16; ++k) {
        slot += fixture::le16(k == 0 ? 0 : 1);
    }
    for (int k = 0; k < 8; ++k) {
        slot += fixture::le16(k);
    }
    slot += fixture::le16(0) + fixture::text("BB", 2) + fixture::text("", 10);
    ASSERT_EQ(slot.size(), GameRecord::kSize);
    for (int n = 1; n <= 2; ++n) {
        QFile f(data + QStringLiteral("/game%1.dat").arg(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(n == 1 ? slot : fixture::text("Lotto", 12) + slot.mid(12));
    }

    Form1& form = start();
    EXPECT_EQ(form.Option1->text(), QStringLiteral("Game1"));
    EXPECT_FALSE(form.Option1->isEnabledTo(&form));
    EXPECT_EQ(form.mnuName1->text(), QStringLiteral("Game1"));
    EXPECT_FALSE(form.Frame3->isEnabledTo(&form));
    EXPECT_FALSE(form.Frame5->isEnabledTo(&form));
    EXPECT_TRUE(m1().gamename.isEmpty());
    EXPECT_TRUE(m1().selectionfile.isEmpty());

    form.Option2->click();
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    // Going back to the damaged slot keeps the game that was loaded.
    form.Option1_Click();
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    EXPECT_EQ(m1().selectionfile, data + QStringLiteral("/Lotto05Mar2012.lot"));
    EXPECT_EQ(QDir(dataPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("data")});
}

INSTANTIATE_TEST_SUITE_P(Names, SetupGameDamagedName,
                         ::testing::Values("..\\x", "../x", "sub/x", "sub\\x"));
