// The game definition window: the checks of a definition, saving and amending a slot, the
// winning levels, draw days and preferences in the record bytes, and its hand-back.
#include <array>

#include <gtest/gtest.h>

#include <QDir>
#include <QTimer>

#include "app/Form14.h"
#include "app/app_helpers.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::MsgAnswer;

namespace {

const char* const kSaved =
    "Game Saved - You must exit and restart the program for the changes to take effect";
const char* const kWarning =
    "WARNING - If you amend an existing game all results and entries for that existing game "
    "will be deleted. If you have changed the Game Name, you will also not be able to download "
    "results from the web for that game. Are you sure you want to save changes to this game?";
const char* const kRestart =
    "You will need to close and restart the lottery program for these changes to take effect";

// What the player typed into the definition frame; source 'N' No, 'Y' Yes, 'U' not used.
struct Typed {
    const char* name = "Lotto";
    const char* t2 = "6";
    const char* t3 = "1";
    const char* t4 = "49";
    char source = 'N';
    const char* t6 = "10";
    const char* t7 = "6";
    const char* t8 = "1";
};

// A slot record written out field by field.
QByteArray slotBytes(const char* name, const std::array<int, 7>& counts,
                     std::initializer_list<int> levels, std::initializer_list<int> days, int colour,
                     const char* id, const char* extraName) {
    QByteArray b = fixture::text(name, 12);
    for (int c : counts) {
        b += fixture::le16(c);
    }
    b += fixture::le16(0);
    for (int l : levels) {
        b += fixture::le16(l);
    }
    b += fixture::le16(0);
    for (int d : days) {
        b += fixture::le16(d);
    }
    return b + fixture::le16(colour) + fixture::text(id, 2) + fixture::text(extraName, 10);
}

const std::initializer_list<int> kNoLevels = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const std::initializer_list<int> kNoDays = {0, 0, 0, 0, 0, 0, 0};

}  // namespace

class Form14Test : public MainWindowTest {
protected:
    Form14& open(int slot) {
        m1().datapath = dataPath();
        m1().gamefile = QStringLiteral("game%1.dat").arg(slot).leftJustified(12);
        return *platform::Windows::get<Form14>(Form14::kName);
    }
    static void type(Form14& w, const Typed& t) {
        w.Text1->setText(QString::fromLatin1(t.name));
        w.Text2->setText(QString::fromLatin1(t.t2));
        w.Text3->setText(QString::fromLatin1(t.t3));
        w.Text4->setText(QString::fromLatin1(t.t4));
        (t.source == 'N' ? w.Option1 : t.source == 'Y' ? w.Option2 : w.Option3)->setChecked(true);
        w.Text6->setText(QString::fromLatin1(t.t6));
        w.Text7->setText(QString::fromLatin1(t.t7));
        w.Text8->setText(QString::fromLatin1(t.t8));
    }
};

// --- The checks, in their order: the first that fails is told and nothing is written. ---

struct Refusal {
    const char* label;
    Typed typed;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.label;
}

// Slot 2 holds Lotto2, for the check of a name that another slot uses.
class Form14Checks : public Form14Test, public ::testing::WithParamInterface<Refusal> {
protected:
    void SetUp() override {
        Form14Test::SetUp();
        writeGame(2, game("Lotto2", 6, 49, 10));
    }
};

TEST_P(Form14Checks, RefusesWithItsMessageAndWritesNothing) {
    Form14& w = open(1);
    type(w, GetParam().typed);
    messages().expect(QString::fromLatin1(GetParam().message));
    w.Command2_Click();
    EXPECT_EQ(readFile("game1.dat").size(), 0);
    EXPECT_FALSE(m1().dialogdone);
}

constexpr const char* kLetters = "You must only use letters in the game name - spaces not allowed!";
constexpr const char* kNoWithoutBonus =
    "You cannot have no bonus ball in draw result and [No] selected. If there is no bonus/extra "
    "ball used in the game select [Bonus Not Used in Draw]";

