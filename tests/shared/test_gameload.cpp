// A game slot read into the module state, and the game-name rule that keeps a damaged slot
// from naming files outside the data folder.
#include <gtest/gtest.h>

#include "shared/gameload.h"
#include "shared/module1.h"
#include "support/bytes.h"

namespace {

using fixture::le16;
using fixture::text;

// An 88-byte slot record written out by hand: a 5-ball game of 69 with an extra of its own
// pool of 26, levels 2 and 4, Wednesday and Saturday, red balls.
QByteArray slotBytes(const char* name, const char* id = "PB", const char* extraName = "") {
    QByteArray b = text(name, 12);
    for (int v : {5, 1, 69, 0, 26, 5, 1}) {
        b += le16(v);
    }
    for (int k = 0; k < 16; ++k) {
        b += le16(k == 2 || k == 4 ? 1 : 0);
    }
    for (int k = 0; k < 8; ++k) {
        b += le16(k == 4 || k == 7 ? k : 0);
    }
    b += le16(1) + text(id, 2) + text(extraName, 10);
    return b;
}

TEST(LoadGame, CopiesEveryGameFieldButElementZero) {
    ASSERT_EQ(slotBytes(" Lotto").size(), GameRecord::kSize);
    Module1 m;
    m.prizelevels[0] = 3;
    m.drawdays[0] = 3;
    m.selectionfile = QStringLiteral("kept");
    ASSERT_TRUE(loadGame(GameRecord::fromBytes(slotBytes(" Lotto")), m));
    EXPECT_EQ(m.gamename, QStringLiteral("Lotto"));
    EXPECT_EQ(m.ballsdrawn, 5);
    EXPECT_EQ(m.bonusdrawn, 1);
    EXPECT_EQ(m.mainpool, 69);
    EXPECT_EQ(m.bonusfrommain, 0);
    EXPECT_EQ(m.bonuspool, 26);
    EXPECT_EQ(m.mainperentry, 5);
    EXPECT_EQ(m.bonusperentry, 1);
    EXPECT_EQ(m.prizelevels, (std::array<qint16, 16>{3, 0, 1, 0, 1}));
    EXPECT_EQ(m.drawdays, (std::array<qint16, 8>{3, 0, 0, 0, 4, 0, 0, 7}));
    EXPECT_EQ(m.ballcolour, 1);
    EXPECT_EQ(m.extraballid, QStringLiteral("PB"));
    EXPECT_EQ(m.extraballname, QStringLiteral("Powerball"));
    EXPECT_EQ(m.selectionfile, QStringLiteral("kept"));
}

struct ExtraNameCase {
    const char* id;
    const char* stored;  // nullptr: ten zero bytes
    const char* id_;
    const char* name;
};

class LoadGameExtraName : public ::testing::TestWithParam<ExtraNameCase> {};

TEST_P(LoadGameExtraName, ComesFromTheStoredNameOrTheId) {
    const ExtraNameCase c = GetParam();
    QByteArray bytes = slotBytes("Lotto", c.id, c.stored == nullptr ? "" : c.stored);
    if (c.stored == nullptr) {
        bytes.replace(78, 10, QByteArray(10, '\0'));
    }
    Module1 m;
    ASSERT_TRUE(loadGame(GameRecord::fromBytes(bytes), m));
    EXPECT_EQ(m.extraballid, QString::fromLatin1(c.id_));
    EXPECT_EQ(m.extraballname, QString::fromLatin1(c.name));
}

INSTANTIATE_TEST_SUITE_P(Names, LoadGameExtraName,
                         ::testing::Values(ExtraNameCase{"EB", "", "EB", "Extra Ball"},
                                           ExtraNameCase{"BB", nullptr, "BB", "Bonus Ball"},
                                           ExtraNameCase{"MB", "", "MB", "Mega Ball"},
                                           ExtraNameCase{"XY", "", "BB", "Bonus Ball"},
                                           ExtraNameCase{"XY", "Star", "XY", "Star      "},
                                           ExtraNameCase{"MB", " Star", "MB", "Mega Ball"}));

struct SlotCase {
    const char* label;
    QByteArray bytes;
    bool listed;  // start-up gives the slot its name
    bool loaded;  // loading takes it
};

std::ostream& operator<<(std::ostream& os, const SlotCase& c) {
    return os << c.label;
}

class SlotDefined : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotDefined, ByItsCountsAndAValidName) {
    const SlotCase& c = GetParam();
    const GameRecord slot = GameRecord::fromBytes(c.bytes);
    EXPECT_EQ(slotNamesAGame(slot), c.listed);
    EXPECT_EQ(slotHoldsAGame(slot), c.loaded);
    Module1 m;
    m.gamename = QStringLiteral("Before");
    m.mainpool = 7;
    EXPECT_EQ(loadGame(slot, m), c.loaded);
    if (!c.loaded) {
        EXPECT_EQ(m.gamename, QStringLiteral("Before"));
        EXPECT_EQ(m.mainpool, 7);
    }
}

QByteArray withCounts(QByteArray b, int ballsdrawn, int mainpool) {
    b.replace(12, 2, le16(ballsdrawn));
    b.replace(16, 2, le16(mainpool));
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Slots, SlotDefined,
    ::testing::Values(SlotCase{"Defined", slotBytes("Lotto"), true, true},
                      SlotCase{"Digits", slotBytes("649"), true, true},
                      SlotCase{"Empty", QByteArray(), false, false},
                      SlotCase{"NoBalls", withCounts(slotBytes("Lotto"), 0, 49), true, false},
                      SlotCase{"PoolOfOne", withCounts(slotBytes("Lotto"), 5, 1), false, true},
                      // Counts the definition window refuses: the slot is damaged.
                      SlotCase{"EightBalls", withCounts(slotBytes("Lotto"), 8, 49), false, false},
                      SlotCase{"EightPerEntry",
                               [] {
                                   QByteArray b = slotBytes("Lotto");
                                   return b.replace(22, 2, le16(8));
                               }(),
                               false, false},
                      SlotCase{"TwoExtras",
                               [] {
                                   QByteArray b = slotBytes("Lotto");
                                   return b.replace(14, 2, le16(2));
                               }(),
                               false, false},
                      // Names the definition window refuses: the slot is damaged.
                      SlotCase{"ParentBackslash", slotBytes("..\\x"), false, false},
                      SlotCase{"ParentSlash", slotBytes("../x"), false, false},
                      SlotCase{"Folder", slotBytes("sub/Lotto"), false, false},
                      SlotCase{"Blank", slotBytes(""), false, false},
                      SlotCase{"InnerBlank", slotBytes("My Lotto"), false, false},
                      SlotCase{"ZeroBytes", QByteArray(12, '\0') + slotBytes("x").mid(12), false,
                               false}));

TEST(GameName, IsOneToTwelveLettersAndDigits) {
    const QString empty = QStringLiteral("You must enter a Game Name");
    const QString letters =
        QStringLiteral("You must only use letters in the game name - spaces not allowed!");
    EXPECT_EQ(gameNameError(QStringLiteral("  ")), empty);
    EXPECT_EQ(gameNameError(QStringLiteral(" Lotto6 ")), QString());
    for (const char* bad : {"My Lotto", "..\\x", "../x", "a.b", "Lotto!", "L\xe9"}) {
        EXPECT_EQ(gameNameError(QString::fromLatin1(bad)), letters) << bad;
    }
}

}  // namespace
