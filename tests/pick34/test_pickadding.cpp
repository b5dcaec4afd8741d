// Adding Pick entries: the digits of a number, the random choice of a free number, and the
// records a manual add and suggested picks write, byte for byte.
#include <deque>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "pick34/logic/pickadding.h"
#include "pickbytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

namespace {

// Random values played back in order.
std::function<double()> playback(std::deque<double> values) {
    return [values]() mutable {
        const double u = values.front();
        values.pop_front();
        return u;
    };
}

// `n` distinct Pick 3 entries 0..n-1, the first carrying the count.
QByteArray fullPick3(int n) {
    QByteArray all;
    for (int i = 0; i < n; ++i) {
        all += pickEntry(i == 0 ? n : 0, {i / 100, i / 10 % 10, i % 10});
    }
    return all;
}

std::set<int> numbersIn(const PickImage& image, int game) {
    std::set<int> numbers;
    for (int r = 1; r <= image.count(); ++r) {
        numbers.insert(pickNumberOf(image.record(r).digits, game));
    }
    return numbers;
}

}  // namespace

TEST(PickNumbers, DigitsOfANumberZeroPaddedAndBack) {
    struct Case {
        int number;
        int game;
        PickDigits digits;
    };
    const Case cases[] = {
        {12, 3, {0, 1, 2, 0}},   {7, 4, {0, 0, 0, 7}}, {999, 3, {9, 9, 9, 0}},
        {1234, 4, {1, 2, 3, 4}}, {0, 3, {0, 0, 0, 0}}, {120, 4, {0, 1, 2, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(converteto34numbers(c.number, c.game), c.digits) << c.number;
        EXPECT_EQ(pickNumberOf(c.digits, c.game), c.number);
    }
    EXPECT_EQ(pickNumberOf({1, 12, 3, 0}, 3), -1);
    EXPECT_EQ(pickNumberOf({1, 2, 3, -1}, 4), -1);
    // Pick 3 reads three digits whatever the fourth holds.
    EXPECT_EQ(pickNumberOf({1, 2, 3, 12}, 3), 123);
}

TEST(PickNumberTable, FirstFreeNumberAtOrAfterTheRandomStartWrappingOnce) {
    PickNumberTable table(3);
    for (int n : {500, 501, 998, 999, 0}) {
        table.mark(n);
    }
    EXPECT_EQ(table.getrandomentry(playback({0.5})), 502);
    EXPECT_EQ(table.getrandomentry(playback({0.9985})), 1);
    EXPECT_EQ(table.getrandomentry(playback({0.25})), 250);
    EXPECT_TRUE(table.used(250));
    // A start at the very top is drawn again.
    EXPECT_EQ(table.getrandomentry(playback({1.0, 0.1})), 100);

    PickNumberTable four(4);
    EXPECT_EQ(four.getrandomentry(playback({0.12345})), 1234);
}

TEST(PickNumberTable, AFullTableGivesZeroAndDamagedRecordsMarkNothing) {
    PickNumberTable table(3);
    table.markEntries(PickImage(fullPick3(1000)));
    EXPECT_EQ(table.getrandomentry(playback({0.5})), 0);

    PickNumberTable damaged(3);
    damaged.markEntries(PickImage(pickEntry(2, {1, 12, 3}) + pickEntry(0, {-1, 0, 0})));
    for (int n : {123, 1023, 0}) {
        EXPECT_FALSE(damaged.used(n));
    }
}

class PickAdding : public KestrovaTest {
protected:
    QString path() const { return file("Pick3Night05Mar2012.lot"); }
};

TEST_F(PickAdding, ManualAddToAnEmptyFileIsRecordOneWithCountOne) {
    const PickAddResult added = addManualEntry(path(), "007", 3);
    EXPECT_TRUE(added.message.isEmpty()) << added.message.toStdString();
    EXPECT_EQ(added.lines, QStringList({"0 0 7 "}));
    EXPECT_EQ(added.count, 1);
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"), pick(1, 0, 0, 0, 0, {0, 0, 7}));
}

TEST_F(PickAdding, ManualAddTakesRecordOnesOtherFieldsAndTheFilesCount) {
    // Record 1 says 5 but the file holds 2: the new entry is the third.
    const QByteArray two = pick(5, 1, 5, 3, 2012, {1, 2, 3}, 3) + pick(9, 2, 5, 3, 2012, {4, 5, 6});
    writeFile("Pick3Night05Mar2012.lot", two);
    const PickAddResult added = addManualEntry(path(), "407", 3);
    EXPECT_EQ(added.lines, QStringList({"4 0 7 Exact/Any"}));
    EXPECT_EQ(added.count, 3);
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"), pick(3, 1, 5, 3, 2012, {1, 2, 3}, 3) +
                                                       pick(9, 2, 5, 3, 2012, {4, 5, 6}) +
                                                       pick(3, 1, 5, 3, 2012, {4, 0, 7}, 3));
}

TEST_F(PickAdding, ManualAddRefusals) {
    struct Case {
        const char* typed;
        int game;
        const char* message;
    };
    const Case cases[] = {
        {"", 3, "No number entered"},       {"12", 3, "Invalid entry number"},
        {"12 ", 3, "Invalid entry number"}, {"12a", 3, "Invalid entry number"},
        {" 12", 3, "Invalid entry number"}, {"1234", 3, "Invalid entry number"},
        {"123", 4, "Invalid entry number"}, {"12a4", 4, "Invalid entry number"},
    };
    writeFile("Pick3Night05Mar2012.lot", pickEntry(1, {1, 2, 3}));
    for (const Case& c : cases) {
        const PickAddResult added = addManualEntry(path(), QString::fromLatin1(c.typed), c.game);
        EXPECT_EQ(added.message, QLatin1String(c.message)) << c.typed;
        EXPECT_EQ(added.count, 1);
        EXPECT_TRUE(added.lines.isEmpty());
    }
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"), pickEntry(1, {1, 2, 3}));
}

TEST_F(PickAdding, BothWaysRefuseAFullFile) {
    writeFile("Pick3Night05Mar2012.lot", fullPick3(1000));
    EXPECT_EQ(addManualEntry(path(), "123", 3).message,
              QStringLiteral("Only 1000 entries allowed"));
    EXPECT_EQ(addSuggestedEntries(path(), 1000, 3, playback({})).message,
              QStringLiteral("It is not sensible to have more than 1000 entries!"));
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"), fullPick3(1000));
}

TEST_F(PickAdding, SuggestedPicksRefusals) {
    writeFile("Pick3Night05Mar2012.lot", pickEntry(2, {1, 2, 3}) + pickEntry(0, {4, 5, 6}));
    struct Case {
        double wanted;
        int game;
        const char* message;
    };
    const Case cases[] = {
        {1001, 3, "It is not sensible to have more than 1000 entries!"},
        {10001, 4, "It is not sensible to have more than 10000 entries!"},
        {2, 3, "You already have this number of entries or more"},
        {0, 3, "You already have this number of entries or more"},
        {2.4, 3, "You already have this number of entries or more"},
        {-5, 3, "You already have this number of entries or more"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(addSuggestedEntries(path(), c.wanted, c.game, playback({})).message,
                  QLatin1String(c.message))
            << c.wanted;
    }
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"),
              pickEntry(2, {1, 2, 3}) + pickEntry(0, {4, 5, 6}));
}

TEST_F(PickAdding, SuggestedPicksAreFreeNumbersWithTheLastRecordsFieldsAndNoBetType) {
    writeFile("Pick3Night05Mar2012.lot",
              pick(2, 1, 5, 3, 2012, {5, 0, 0}) + pick(7, 2, 5, 3, 2012, {5, 0, 1}, 4));
    const PickAddResult added = addSuggestedEntries(path(), 4, 3, playback({0.5, 0.5}));
    EXPECT_TRUE(added.message.isEmpty());
    EXPECT_EQ(added.lines, QStringList({"5 0 2 ", "5 0 3 "}));
    EXPECT_EQ(added.count, 4);
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"),
              pick(4, 1, 5, 3, 2012, {5, 0, 0}) + pick(7, 2, 5, 3, 2012, {5, 0, 1}, 4) +
                  pick(7, 2, 5, 3, 2012, {5, 0, 2}) + pick(7, 2, 5, 3, 2012, {5, 0, 3}));
}