INSTANTIATE_TEST_SUITE_P(
    Nineteen, Form14Checks,
    ::testing::Values(
        Refusal{"c1_empty", {.name = ""}, "You must enter a Game Name"},
        Refusal{"c1_blanks", {.name = "   "}, "You must enter a Game Name"},
        Refusal{"c2_inner_blank", {.name = "My Lotto"}, kLetters},
        Refusal{"c2_punctuation", {.name = "Lotto!"}, kLetters},
        Refusal{"c2_accent", {.name = "Lott\xe9"}, kLetters},
        Refusal{"c3_above",
                {.t2 = "8", .t7 = "8"},
                "The number of Main Balls in Draw Result must be between 3 and 7"},
        Refusal{"c3_below",
                {.t2 = "2", .t7 = "2"},
                "The number of Main Balls in Draw Result must be between 3 and 7"},
        Refusal{"c4",
                {.t2 = "3", .t4 = "10", .source = 'Y', .t6 = "0", .t7 = "3", .t8 = "0"},
                "For a Pick 3 game you must have at least one bonus ball from its own pool"},
        Refusal{"c5",
                {.t4 = "6"},
                "The number of Balls in Main Pool is always greater then the number of balls in "
                "draw result!"},
        Refusal{"c6",
                {.t2 = "5", .t4 = "69", .t7 = "5"},
                "65 is the maximum number of Balls in Main Pool!"},
        Refusal{"c7", {.t6 = "66"}, "65 is the maximum number of Balls in Bonus Pool!"},
        Refusal{"c8",
                {.t3 = "2"},
                "Maximum number of bonus balls in draw result is 1 (options are: 0 or 1)"},
        Refusal{"c9",
                {.t2 = "7", .t7 = "7"},
                "For a Pick 7 game no bonus ball configuration is currently available"},
        Refusal{"c10", {.t3 = "0", .t6 = "0", .t8 = "0"}, kNoWithoutBonus},
        Refusal{"c11",
                {.t3 = "0", .source = 'Y', .t6 = "0", .t8 = "0"},
                "You cannot have no bonus ball in draw result and [Yes] selected. If there is no "
                "bonus/extra ball used in the game select [Bonus Not Used in Draw]"},
        Refusal{"c12",
                {.source = 'U', .t6 = "0"},
                "You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] "
                "selected."},
        Refusal{"c13",
                {.t6 = "0", .t8 = "0"},
                "If the bonus ball is picked from the main ball pool then you must select [Yes]."},
        Refusal{"c14",
                {.t2 = "5", .t4 = "59", .source = 'Y', .t6 = "26", .t7 = "5"},
                "If there is a bonus ball pool, you must slect [No] to indicate that the "
                "bonus/extra ball is not picked from the main ball pool."},
        // Check 15 cannot be reached: a bonus pool needs [No] (check 14), and [No] without a
        // bonus ball in the draw is check 10.
        Refusal{"c15_shadowed_by_c10", {.t3 = "0"}, kNoWithoutBonus},
        Refusal{"c16",
                {.t7 = "5"},
                "The number of main balls in draw result must be the same as the number of main "
                "balls picked for entry!."},
        Refusal{"c17",
                {.t8 = "0"},
                "If no bonus ball is picked for the entry, you cannot have a bonus ball pool."},
        Refusal{"c18", {.t8 = "2"}, "Only one bonus ball picked for entry is currently allowed."},
        Refusal{"c19",
                {.t3 = "0", .source = 'U', .t6 = "0", .t8 = "1"},
                "You cannot have a bonus/extra ball picked for entry, but none in the draw "
                "result."},
        Refusal{"name_of_another_slot",
                {.name = "lotto2"},
                "The game name lotto2 is already used by game slot 2. Two games cannot share a "
                "name: please choose a different name."},
        Refusal{"name_of_a_slot_file",
                {.name = "GAME3"},
                "The game name GAME3 cannot be used: its files would have the names of other "
                "data files of the program. Please choose a different name."},
        Refusal{"name_of_the_printer_file",
                {.name = "print"},
                "The game name print cannot be used: its files would have the names of other "
                "data files of the program. Please choose a different name."},
        Refusal{"name_of_an_adjustment_file",
                {.name = "Xadjusts"},
                "The game name Xadjusts cannot be used: its files would have the names of other "
                "data files of the program. Please choose a different name."}),
    [](const auto& info) { return std::string(info.param.label); });

// --- Accepted definitions and the record they write. ---

struct Accepted {
    const char* label;
    Typed typed;
    std::array<int, 7> counts;  // ballsdrawn .. bonusperentry as stored
    const char* storedName;
};

