// The check of a received results file: the whole file, not only its first number.
#include <gtest/gtest.h>

#include "support/bytes.h"
#include "updates/logic/resultscheck.h"

using namespace fixture;

namespace {

const QByteArray kDraw1 = draw(3, 1, 1, 3, 2012, {1, 5, 12, 23, 34, 65}, 7);
const QByteArray kDraw2 = draw(0, 2, 3, 3, 2012, {2, 4, 6, 8, 10}, 0);
const QByteArray kDraw3 = draw(0, 3, 5, 3, 2012, {9, 19, 29}, 65);
const QByteArray kGood = kDraw1 + kDraw2 + kDraw3;

struct Case {
    const char* label;
    QByteArray bytes;
    ResultsFault fault;
    int record;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.label;
}

class ResultsFile : public ::testing::TestWithParam<Case> {};

TEST_P(ResultsFile, IsJudgedAsAWhole) {
    const ResultsCheck check = checkResultsFile(GetParam().bytes);
    EXPECT_EQ(check.fault, GetParam().fault);
    EXPECT_EQ(check.record, GetParam().record);
}

QByteArray withRecord(int r, const QByteArray& record) {
    QByteArray b = kGood;
    b.replace((r - 1) * 28, 28, record);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResultsFile,
    ::testing::Values(
        Case{"Good", kGood, ResultsFault::None, 0},
        Case{"OneDraw", draw(1, 1, 29, 2, 2012, {1, 2, 3, 4, 5, 6, 7}, 0), ResultsFault::None, 0},
        // Records past the count are draws a deletion left behind, or the download is damaged.
        Case{"UncountedDraws", kGood + kDraw2 + kDraw1, ResultsFault::None, 0},
        Case{"UncountedJunk", draw(1, 1, 1, 3, 2012, {1, 2, 3}, 0) + QByteArray(28, '\xff'),
             ResultsFault::BadTail, 2},
        Case{"PageAfterTheDraws", kGood + QByteArray("<!DOCTYPE html><html></html>"),
             ResultsFault::BadTail, 4},
        Case{"ZerosAfterTheDraws", kGood + kDraw2 + QByteArray(28, '\0'), ResultsFault::BadTail, 5},
        Case{"Empty", {}, ResultsFault::Empty, 0},
        Case{"CutInsideARecord", kGood.left(83), ResultsFault::PartRecord, 0},
        Case{"OneByteTooMany", kGood + '\0', ResultsFault::PartRecord, 0},
        Case{"WebPage", QByteArray("<!DOCTYPE html><html><body>Not Found</body></html>"),
             ResultsFault::PartRecord, 0},
        Case{"WebPageOfWholeRecords", QByteArray(56, '<'), ResultsFault::BadCount, 0},
        Case{"CountZero", withRecord(1, draw(0, 1, 1, 3, 2012, {1, 5, 12}, 7)),
             ResultsFault::BadCount, 0},
        Case{"CountNegative", withRecord(1, draw(-1, 1, 1, 3, 2012, {1, 5, 12}, 7)),
             ResultsFault::BadCount, 0},
        Case{"CountAboveTheRecordsHeld", withRecord(1, draw(4, 1, 1, 3, 2012, {1, 5, 12}, 7)),
             ResultsFault::BadCount, 0},
        Case{"FirstBallZero", withRecord(1, draw(3, 1, 1, 3, 2012, {0, 5, 12}, 7)),
             ResultsFault::BadDraw, 1},
        Case{"FirstBall66", withRecord(1, draw(3, 1, 1, 3, 2012, {66, 5, 12}, 7)),
             ResultsFault::BadDraw, 1},
        Case{"LaterBall66", withRecord(3, draw(0, 3, 5, 3, 2012, {9, 19, 66}, 0)),
             ResultsFault::BadDraw, 3},
        Case{"OnlyTwoBalls", withRecord(2, draw(0, 2, 3, 3, 2012, {2, 4}, 0)),
             ResultsFault::BadDraw, 2},
        Case{"BallAfterAGap", withRecord(2, draw(0, 2, 3, 3, 2012, {2, 4, 6, 0, 8}, 0)),
             ResultsFault::BadDraw, 2},
        Case{"BallTwice", withRecord(2, draw(0, 2, 3, 3, 2012, {2, 4, 6, 4}, 0)),
             ResultsFault::BadDraw, 2},
        Case{"Extra66", withRecord(3, draw(0, 3, 5, 3, 2012, {9, 19, 29}, 66)),
             ResultsFault::BadDraw, 3},
        Case{"NoSuchDay", withRecord(2, draw(0, 2, 30, 2, 2012, {2, 4, 6}, 0)),
             ResultsFault::BadDraw, 2},
        Case{"YearZero", withRecord(3, draw(0, 3, 5, 3, 0, {9, 19, 29}, 0)), ResultsFault::BadDraw,
             3},
        Case{"DatesBackwards", withRecord(3, draw(0, 3, 2, 3, 2012, {9, 19, 29}, 0)),
             ResultsFault::OutOfOrder, 3}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ResultsFileAccepted, GivesTheCountAndTheLastCountedDraw) {
    const ResultsCheck check = checkResultsFile(kGood + draw(0, 4, 9, 3, 2012, {1, 2, 3}, 0));
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.count, 3);
    EXPECT_EQ(check.last, DrawRecord::fromBytes(kDraw3));
}

TEST(DrawDateText, FollowsTheDateOrderWithoutLeadingZeros) {
    const DrawRecord d = DrawRecord::fromBytes(draw(1, 1, 5, 3, 2012, {1, 2, 3}, 0));
    EXPECT_EQ(drawDateText(d, QStringLiteral("DDMMYY")), QStringLiteral("5/3/2012"));
    EXPECT_EQ(drawDateText(d, QStringLiteral("MMDDYY")), QStringLiteral("3/5/2012"));
    EXPECT_EQ(drawDateText(d, QStringLiteral("YYMMDD")), QStringLiteral("2012/3/5"));
    EXPECT_EQ(drawDateText(d, QString()), QString());
}

// No count passes 32,767, and no history holds more records than that: a file one record longer
// is no history, even of plausible draws.
TEST(ResultsFileSize, TheMostDrawsPassOneRecordMoreIsTooLarge) {
    const QByteArray most = draw(32767, 1, 1, 3, 2012, {1, 2, 3}, 0) + kDraw2.repeated(32766);
    ASSERT_EQ(most.size(), kLargestResultsFile);
    EXPECT_TRUE(checkResultsFile(most).accepted());
    EXPECT_EQ(checkResultsFile(most + kDraw2).fault, ResultsFault::TooLarge);
}

}  // namespace
