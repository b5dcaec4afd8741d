// The random-access record files and the two shared record layouts, byte for byte.
#include <gtest/gtest.h>

#include <QFile>

#include "shared/drawrecord.h"
#include "shared/gamerecord.h"
#include "shared/recordfile.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

class RecordFiles : public KestrovaTest {};

TEST_F(RecordFiles, MissingFileReadsAsZerosAndIsLeftBehindEmpty) {
    EXPECT_EQ(drawFileCount(file("Lotto.rtl")), 0);
    EXPECT_TRUE(exists("Lotto.rtl"));
    EXPECT_EQ(readFile("Lotto.rtl").size(), 0);
    EXPECT_EQ(readGameRecord(file("game1.dat")).toBytes(), QByteArray(GameRecord::kSize, 0));
    EXPECT_TRUE(exists("game1.dat"));
}

TEST_F(RecordFiles, RecordPastTheEndReadsAsZerosAndShortRecordIsPadded) {
    writeFile("x.lot", entry(1, {1, 2, 3}).left(20));
    DrawFile f(file("x.lot"));
    DrawRecord first = f.read(1);
    EXPECT_EQ(first.count, 1);
    EXPECT_EQ(first.balls[3], 0);
    EXPECT_EQ(f.read(5), DrawRecord{});
}

TEST_F(RecordFiles, DrawRecordLayoutMatchesHandMadeBytes) {
    const QByteArray bytes = draw(3, 2, 5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7);
    ASSERT_EQ(bytes.size(), DrawRecord::kSize);
    DrawRecord r = DrawRecord::fromBytes(bytes);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.ordinal, 2);
    EXPECT_EQ(r.day, 5);
    EXPECT_EQ(r.month, 3);
    EXPECT_EQ(r.year, 2012);
    EXPECT_EQ(r.balls, (std::array<qint16, 7>{1, 5, 12, 23, 34, 45, 0}));
    EXPECT_EQ(r.extra, 7);
    EXPECT_EQ(r.toBytes(), bytes);
}

TEST_F(RecordFiles, LargeAndNegativeFieldsKeepTheirBytes) {
    QByteArray bytes = draw(70000, -1, 31, 12, 3299, {65, 64, 63, 62, 61, 60, 59}, 16);
    DrawRecord r = DrawRecord::fromBytes(bytes);
    EXPECT_EQ(r.count, 70000);
    EXPECT_EQ(r.ordinal, -1);
    EXPECT_EQ(r.toBytes(), bytes);
}

TEST_F(RecordFiles, WritesExtendWithZerosAndNeverShorten) {
    writeFile("x.lot", entry(2, {1}) + entry(0, {2}) + entry(0, {3}));
    {
        DrawFile f(file("x.lot"));
        ASSERT_TRUE(f.setCount(1));
        DrawRecord r;
        r.balls[0] = 9;
        ASSERT_TRUE(f.write(5, r));
    }
    const QByteArray bytes = readFile("x.lot");
    ASSERT_EQ(bytes.size(), 5 * 28);
    EXPECT_EQ(bytes.left(28), entry(1, {1}));
    EXPECT_EQ(bytes.mid(56, 28), entry(0, {3}));
    EXPECT_EQ(bytes.mid(84, 28), QByteArray(28, '\0'));
    EXPECT_EQ(bytes.mid(112, 28), entry(0, {9}));
}

TEST_F(RecordFiles, CountsAreWalkedWithinSixteenBits) {
    EXPECT_EQ(narrowCount(0), 0);
    EXPECT_EQ(narrowCount(32767), 32767);
    EXPECT_EQ(narrowCount(32768), 32767);
    EXPECT_EQ(narrowCount(100000), 32767);
    EXPECT_EQ(narrowCount(-5), 0);
    writeFile("big.lot", entry(65536 + 3, {1}) + QByteArray(32767 * 28, '\0'));
    EXPECT_EQ(drawFileCount(file("big.lot")), 32767) << "never wraps to a small count";
}

TEST_F(RecordFiles, StaleRecordsBehindCountZeroAreNotCounted) {
    writeFile("x.lot", entry(0, {1, 2, 3}) + entry(7, {4, 5, 6}));
    EXPECT_EQ(drawFileCount(file("x.lot")), 0);
}

TEST_F(RecordFiles, GameRecordLayoutMatchesHandMadeBytes) {
    QByteArray bytes = text("Lotto", 12);
    for (int v : {6, 1, 49, 0, 10, 6, 1}) {
        bytes += le16(v);
    }
    for (int k = 0; k < 16; ++k) {
        bytes += le16(k >= 2 && k <= 9 ? 1 : 0);
    }
    for (int k = 0; k < 8; ++k) {
        bytes += le16(k == 4 || k == 7 ? k : 0);
    }
    bytes += le16(1) + QByteArray("PB") + text("Powerball", 10);
    ASSERT_EQ(bytes.size(), GameRecord::kSize);

    GameRecord g = GameRecord::fromBytes(bytes);
    EXPECT_EQ(g.name, QStringLiteral("Lotto       "));
    EXPECT_EQ(g.ballsdrawn, 6);
    EXPECT_EQ(g.bonusdrawn, 1);
    EXPECT_EQ(g.mainpool, 49);
    EXPECT_EQ(g.bonusfrommain, 0);
    EXPECT_EQ(g.bonuspool, 10);
    EXPECT_EQ(g.mainperentry, 6);
    EXPECT_EQ(g.bonusperentry, 1);
    EXPECT_EQ(g.prizelevels[1], 0);
    EXPECT_EQ(g.prizelevels[2], 1);
    EXPECT_EQ(g.prizelevels[9], 1);
    EXPECT_EQ(g.drawdays[4], 4);
    EXPECT_EQ(g.drawdays[7], 7);
    EXPECT_EQ(g.drawdays[1], 0);
    EXPECT_EQ(g.ballcolour, 1);
    EXPECT_EQ(g.extraballid, QStringLiteral("PB"));
    EXPECT_EQ(g.extraballname, QStringLiteral("Powerball "));
    EXPECT_EQ(g.toBytes(), bytes);
}