void PrintTo(const Accepted& a, std::ostream* os) {
    *os << a.label;
}

class Form14Accepts : public Form14Test, public ::testing::WithParamInterface<Accepted> {};

TEST_P(Form14Accepts, StoresTheDefinitionAndTheDefaultPreferences) {
    Form14& w = open(1);
    type(w, GetParam().typed);
    messages().expect(kSaved);
    w.Command2_Click();
    EXPECT_EQ(readFile("game1.dat"),
              slotBytes(GetParam().storedName, GetParam().counts, kNoLevels, kNoDays, 0, "BB", ""));
    EXPECT_TRUE(m1().dialogdone);
    EXPECT_NE(platform::Windows::find(Form14::kName), nullptr);  // stays open after saving
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, Form14Accepts,
    ::testing::Values(Accepted{"own_extra_pool", {}, {6, 1, 49, 0, 10, 6, 1}, "Lotto"},
                      Accepted{
                          "digits_only_trimmed", {.name = " 649 "}, {6, 1, 49, 0, 10, 6, 1}, "649"},
                      Accepted{"extra_from_main_pool",
                               {.source = 'Y', .t6 = "0", .t8 = "0"},
                               {6, 1, 49, 1, 0, 6, 0},
                               "Lotto"},
                      Accepted{"five_balls_own_pool",
                               {.t2 = "5", .t4 = "59", .t6 = "26", .t7 = "5"},
                               {5, 1, 59, 0, 26, 5, 1},
                               "Lotto"},
                      Accepted{"no_extra_ball",
                               {.t3 = "0", .source = 'U', .t6 = "0", .t8 = "0"},
                               {6, 0, 49, 2, 0, 6, 0},
                               "Lotto"},
                      Accepted{"leading_number_of_each_box",
                               {.t2 = "6x", .t4 = "49", .t7 = " 6"},
                               {6, 1, 49, 0, 10, 6, 1},
                               "Lotto"}),
    [](const auto& info) { return std::string(info.param.label); });

// --- Saving and amending with the files on disk. ---

