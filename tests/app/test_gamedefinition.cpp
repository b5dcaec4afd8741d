// The game definition apart from its window: the order of its checks, what a save refuses
// before it touches anything, and the files an amended game loses.
#include <gtest/gtest.h>

#include <QDir>

#include "app/gamedefinition.h"
#include "shared/gamefiles.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"

using platform::MsgAnswer;

namespace {

const char* const kSaved =
    "Game Saved - You must exit and restart the program for the changes to take effect";
const char* const kWarning =
    "WARNING - If you amend an existing game all results and entries for that existing game "
    "will be deleted. If you have changed the Game Name, you will also not be able to download "
    "results from the web for that game. Are you sure you want to save changes to this game?";
const char* const kShortId =
    "You must enter a two character identity for the extra/bonus ball on your Preferences "
    "options";

// A valid 6-ball game of 49 with an extra of its own pool of 10, changed by each case.
GameDefinitionInput lotto(const char* name = "Lotto") {
    GameDefinitionInput in;
    in.name = QString::fromLatin1(name);
    in.ballsdrawn = QStringLiteral("6");
    in.bonusdrawn = QStringLiteral("1");
    in.mainpool = QStringLiteral("49");
    in.bonuspool = QStringLiteral("10");
    in.mainperentry = QStringLiteral("6");
    in.bonusperentry = QStringLiteral("1");
    in.source = BonusSource::OwnPool;
    return in;
}

struct Check {
    const char* label;
    GameDefinitionInput in;
    const char* message;  // "" = accepted
};

std::ostream& operator<<(std::ostream& os, const Check& c) {
    return os << c.label;
}

GameDefinitionInput with(
    std::initializer_list<std::pair<QString GameDefinitionInput::*, const char*>> boxes,
    BonusSource source = BonusSource::OwnPool, const char* name = "Lotto") {
    GameDefinitionInput in = lotto(name);
    for (const auto& [box, value] : boxes) {
        in.*box = QString::fromLatin1(value);
    }
    in.source = source;
    return in;
}

constexpr auto T2 = &GameDefinitionInput::ballsdrawn;
constexpr auto T3 = &GameDefinitionInput::bonusdrawn;
constexpr auto T4 = &GameDefinitionInput::mainpool;
constexpr auto T6 = &GameDefinitionInput::bonuspool;
constexpr auto T7 = &GameDefinitionInput::mainperentry;
constexpr auto T8 = &GameDefinitionInput::bonusperentry;
constexpr BonusSource kNo = BonusSource::OwnPool;
constexpr BonusSource kYes = BonusSource::MainPool;
constexpr BonusSource kNotUsed = BonusSource::NotUsed;

class DefinitionChecks : public ::testing::TestWithParam<Check> {};

// Each case breaks one check and a later one too: the earlier check's message is the one told.
TEST_P(DefinitionChecks, TheFirstBrokenCheckIsTold) {
    EXPECT_EQ(definitionError(GetParam().in), QString::fromLatin1(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, DefinitionChecks,
    ::testing::Values(
        Check{"valid", lotto(), ""},
        Check{"c1_before_c3", with({{T2, "9"}}, kNo, " "), "You must enter a Game Name"},
        Check{"c2_before_c6", with({{T4, "70"}}, kNo, "My Lotto"),
              "You must only use letters in the game name - spaces not allowed!"},
        Check{"c3_before_c6", with({{T2, "8"}, {T7, "8"}, {T4, "70"}}),
              "The number of Main Balls in Draw Result must be between 3 and 7"},
        Check{"c4_before_c16", with({{T2, "3"}, {T4, "10"}, {T6, "0"}, {T7, "4"}, {T8, "0"}}, kYes),
              "For a Pick 3 game you must have at least one bonus ball from its own pool"},
        Check{"c5_before_c18", with({{T4, "6"}, {T8, "2"}}),
              "The number of Balls in Main Pool is always greater then the number of balls in "
              "draw result!"},
        Check{"c6_before_c7", with({{T2, "5"}, {T4, "69"}, {T7, "5"}, {T6, "66"}}),
              "65 is the maximum number of Balls in Main Pool!"},
        Check{"c7_before_c8", with({{T6, "66"}, {T3, "2"}}),
              "65 is the maximum number of Balls in Bonus Pool!"},
        Check{"c8_before_c16", with({{T3, "2"}, {T7, "5"}}),
              "Maximum number of bonus balls in draw result is 1 (options are: 0 or 1)"},
        Check{"c9_before_c18", with({{T2, "7"}, {T7, "7"}, {T8, "2"}}),
              "For a Pick 7 game no bonus ball configuration is currently available"},
        Check{"c10_before_c16", with({{T3, "0"}, {T6, "0"}, {T8, "0"}, {T7, "5"}}),
              "You cannot have no bonus ball in draw result and [No] selected. If there is no "
              "bonus/extra ball used in the game select [Bonus Not Used in Draw]"},
        Check{"c11_before_c16", with({{T3, "0"}, {T6, "0"}, {T8, "0"}, {T7, "5"}}, kYes),
              "You cannot have no bonus ball in draw result and [Yes] selected. If there is no "
              "bonus/extra ball used in the game select [Bonus Not Used in Draw]"},
        Check{"c12_before_c18", with({{T6, "0"}, {T8, "2"}}, kNotUsed),
              "You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] "
              "selected."},
        Check{"c13_before_c16", with({{T6, "0"}, {T8, "0"}, {T7, "5"}}),
              "If the bonus ball is picked from the main ball pool then you must select [Yes]."},
        Check{"c14_before_c18", with({{T8, "2"}}, kYes),
              "If there is a bonus ball pool, you must slect [No] to indicate that the "
              "bonus/extra ball is not picked from the main ball pool."},
        Check{"c16_before_c18", with({{T7, "5"}, {T8, "2"}}),
              "The number of main balls in draw result must be the same as the number of main "
              "balls picked for entry!."},
        Check{"c17", with({{T8, "0"}}),
              "If no bonus ball is picked for the entry, you cannot have a bonus ball pool."},
        Check{"c18", with({{T8, "2"}}),
              "Only one bonus ball picked for entry is currently allowed."},
        Check{"c19", with({{T3, "0"}, {T6, "0"}}, kNotUsed),
              "You cannot have a bonus/extra ball picked for entry, but none in the draw "
              "result."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SlotNumber, OfASlotFileNameOnly) {
    EXPECT_EQ(slotNumber(QStringLiteral("game3.dat   ")), 3);
    EXPECT_EQ(slotNumber(QStringLiteral("game1.dat")), 1);
    EXPECT_EQ(slotNumber(QStringLiteral("game6.dat")), 0);
    EXPECT_EQ(slotNumber(QStringLiteral("Lotto.dat")), 0);
}

// Slot 1 holds Lotto; its files, and those of Keno (another game's name, not in any slot),
// lie in the data folder.
class GameDefinitionSave : public KestrovaTest {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        GameRecord g;
        g.name = QStringLiteral("Lotto").leftJustified(12);
        g.ballsdrawn = 6;
        g.bonusdrawn = 1;
        g.mainpool = 49;
        g.bonuspool = 10;
        g.mainperentry = 6;
        g.bonusperentry = 1;
        g.prizelevels[3] = 1;
        g.drawdays[4] = 4;
        g.extraballid = QStringLiteral("PB");
        g.extraballname = QString(10, u' ');
        writeFile("game1.dat", g.toBytes());
        // The other slots are read for a name they might share: present, but empty.
        for (int slot = 2; slot <= 5; ++slot) {
            writeFile(QStringLiteral("game%1.dat").arg(slot), {});
        }
        for (const char* name :
             {"Lotto.rtl", "Lotto05Mar2012.lot", "Lotto-6-5-4.lot", "StandLotto.lot", "Keno.rtl",
              "Keno05Mar2012.lot", "Keno-6-5-4.lot", "StandKeno.lot", "LottoPlus05Mar2012.lot"}) {
            writeFile(QString::fromLatin1(name), fixture::entry(1, {1, 2, 3, 4, 5, 6}, 7));
        }
        slotBefore = readFile("game1.dat");
        filesBefore = files();
    }
    QStringList files() const { return QDir(dataPath()).entryList(QDir::Files, QDir::Name); }
    static std::string text(const QStringList& names) { return names.join(u' ').toStdString(); }
    GameDefinition definition() const { return {dataPath(), QStringLiteral("game1.dat   ")}; }
    void expectUnchanged() {
        EXPECT_EQ(readFile("game1.dat"), slotBefore);
        EXPECT_EQ(text(files()), text(filesBefore));
    }

    QByteArray slotBefore;
    QStringList filesBefore;
};

struct Refusal {
    const char* label;
    GameDefinitionInput definition;
    PreferencesInput preferences;
    const char* message;
};

std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.label;
}

class GameDefinitionRefusal : public GameDefinitionSave,
                              public ::testing::WithParamInterface<Refusal> {};

// Every refusal comes before the question, so nothing is asked, written or deleted.
TEST_P(GameDefinitionRefusal, OneMessageAndNothingTouched) {
    const Refusal& r = GetParam();
    GameDefinition d = definition();
    ASSERT_TRUE(d.existinggame());
    messages().expect(QString::fromLatin1(r.message));
    EXPECT_FALSE(d.saveDefinition(r.definition, r.preferences));
    expectUnchanged();
}

const PreferencesInput kShortOwnId{false, ExtraBallId::Other, QStringLiteral("X"),
                                   QStringLiteral("Star")};

INSTANTIATE_TEST_SUITE_P(
    Faults, GameDefinitionRefusal,
    ::testing::Values(
        Refusal{"definition_before_preference", with({{T4, "70"}}), kShortOwnId,
                "65 is the maximum number of Balls in Main Pool!"},
        Refusal{"name_before_preference", lotto("My Lotto"), kShortOwnId,
                "You must only use letters in the game name - spaces not allowed!"},
        Refusal{"conflict_before_preference", lotto("print"), kShortOwnId,
                "The game name print cannot be used: its files would have the names of other "
                "data files of the program. Please choose a different name."},
        Refusal{"preference_alone", lotto(), kShortOwnId, kShortId},
        Refusal{"preference_without_name",
                lotto(),
                {false, ExtraBallId::Other, QStringLiteral("ST"), QStringLiteral("  ")},
                "You must enter a name for the extra/bonus ball on your Preferences option"}),
    [](const auto& info) { return std::string(info.param.label); });

struct Amend {
    const char* label;
    const char* newName;
    std::vector<const char*> deleted;
};

std::ostream& operator<<(std::ostream& os, const Amend& a) {
    return os << a.label;
}

class GameDefinitionAmend : public GameDefinitionSave,
                            public ::testing::WithParamInterface<Amend> {};

// Amending deletes the old game's own files, whatever the new name: never the files of the
// new name, nor of a game whose name only begins with the old one.
TEST_P(GameDefinitionAmend, YesDeletesTheOldGamesFilesOnly) {
    const Amend& a = GetParam();
    GameDefinition d = definition();
    EXPECT_EQ(d.oldgamename(), QStringLiteral("Lotto"));
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(kSaved);
    ASSERT_TRUE(d.saveDefinition(lotto(a.newName), {}));
    QStringList expected = filesBefore;
    for (const char* gone : a.deleted) {
        expected.removeOne(QString::fromLatin1(gone));
    }
    EXPECT_EQ(text(files()), text(expected));
    // The amended game starts without levels or days.
    const GameRecord stored = readGameRecord(file("game1.dat"));
    EXPECT_EQ(stored.name, QString::fromLatin1(a.newName).leftJustified(12));
    EXPECT_EQ(stored.prizelevels, GameRecord{}.prizelevels);
    EXPECT_EQ(stored.drawdays, GameRecord{}.drawdays);
}

INSTANTIATE_TEST_SUITE_P(Names, GameDefinitionAmend,
                         ::testing::Values(Amend{"same_name",
                                                 "Lotto",
                                                 {"Lotto.rtl", "Lotto05Mar2012.lot",
                                                  "Lotto-6-5-4.lot", "StandLotto.lot"}},
                                           Amend{"new_name",
                                                 "Keno",
                                                 {"Lotto.rtl", "Lotto05Mar2012.lot",
                                                  "Lotto-6-5-4.lot", "StandLotto.lot"}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(GameDefinitionSave, NoToTheQuestionChangesNothing) {
    GameDefinition d = definition();
    messages().expect(kWarning, MsgAnswer::No, platform::MsgDefault::No);
    messages().expect("Changes not saved");
    EXPECT_FALSE(d.saveDefinition(lotto("Keno"), {}));
    expectUnchanged();
}

TEST_F(GameDefinitionSave, ANewSlotAsksNothingDeletesNothingAndKeepsItsLevels) {
    GameRecord levelsOnly;
    levelsOnly.prizelevels[5] = 1;
    writeFile("game2.dat", levelsOnly.toBytes());
    filesBefore = files();
    GameDefinition d(dataPath(), QStringLiteral("game2.dat"));
    EXPECT_FALSE(d.existinggame());
    messages().expect(kSaved);
    ASSERT_TRUE(d.saveDefinition(lotto("Keno"), {}));
    EXPECT_EQ(text(files()), text(filesBefore));
    const GameRecord stored = readGameRecord(file("game2.dat"));
    EXPECT_EQ(stored.name, QStringLiteral("Keno        "));
    EXPECT_EQ(stored.prizelevels[5], 1);
    EXPECT_EQ(stored.mainpool, 49);
}

}  // namespace