TEST_F(PickAdding, AWantedTotalOfTheLimitUsesEveryNumberOnce) {
    std::mt19937 g(7);
    auto random = [&g] { return std::uniform_real_distribution<double>(0, 1)(g); };
    const PickAddResult added = addSuggestedEntries(path(), 1000, 3, random);
    EXPECT_EQ(added.count, 1000);
    const PickImage image(readFile("Pick3Night05Mar2012.lot"));
    EXPECT_EQ(image.held(), 1000);
    EXPECT_EQ(image.storedCount(), 1000);
    EXPECT_EQ(numbersIn(image, 3).size(), 1000u);

    // Pick 4, after entries typed by hand: the new ones are all different from them.
    const QString four = file("Pick4Night05Mar2012.lot");
    ASSERT_TRUE(addManualEntry(four, "1234", 4).message.isEmpty());
    ASSERT_TRUE(addManualEntry(four, "1234", 4).message.isEmpty());
    EXPECT_EQ(addSuggestedEntries(four, 500, 4, random).count, 500);
    const PickImage fourImage(readFile("Pick4Night05Mar2012.lot"));
    const std::set<int> numbers = numbersIn(fourImage, 4);
    EXPECT_EQ(numbers.size(), 499u);
    EXPECT_TRUE(numbers.contains(1234));
}

TEST_F(PickAdding, ADamagedCountIsNotWrittenOver) {
    writeFile("Pick3Night05Mar2012.lot", pickEntry(-3, {1, 2, 3}));
    const QString damaged =
        QStringLiteral("The entries could not be added. The entry file is damaged.");
    EXPECT_EQ(addManualEntry(path(), "123", 3).message, damaged);
    EXPECT_EQ(addSuggestedEntries(path(), 5, 3, playback({})).message, damaged);
    EXPECT_EQ(readFile("Pick3Night05Mar2012.lot"), pickEntry(-3, {1, 2, 3}));
}