TEST_F(Form14Test, ANewSlotKeepsTheLevelsAndDaysSavedBeforeItsDefinition) {
    Form14& w = open(3);
    EXPECT_FALSE(w.existinggame());
    w.mnuWC_Click();
    w.Check1[2]->click();  // Match 6
    messages().expect(kRestart);
    w.Command3_Click();
    w.Check2[3]->setChecked(true);  // Wednesday
    messages().expect(kRestart);
    w.Command6_Click();
    type(w, {});
    messages().expect(kSaved);
    w.Command2_Click();
    EXPECT_EQ(readFile("game3.dat"), slotBytes("Lotto", {6, 1, 49, 0, 10, 6, 1},
                                               {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                               {0, 0, 0, 4, 0, 0, 0}, 0, "BB", ""));
}

class Form14Amend : public Form14Test {
protected:
    void SetUp() override {
        Form14Test::SetUp();
        GameRecord lotto = game("Lotto", 6, 49, 10);
        lotto.ballcolour = 1;
        writeGame(1, lotto);
        writeGame(2, game("LottoPlus", 6, 49, 10));
        for (int slot = 3; slot <= 5; ++slot) {
            writeFile(QStringLiteral("game%1.dat").arg(slot), {});
        }
        for (const char* name : kOwn) {
            writeFile(QString::fromLatin1(name), fixture::entry(1, {1, 2, 3, 4, 5, 6}, 7));
        }
        for (const char* name : kOthers) {
            writeFile(QString::fromLatin1(name), fixture::entry(1, {1, 2, 3, 4, 5, 6}, 7));
        }
    }
    QStringList files() const { return QDir(dataPath()).entryList(QDir::Files, QDir::Name); }
    // Lotto's own results history, dated, wheel and standing entry files.
    static constexpr const char* kOwn[] = {
        "Lotto.rtl",       "Lotto05Mar2012.lot", "LottoMar052012.lot", "Lotto2012Mar05.lot",
        "Lotto-6-6-6.lot", "Lotto-4-4-2.lot",    "StandLotto.lot"};
    // Files of LottoPlus and of the playslip printing, and a foreign file that only looks alike.
    static constexpr const char* kOthers[] = {"LottoPlus.rtl",       "LottoPlus05Mar2012.lot",
                                              "LottoPlus-6-5-4.lot", "StandLottoPlus.lot",
                                              "Lotto.dat",           "Lottoadjusts.dat",
                                              "Lotto-notes.lot",     "Lotto05Mar2012.txt",
                                              "Pick3Lotto05.lot",    "print.dat"};
};

TEST_F(Form14Amend, YesDeletesOnlyTheOldGamesOwnFilesAndStartsTheRecordAfresh) {
    Form14& w = open(1);
    ASSERT_TRUE(w.existinggame());
    EXPECT_EQ(w.oldgamename(), QStringLiteral("Lotto"));
    EXPECT_TRUE(w.Option4->isChecked());
    type(w, {.name = "Lotto", .t4 = "59"});
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(kSaved);
    w.Command2_Click();
    for (const char* name : kOwn) {
        EXPECT_FALSE(exists(QString::fromLatin1(name))) << name;
    }
    for (const char* name : kOthers) {
        EXPECT_TRUE(exists(QString::fromLatin1(name))) << name;
    }
    // Ball colour is written again from the Preferences frame; levels and days start empty.
    EXPECT_EQ(readFile("game1.dat"),
              slotBytes("Lotto", {6, 1, 59, 0, 10, 6, 1}, kNoLevels, kNoDays, 1, "PB", ""));
    EXPECT_EQ(readFile("game2.dat"), game("LottoPlus", 6, 49, 10).toBytes());
}

TEST_F(Form14Amend, NoLeavesEveryFileAsItWas) {
    const QByteArray before = readFile("game1.dat");
    const QStringList filesBefore = files();
    Form14& w = open(1);
    type(w, {.name = "Renamed"});
    messages().expect(kWarning, MsgAnswer::No);
    messages().expect("Changes not saved");
    w.Command2_Click();
    EXPECT_EQ(readFile("game1.dat"), before);
    EXPECT_EQ(files(), filesBefore);
    EXPECT_FALSE(m1().dialogdone);
}

TEST_F(Form14Amend, ARefusedPreferenceIsToldBeforeAnythingIsDeleted) {
    const QStringList filesBefore = files();
    Form14& w = open(1);
    w.Option11->setChecked(true);
    w.Text5->setText(QStringLiteral("X"));
    messages().expect(
        "You must enter a two character identity for the extra/bonus ball on your Preferences "
        "options");
    w.Command2_Click();
    EXPECT_EQ(files(), filesBefore);
    EXPECT_EQ(readFile("game1.dat"), [] {
        GameRecord g = MainWindowTest::game("Lotto", 6, 49, 10);
        g.ballcolour = 1;
        return g.toBytes();
    }());
}

TEST_F(Form14Amend, ADefinitionErrorIsToldBeforeABadPreference) {
    const QStringList filesBefore = files();
    const QByteArray before = readFile("game1.dat");
    Form14& w = open(1);
    type(w, {.t4 = "70"});
    w.Option11->setChecked(true);
    w.Text5->setText(QStringLiteral("X"));
    messages().expect("65 is the maximum number of Balls in Main Pool!");
    w.Command2_Click();
    EXPECT_EQ(files(), filesBefore);
    EXPECT_EQ(readFile("game1.dat"), before);
}

TEST_F(Form14Amend, ADamagedStoredNameDeletesNoFileItPointsTo) {
    // A name the window would refuse, leading into a folder: its files are no game's own.
    writeFile("game1.dat",
              slotBytes("sub\\Lotto", {6, 1, 49, 0, 10, 6, 1}, kNoLevels, kNoDays, 0, "BB", ""));
    ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("sub")));
    writeFile("sub/Lotto.rtl", fixture::draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 7));
    Form14& w = open(1);
    ASSERT_TRUE(w.existinggame());
    type(w, {});
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(kSaved);
    w.Command2_Click();
    EXPECT_TRUE(exists("sub/Lotto.rtl"));
    EXPECT_EQ(readFile("game1.dat").left(12), QByteArray("Lotto       "));
}

TEST_F(Form14Amend, ASecondSaveAsksAndDeletesAgain) {
    Form14& w = open(1);
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(kSaved);
    w.Command2_Click();
    writeFile("Lotto.rtl", fixture::draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 7));
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(kSaved);
    w.Command2_Click();
    EXPECT_FALSE(exists("Lotto.rtl"));
}