TEST_F(RecordFiles, GameRecordTextIsSingleByteAndBlankPadded) {
    GameRecord g;
    g.name = QStringLiteral("Lotto\u20ac");  // the euro sign is one byte, 0x80
    g.extraballid = QStringLiteral("E");
    g.extraballname = QStringLiteral("A name that is too long");
    const QByteArray b = g.toBytes();
    EXPECT_EQ(b.left(12), QByteArray("Lotto\x80      "));
    EXPECT_EQ(b.mid(76, 2), QByteArray("E "));
    EXPECT_EQ(b.mid(78, 10), QByteArray("A name tha"));
    EXPECT_EQ(GameRecord::fromBytes(b).name, QStringLiteral("Lotto\u20ac      "));
}

TEST_F(RecordFiles, ZeroLengthSlotFileIsUndefined) {
    writeFile("game2.dat", {});
    GameRecord g = readGameRecord(file("game2.dat"));
    EXPECT_EQ(g.ballsdrawn, 0);
    EXPECT_EQ(g.mainpool, 0);
    EXPECT_EQ(g.name, QString(12, QChar(0)));
}

TEST_F(RecordFiles, FileThatCannotBeOpenedReadsZerosAndRefusesWrites) {
    RecordFile f(dataPath() + "/no-such-folder/x.lot", 28);
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(f.read(1), QByteArray(28, '\0'));
    EXPECT_FALSE(f.write(1, QByteArray(28, 'x')));
}

TEST_F(RecordFiles, AppendWritesTheNextRecordAndRaisesTheCount) {
    writeFile("x.lot", entry(1, {1, 2, 3}) + entry(0, {9, 9, 9}));
    DrawRecord r;
    r.balls = {4, 5, 6, 0, 0, 0, 0};
    {
        DrawFile f(file("x.lot"));
        EXPECT_EQ(f.append(r), DrawFile::Append::Done);
    }
    EXPECT_EQ(readFile("x.lot"), entry(2, {1, 2, 3}) + entry(0, {4, 5, 6}));

    writeFile("new.lot", {});
    DrawFile(file("new.lot")).append(r);
    EXPECT_EQ(readFile("new.lot"), entry(1, {4, 5, 6}));

    writeFile("damaged.lot", entry(-1, {1, 2, 3}));
    EXPECT_EQ(DrawFile(file("damaged.lot")).append(r), DrawFile::Append::Failed);
    EXPECT_EQ(readFile("damaged.lot"), entry(-1, {1, 2, 3}));
}

TEST_F(RecordFiles, AppendRefusesToPassTheCountLimit) {
    const QByteArray full = entry(32767, {1}) + QByteArray(32766 * 28, '\0');
    writeFile("full.lot", full);
    DrawFile f(file("full.lot"));
    EXPECT_EQ(f.append(DrawRecord{}), DrawFile::Append::Full);
    EXPECT_EQ(readFile("full.lot"), full) << "nothing written past the limit";
    EXPECT_FALSE(recordLimitMessage().isEmpty());
}

TEST_F(RecordFiles, ReadOnlyFileIsReadButNotWritten) {
    // Told from the permission bits, so root, whom the system lets write it, is refused too.
    writeFile("ro.lot", entry(1, {1, 2, 3}));
    QFile::setPermissions(file("ro.lot"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    DrawFile f(file("ro.lot"));
    EXPECT_EQ(f.count(), 1);
    EXPECT_EQ(f.read(1).balls[2], 3);
    EXPECT_FALSE(f.setCount(0));
    EXPECT_EQ(f.append(DrawRecord{}), DrawFile::Append::Failed);
    EXPECT_EQ(readFile("ro.lot"), entry(1, {1, 2, 3}));
}

TEST_F(RecordFiles, ACountNeverPassesTheRecordsTheFileHolds) {
    // One record whose count says 32767: one entry, not 32,767 blank ones.
    const QByteArray one = entry(32767, {1, 2, 3});
    writeFile("one.lot", one);
    EXPECT_EQ(drawFileCount(file("one.lot")), 1);
    EXPECT_EQ(DrawImage(one).count(), 1);
    // A torn last record is not counted.
    writeFile("torn.lot", entry(3, {1}) + entry(0, {2}) + entry(0, {3}).left(20));
    EXPECT_EQ(drawFileCount(file("torn.lot")), 2);
    // Appending goes after the records the file holds and mends the count.
    EXPECT_EQ(DrawFile(file("one.lot")).append(DrawRecord::fromBytes(entry(0, {4, 5, 6}))),
              DrawFile::Append::Done);
    EXPECT_EQ(readFile("one.lot"), entry(2, {1, 2, 3}) + entry(0, {4, 5, 6}));
}
