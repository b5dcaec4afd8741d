// The settings record: its layout checked against bytes written by hand, the whole-file read
// that refuses a damaged file, the safe write and the rule for the file's name.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "playslips/logic/playslipconfig.h"
#include "shared/filefaults.h"
#include "slipbytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

namespace {

class PlayslipRecord : public KestrovaTest {};

TEST_F(PlayslipRecord, FieldsAndPositionsSitWhereTheHandMadeRecordPutsThem) {
    QByteArray bytes = slip(35, -1, 0, 7, 200);
    putMm(bytes, false, 1, 1, 1, 10.5f);
    putMm(bytes, false, 65, 10, 2, 280.25f);
    putMm(bytes, true, 16, 3, 1, 0.5f);
    putMm(bytes, true, 5, 3, 2, -2.0f);
    ASSERT_EQ(bytes.size(), 17434);

    const PlayslipConfig c = PlayslipConfig::fromBytes(bytes);
    EXPECT_EQ(c.width(), 35);
    EXPECT_EQ(c.horizmain(), -1);
    EXPECT_EQ(c.horizextra(), 0);
    EXPECT_EQ(c.boards(), 7);
    EXPECT_EQ(c.length(), 200);
    EXPECT_EQ(c.mark(BallSet::Main, 1, 1, Coord::X), 10.5f);
    EXPECT_EQ(c.mark(BallSet::Main, 65, 10, Coord::Y), 280.25f);
    EXPECT_EQ(c.mark(BallSet::Extra, 16, 3, Coord::X), 0.5f);
    EXPECT_EQ(c.mark(BallSet::Extra, 5, 3, Coord::Y), -2.0f);
    EXPECT_EQ(c.mark(BallSet::Main, 1, 1, Coord::Y), 0.0f);
    EXPECT_TRUE(c.problem().isEmpty());

    // Written back field by field, the record is the same bytes.
    PlayslipConfig built;
    built.setWidth(35);
    built.setHorizmain(-1);
    built.setBoards(7);
    built.setLength(200);
    built.setMark(BallSet::Main, 1, 1, Coord::X, 10.5f);
    built.setMark(BallSet::Main, 65, 10, Coord::Y, 280.25f);
    built.setMark(BallSet::Extra, 16, 3, Coord::X, 0.5f);
    built.setMark(BallSet::Extra, 5, 3, Coord::Y, -2.0f);
    EXPECT_EQ(built.bytes(), bytes);
}

TEST_F(PlayslipRecord, MissingOrEmptyFileIsAGameNeverConfigured) {
    const ConfigRead missing = readPlayslipConfig(file("Lotto.dat"));
    ASSERT_TRUE(missing.config);
    EXPECT_EQ(missing.config->bytes(), QByteArray(17434, '\0'));
    EXPECT_FALSE(exists("Lotto.dat"));  // reading creates nothing

    writeFile("Lotto.dat", {});
    const ConfigRead empty = readPlayslipConfig(file("Lotto.dat"));
    ASSERT_TRUE(empty.config);
    EXPECT_EQ(empty.config->bytes(), QByteArray(17434, '\0'));
}

struct Damage {
    const char* what;
    QByteArray bytes;
    const char* reason;
};

QByteArray withMark(float mm, bool extra = false, int ball = 9, int board = 4, int coord = 2) {
    QByteArray b = slip(25, 0, 0, 5, 150);
    putMm(b, extra, ball, board, coord, mm);
    return b;
}

TEST_F(PlayslipRecord, DamagedFileIsRefusedWhole) {
    const Damage cases[] = {
        {"short", slip(25, 0, 0, 5, 150).left(17000), "it holds 17000 bytes instead of 17434"},
        {"long", slip(25, 0, 0, 5, 150) + QByteArray(1, '\0'),
         "it holds 17435 bytes instead of 17434"},
        {"eleven boards", slip(25, 0, 0, 11, 150), "its number of boards is 11"},
        {"negative boards", slip(25, 0, 0, -3, 150), "its number of boards is -3"},
        {"negative width", slip(-25, 0, 0, 5, 150), "its mark width is -25"},
        {"huge length", slip(25, 0, 0, 5, 20000), "its mark length is 20000 twips"},
        {"not a number", withMark(std::numeric_limits<float>::quiet_NaN()),
         "the Y position of main ball 9 on board D is out of range"},
        {"infinite", withMark(std::numeric_limits<float>::infinity(), true, 1, 10, 1),
         "the X position of extra ball 1 on board J is out of range"},
        {"beyond ten metres", withMark(-10000.5f, true, 65, 1, 2),
         "the Y position of extra ball 65 on board A is out of range"},
    };
    for (const Damage& d : cases) {
        SCOPED_TRACE(d.what);
        writeFile("Lotto.dat", d.bytes);
        const ConfigRead read = readPlayslipConfig(file("Lotto.dat"));
        EXPECT_FALSE(read.config);
        EXPECT_EQ(read.error, QStringLiteral("The playslip settings in Lotto.dat are damaged (%1) "
                                             "and were not used.")
                                  .arg(QString::fromLatin1(d.reason)));
    }
}

TEST_F(PlayslipRecord, UnusedIndexZeroAndEdgeValuesAreAccepted) {
    QByteArray b = slip(0, 7, 1, 0, 0);
    // Index 0 of every dimension is never used: whatever it holds is kept, not judged.
    putMm(b, false, 0, 0, 0, std::numeric_limits<float>::quiet_NaN());
    putMm(b, true, 0, 5, 1, 1e30f);
    putMm(b, true, 5, 0, 2, -1e30f);
    putMm(b, false, 3, 2, 1, 10000.0f);
    putMm(b, false, 3, 2, 2, -10000.0f);
    writeFile("Lotto.dat", b);
    const ConfigRead read = readPlayslipConfig(file("Lotto.dat"));
    ASSERT_TRUE(read.config) << read.error.toStdString();
    EXPECT_EQ(read.config->bytes(), b);
}

TEST_F(PlayslipRecord, WriteReplacesTheFileWholeOrNotAtAll) {
    const QByteArray old = slip(15, 0, 0, 3, 100);
    writeFile("Lotto.dat", old);
    PlayslipConfig c;
    c.setBoards(9);
    for (FileFaults::Step step :
         {FileFaults::Step::Write, FileFaults::Step::Flush, FileFaults::Step::Commit}) {
        fileFaults().failAt(step, 1);
        QString error;
        EXPECT_FALSE(writePlayslipConfig(file("Lotto.dat"), c, &error));
        EXPECT_EQ(error, FileFaults::reason(step));
        EXPECT_EQ(readFile("Lotto.dat"), old);
    }
    EXPECT_TRUE(writePlayslipConfig(file("Lotto.dat"), c, nullptr));
    EXPECT_EQ(readFile("Lotto.dat"), c.bytes());
}

TEST(PlayslipName, NoGameNameReachesAnotherFileOrLeavesTheDataFolder) {
    for (const char* fine :
         {"Lotto", "Powerball", "game6", "Game0", "games1", "Printer", "adjustsX", "WildCard2"}) {
        EXPECT_TRUE(playslipNameError(QString::fromLatin1(fine)).isEmpty()) << fine;
    }
    for (const char* taken :
         {"game1", "GAME5", "print", "Print", "tempfile", "Lottoadjusts", "ADJUSTS"}) {
        EXPECT_EQ(playslipNameError(QString::fromLatin1(taken)),
                  QStringLiteral("The playslip settings of the game \"%1\" would be stored in "
                                 "%1.dat, a file the program keeps for something else. Rename "
                                 "the game to set up its playslip.")
                      .arg(QString::fromLatin1(taken)))
            << taken;
    }
    for (const char* unsafe : {"", "../Lotto", "..", "a/b", "Lotto ", " Lotto", "Lot to"}) {
        EXPECT_EQ(playslipNameError(QString::fromLatin1(unsafe)),
                  QStringLiteral("The game name \"%1\" cannot name a playslip settings file.")
                      .arg(QString::fromLatin1(unsafe)))
            << unsafe;
    }
    EXPECT_EQ(playslipPath(QStringLiteral("/data"), QStringLiteral("Lotto")),
              QStringLiteral("/data/Lotto.dat"));
}

}  // namespace