TEST_F(Form14Test, AFailedWriteIsReportedInsteadOfGameSaved) {
    ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("game1.dat")));  // cannot be replaced
    Form14& w = open(1);
    type(w, {});
    QStringList shown;
    platform::setMessageHandler([&shown](const QString& text, platform::MsgButtons) {
        shown << text;
        return MsgAnswer::Ok;
    });
    w.Command2_Click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(
        shown[0].startsWith(QStringLiteral("The game definition could not be saved to "
                                           "game1.dat")))
        << shown[0].toStdString();
    EXPECT_FALSE(m1().dialogdone);
}

// --- Levels, days and preferences. ---

TEST_F(Form14Test, LevelsAndDaysAreStoredAsFlagsWithTheRestOfTheRecordKept) {
    const GameRecord before = game("Lotto", 6, 49, 10);
    writeGame(1, before);
    Form14& w = open(1);
    for (QCheckBox* box : w.Check1) {
        box->setChecked(false);
    }
    w.Check1[0]->setChecked(true);
    w.Check1[14]->setChecked(true);
    messages().expect("Done");  // no box was clicked by the player
    w.Command3_Click();
    for (QCheckBox* box : w.Check2) {
        box->setChecked(false);
    }
    w.Check2[0]->setChecked(true);
    w.Check2[6]->setChecked(true);
    messages().expect("Done");
    w.Command6_Click();
    const QByteArray bytes = readFile("game1.dat");
    EXPECT_EQ(bytes.mid(26, 32),
              fixture::le16(0) + fixture::le16(1) + QByteArray(26, '\0') + fixture::le16(1));
    EXPECT_EQ(bytes.mid(58, 16),
              fixture::le16(0) + fixture::le16(1) + QByteArray(10, '\0') + fixture::le16(7));
    EXPECT_EQ(bytes.left(26), before.toBytes().left(26));
    EXPECT_EQ(bytes.mid(74), before.toBytes().mid(74));
}

TEST_F(Form14Test, LoadingShowsTheStoredLevelsDaysAndPreferences) {
    GameRecord g = game("Bingo", 5, 39, 12, QStringLiteral("ST"));
    g.prizelevels.fill(0);
    g.prizelevels[5] = 1;
    g.drawdays.fill(0);
    g.drawdays[3] = 3;
    g.drawdays[4] = 3;  // not its own weekday: not a draw day
    g.extraballname = QStringLiteral("Star      ");
    writeGame(4, g);
    Form14& w = open(4);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("Bingo"));
    EXPECT_EQ(w.Text4->text(), QStringLiteral("39"));
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_TRUE(w.Check1[4]->isChecked());
    EXPECT_FALSE(w.Check1[0]->isChecked());
    EXPECT_TRUE(w.Check2[2]->isChecked());
    EXPECT_FALSE(w.Check2[3]->isChecked());
    EXPECT_TRUE(w.Option11->isChecked());
    EXPECT_EQ(w.Text5->text(), QStringLiteral("ST"));
    EXPECT_EQ(w.Text9->text(), QStringLiteral("Star"));
    EXPECT_FALSE(w.levelschanged());
    EXPECT_FALSE(w.Frame1->isHidden());
    EXPECT_TRUE(w.Frame6->isHidden());
}

TEST_F(Form14Test, AnUndefinedSlotShowsZerosAndTheDefaults) {
    Form14& w = open(5);
    EXPECT_TRUE(w.Text1->text().isEmpty());
    for (QLineEdit* box : {w.Text2, w.Text3, w.Text4, w.Text6, w.Text7, w.Text8}) {
        EXPECT_EQ(box->text(), QStringLiteral("0"));
    }
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_TRUE(w.Option5->isChecked());
    EXPECT_TRUE(w.Option7->isChecked());
    EXPECT_EQ(w.Text5->text(), QStringLiteral("BB"));
    EXPECT_EQ(w.Text9->text(), QStringLiteral("Bonus Ball"));
}

