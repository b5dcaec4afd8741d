// The 22-byte Pick record, whole-file images and the names of the Pick files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "pick34/logic/pickfiles.h"
#include "pick34/logic/pickrecord.h"
#include "pickbytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

TEST(PickRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    PickRecord r;
    r.count = 70000;  // needs the upper bytes of the 32-bit count
    r.ordinal = 258;
    r.day = 5;
    r.month = 3;
    r.year = 2012;
    r.digits = {4, 0, 7, 9};
    r.bettype = 3;
    const QByteArray expected = pick(70000, 258, 5, 3, 2012, {4, 0, 7, 9}, 3);
    ASSERT_EQ(expected.size(), 22);
    EXPECT_EQ(r.toBytes(), expected);
    EXPECT_EQ(PickRecord::fromBytes(expected), r);
}

TEST(PickRecord, ShortBytesReadAsZerosAndNegativeValuesSurvive) {
    EXPECT_EQ(PickRecord::fromBytes(QByteArray()), PickRecord());
    const PickRecord r = PickRecord::fromBytes(pick(-1, -2, 1, 1, 2000, {-1, 1, 2}).left(14));
    EXPECT_EQ(r.count, -1);
    EXPECT_EQ(r.ordinal, -2);
    EXPECT_EQ(r.digits[0], -1);
    EXPECT_EQ(r.digits[1], 0);  // past the bytes given
}

TEST(PickImage, CountIsWhatReadersWalk) {
    struct Case {
        QByteArray bytes;
        int count;
        bool damaged;
    };
    const QByteArray three = pick(3, 1, 1, 1, 2012, {1, 2, 3}) + pick(0, 2, 2, 1, 2012, {4, 5, 6}) +
                             pick(0, 3, 3, 1, 2012, {7, 8, 9});
    const Case cases[] = {
        {{}, 0, false},
        {three, 3, false},
        {pick(2, 1, 1, 1, 2012, {1}) + three.mid(22), 2, false},  // stale record 3 not counted
        {pick(9, 1, 1, 1, 2012, {1}) + three.mid(22), 3, false},  // never past the file's end
        {pick(-1, 1, 1, 1, 2012, {1}) + three.mid(22), 0, true},
        {pick(70000, 1, 1, 1, 2012, {1}) + three.mid(22), 3, false},
        {three + QByteArray(10, 'x'), 3, false},  // a torn last record holds nothing
    };
    for (const Case& c : cases) {
        const PickImage image(c.bytes);
        EXPECT_EQ(image.count(), c.count) << c.bytes.toHex().toStdString();
        EXPECT_EQ(image.damaged(), c.damaged) << c.bytes.toHex().toStdString();
    }
}

TEST(PickImage, PutGrowsTheImageWithZeros) {
    PickImage image;
    PickRecord r;
    r.digits = {1, 2, 3, 0};
    image.put(3, r);
    EXPECT_EQ(image.bytes(), QByteArray(44, '\0') + pick(0, 0, 0, 0, 0, {1, 2, 3}));
    EXPECT_EQ(image.record(4), PickRecord());
    EXPECT_EQ(image.record(0), PickRecord());
}

TEST(PickImage, RecordsReadInPlaceAndATornLastOneWithZeros) {
    const QByteArray first = pick(2, 1, 5, 3, 2012, {1, 2, 3, 4}, 2);
    const QByteArray second = pick(-7, 2, 6, 3, 2012, {-1, 9, 300, 0}, 4);
    const PickImage image(first + second + second.left(14));
    EXPECT_EQ(image.record(1), PickRecord::fromBytes(first));
    EXPECT_EQ(image.record(2), PickRecord::fromBytes(second));
    EXPECT_EQ(image.record(2).digits, (PickDigits{-1, 9, 300, 0}));
    const PickRecord torn = image.record(3);
    EXPECT_EQ(torn.count, -7);
    EXPECT_EQ(torn.digits[0], -1);
    EXPECT_EQ(torn.digits[1], 0);
    EXPECT_EQ(torn.bettype, 0);
}