TEST_F(Form14Test, TheMenuShowsOneFrameAndTheExtraBallFrameByTheTypedCount) {
    Form14& w = open(1);
    w.mnuDays->trigger();
    EXPECT_FALSE(w.Frame2->isHidden());
    EXPECT_TRUE(w.Frame1->isHidden());
    w.Text3->setText(QStringLiteral("0"));
    w.mnuPreferences->trigger();
    EXPECT_FALSE(w.Frame6->isHidden());
    EXPECT_TRUE(w.Frame2->isHidden());
    EXPECT_TRUE(w.Frame7->isHidden());
    w.Text3->setText(QStringLiteral("1"));
    w.mnuPreferences_Click();
    EXPECT_FALSE(w.Frame7->isHidden());
    w.mnuWC->trigger();
    EXPECT_FALSE(w.Frame4->isHidden());
    EXPECT_TRUE(w.Frame6->isHidden());
}

TEST_F(Form14Test, PreferencesStoreAnOwnIdUpperCasedAndRefuseAShortIdOrNoName) {
    writeGame(1, game("Lotto", 6, 49, 10));
    Form14& w = open(1);
    w.Option11->setChecked(true);
    w.Text5->setText(QStringLiteral("p"));
    messages().expect(
        "You must enter a two character identity for the extra/bonus ball on your Preferences "
        "options");
    w.Command7_Click();
    w.Text5->setText(QStringLiteral("pw"));
    w.Text9->setText(QStringLiteral("   "));
    messages().expect("You must enter a name for the extra/bonus ball on your Preferences option");
    w.Command7_Click();
    EXPECT_EQ(readFile("game1.dat"), game("Lotto", 6, 49, 10).toBytes());

    w.Text9->setText(QStringLiteral(" Power "));
    w.Option4->setChecked(true);
    w.Command7_Click();  // no confirmation on success
    const QByteArray bytes = readFile("game1.dat");
    EXPECT_EQ(bytes.mid(74), fixture::le16(1) + QByteArray("PW") + fixture::text("Power", 10));

    w.Option8->setChecked(true);
    w.Command7_Click();
    EXPECT_EQ(readFile("game1.dat").mid(76), QByteArray("MB") + fixture::text("", 10));
}

// --- Hand-back to the main window. ---

TEST_F(Form14Test, EveryExitAndTheCloseBoxEnableTheMainWindowAndEndTheWait) {
    Form1& main = start();
    for (int exit = 0; exit < 5; ++exit) {
        m1().dialogdone = false;
        main.setEnabled(false);
        Form14& w = open(1);
        switch (exit) {
            case 0:
                w.Command1->click();
                break;
            case 1:
                w.Command4->click();
                break;
            case 2:
                w.Command5->click();
                break;
            case 3:
                w.Command8->click();
                break;
            default:
                w.show();
                w.close();
                break;
        }
        EXPECT_TRUE(main.isEnabled()) << exit;
        EXPECT_TRUE(m1().dialogdone) << exit;
        EXPECT_EQ(platform::Windows::find(Form14::kName), nullptr) << exit;
        platform::doEvents();
    }
}

TEST_F(Form14Test, TheLauncherWaitsUntilSavedWhileTheMainWindowStaysDisabled) {
    writeGame(2, game("Lotto", 6, 49, 10));
    Form1& main = start();
    main.Option2->setText(QStringLiteral("Lotto"));
    bool seen = false;
    QTimer::singleShot(0, &main, [&] {
        auto* w = platform::Windows::live<Form14>(Form14::kName);
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Lotto Configuration"));
        EXPECT_EQ(m1().gamefile, QStringLiteral("game2.dat   "));
        EXPECT_FALSE(main.isEnabled());
        EXPECT_EQ(w->Text1->text(), QStringLiteral("Lotto"));
        messages().expect(kWarning, MsgAnswer::Yes);
        messages().expect(kSaved);
        w->Command2_Click();
    });
    main.mnuName2_Click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(m1().dialogdone);
    EXPECT_FALSE(main.isEnabled());  // until the window's Exit
    platform::Windows::live<Form14>(Form14::kName)->Command1_Click();
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Form14Test, TabTakesTheDefinitionBoxesInTheOrderShown) {
    Form14& w = open(1);
    QStringList order;
    for (QWidget* at = w.Text1; order.size() < 12; at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus && w.Frame1->isAncestorOf(at)) {
            order << at->objectName();
        }
    }
    EXPECT_EQ(order.join(u' '), QStringLiteral("Text1 Text2 Text3 Text4 Option1 Option2 Option3 "
                                               "Text6 Text7 Text8 Command2 Command1"));
}