class PickImageFile : public KestrovaTest {};

TEST_F(PickImageFile, MissingFileReadsEmptyAndIsNotCreated) {
    const std::optional<PickImage> image = PickImage::read(file(QStringLiteral("none.lot")));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->count(), 0);
    EXPECT_FALSE(exists(QStringLiteral("none.lot")));
}

TEST_F(PickImageFile, AFolderCannotBeReadAsAFile) {
    QDir(dataPath()).mkdir(QStringLiteral("Pick3Day05Mar2012.lot"));
    QString error;
    EXPECT_FALSE(PickImage::read(file(QStringLiteral("Pick3Day05Mar2012.lot")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PickFiles, NamesOfEveryGameAndDrawTime) {
    const QDate march5(2012, 3, 5);
    struct Case {
        int game;
        PickTime time;
        const char* results;
        const char* dated;
        const char* standing;
    };
    const Case cases[] = {
        {3, PickTime::Day, "XWPick3Day.rtl", "Pick3Day05Mar2012.lot", "Pick3StandDay.lot"},
        {3, PickTime::Night, "XWPick3Night.rtl", "Pick3Night05Mar2012.lot", "Pick3StandNight.lot"},
        {4, PickTime::Day, "XWPick4Day.rtl", "Pick4Day05Mar2012.lot", "Pick4StandDay.lot"},
        {4, PickTime::Night, "XWPick4Night.rtl", "Pick4Night05Mar2012.lot", "Pick4StandNight.lot"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pickResultsFileName(c.game, c.time), QLatin1String(c.results));
        EXPECT_EQ(pickDatedEntryFileName(c.game, c.time, march5, QStringLiteral("DDMMYY")),
                  QLatin1String(c.dated));
        EXPECT_EQ(pickStandingFileName(c.game, c.time), QLatin1String(c.standing));
    }
    EXPECT_EQ(pickDatedEntryFileName(4, PickTime::Night, march5, QStringLiteral("MMDDYY")),
              QStringLiteral("Pick4NightMar052012.lot"));
    EXPECT_EQ(pickDatedEntryFileName(3, PickTime::Day, march5, QStringLiteral("YYMMDD")),
              QStringLiteral("Pick3Day2012Mar05.lot"));
}

TEST(PickFiles, WordsAndTitles) {
    EXPECT_EQ(pickdrawtimeWord(PickTime::Day), QStringLiteral("Day"));
    EXPECT_EQ(pickdrawtimeWord(PickTime::Night), QStringLiteral("Evening"));
    EXPECT_EQ(pickgametitle(3), QStringLiteral("Pick 3"));
    EXPECT_EQ(pickgametitle(4), QStringLiteral("Pick 4"));
    EXPECT_EQ(otherTime(PickTime::Day), PickTime::Night);
}

TEST(PickFiles, DateKeysPadMonthAndDayAndCompareAsNumbers) {
    EXPECT_EQ(getstringdate(2012, 3, 5), QStringLiteral("20120305"));
    EXPECT_EQ(getstringdate(2012, 12, 31), QStringLiteral("20121231"));
    EXPECT_LT(getstringdate(2011, 12, 31).toLongLong(), getstringdate(2012, 1, 1).toLongLong());
    EXPECT_LT(getstringdate(2012, 2, 29).toLongLong(), getstringdate(2012, 10, 1).toLongLong());
}

TEST_F(PickImageFile, DirExistsOnlyForFolders) {
    writeFile(QStringLiteral("plain.txt"), "x");
    EXPECT_TRUE(DirExists(dataPath()));
    EXPECT_FALSE(DirExists(file(QStringLiteral("plain.txt"))));
    EXPECT_FALSE(DirExists(file(QStringLiteral("missing"))));
    EXPECT_FALSE(DirExists(QString()));
}
