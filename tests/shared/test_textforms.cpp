// Entry lines, card codes, dated file names, date keys and the number typed into a box.
#include <gtest/gtest.h>

#include <QLocale>

#include "shared/gamefiles.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

namespace {
using B = std::array<qint16, 7>;
}

TEST(EntryLine, MainNumbersThenIdAndTwoDigitExtra) {
    EXPECT_EQ(entryline(B{1, 5, 12, 23, 34, 45, 0}, 7, "PB", "Lotto"),
              QStringLiteral("01 05 12 23 34 45 PB 07"));
}

TEST(EntryLine, WithoutExtraEndsInABlankAndSkipsUnusedPositions) {
    EXPECT_EQ(entryline(B{3, 9, 10, 22, 41, 0, 0}, 0, "PB", "Lotto"),
              QStringLiteral("03 09 10 22 41 "));
    EXPECT_EQ(entryline(B{0, 7, 0, 8, 0, 0, 0}, 0, "EB", "Lotto"), QStringLiteral("07 08 "));
}

TEST(EntryLine, NumbersPastTwoDigitsFromADamagedFileAreWrittenWhole) {
    EXPECT_EQ(entryline(B{100, 5, 0, 0, 0, 0, 0}, 1234, "PB", "Lotto"),
              QStringLiteral("100 05 PB 1234"));
}

TEST(EntryLine, WildCardExtraIsACardCode) {
    EXPECT_EQ(entryline(B{1, 2, 3, 4, 5, 0, 0}, 7, "WC", kWildCardGame),
              QStringLiteral("01 02 03 04 05 WC QH"));
    EXPECT_EQ(entryline(B{1, 2, 3, 4, 5, 0, 0}, 13, "WC", kWildCardGame),
              QStringLiteral("01 02 03 04 05 WC AC"));
    // Only the exact name switches to cards.
    EXPECT_EQ(entryline(B{1, 0, 0, 0, 0, 0, 0}, 7, "WC", "wildcard2"), QStringLiteral("01 WC 07"));
}

TEST(CardCodes, NamesAndNumbersBothWays) {
    const char* codes[] = {"AS", "KS", "QS", "JS", "AH", "KH", "QH", "JH",
                           "AD", "KD", "QD", "JD", "AC", "KC", "QC", "JC"};
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(cardname(n), QString::fromLatin1(codes[n - 1]));
        QString s = QString::fromLatin1(codes[n - 1]);
        EXPECT_EQ(cardnumber(s), n);
    }
    EXPECT_EQ(cardname(0), QString());
    EXPECT_EQ(cardname(17), QString());
}

TEST(CardCodes, NumberUpperCasesTheCallersTextAndDoesNotTrim) {
    QString s = QStringLiteral("qh");
    EXPECT_EQ(cardnumber(s), 7);
    EXPECT_EQ(s, QStringLiteral("QH"));
    QString blank = QStringLiteral(" QH");
    EXPECT_EQ(cardnumber(blank), -1);
    QString single = QStringLiteral("q");
    EXPECT_EQ(cardnumber(single), -1);
    EXPECT_EQ(single, QStringLiteral("Q"));
}

struct DateOrderCase {
    const char* shortDate;
    const char* order;
};

void PrintTo(const DateOrderCase& c, std::ostream* os) {
    *os << '"' << c.shortDate << '"';
}

class DateOrder : public ::testing::TestWithParam<DateOrderCase> {};

TEST_P(DateOrder, FromTheShortDateOf31December3299) {
    EXPECT_EQ(dateOrderFromShortDate(QString::fromLatin1(GetParam().shortDate)),
              QString::fromLatin1(GetParam().order));
}

INSTANTIATE_TEST_SUITE_P(ShortDates, DateOrder,
                         ::testing::Values(DateOrderCase{"31/12/3299", "DDMMYY"},
                                           DateOrderCase{"31.12.99", "DDMMYY"},
                                           DateOrderCase{"12/31/3299", "MMDDYY"},
                                           DateOrderCase{"3299-12-31", "YYMMDD"},
                                           DateOrderCase{"99/12/31", ""}, DateOrderCase{"", ""}));

TEST(FileDate, DayMonthYearInTheOrderOfTheSystem) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QDate d(2012, 3, 5);
    EXPECT_EQ(filedate(d, "DDMMYY"), QStringLiteral("05Mar2012"));
    EXPECT_EQ(filedate(d, "MMDDYY"), QStringLiteral("Mar052012"));
    EXPECT_EQ(filedate(d, "YYMMDD"), QStringLiteral("2012Mar05"));
    EXPECT_EQ(datedEntryFileName("Lotto", d, "DDMMYY"), QStringLiteral("Lotto05Mar2012.lot"));
}

TEST(DateKey, OrdersDatesAsNumbers) {
    EXPECT_EQ(datekey(2012, 3, 5), 20120305);
    EXPECT_LT(datekey(2011, 12, 31), datekey(2012, 1, 1));
}

TEST(GameFiles, NamesOfAGamesFiles) {
    EXPECT_EQ(slotFileName(3), QStringLiteral("game3.dat"));
    EXPECT_EQ(resultsFileName("Lotto"), QStringLiteral("Lotto.rtl"));
    EXPECT_EQ(standingEntryFileName("Lotto"), QStringLiteral("StandLotto.lot"));
    EXPECT_EQ(adjustFileName("Lotto"), QStringLiteral("Lottoadjusts.dat"));
    EXPECT_EQ(dataFile("/data", "\\wheels\\6-5-4-12.whl"),
              QStringLiteral("/data/wheels/6-5-4-12.whl"));
    EXPECT_EQ(dataFile("/data", "/print.dat"), dataFile("/data", "\\print.dat"));
}

TEST(GameFiles, KindOfEntryFileComesFromTheFileNameAlone) {
    const QString game = QStringLiteral("Lotto");
    EXPECT_EQ(entryFileKind("/home/jean-luc/Standby/Lotto05Mar2012.lot", game),
              EntryFileKind::Dated);
    EXPECT_EQ(entryFileKind("/home/jean-luc/StandLotto.lot", game), EntryFileKind::Standing);
    EXPECT_EQ(entryFileKind("/home/x/Lotto-6-5-4.lot", game), EntryFileKind::Wheel);
    EXPECT_EQ(entryFileKind("C:\\Lotto\\Lotto-4-4-2.lot", game), EntryFileKind::Wheel);
    // A game whose name starts with "Stand" keeps its dated files dated.
    EXPECT_EQ(entryFileKind("/d/Standard05Mar2012.lot", "Standard"), EntryFileKind::Dated);
    EXPECT_EQ(entryFileKind("", game), EntryFileKind::None);
}

struct NumberCase {
    const char* text;
    double value;
    qint16 stored;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TypedNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TypedNumber, LeadingNumberRoundedHalfToEven) {
    const QString text = QString::fromLatin1(GetParam().text);
    EXPECT_DOUBLE_EQ(leadingNumber(text), GetParam().value);
    EXPECT_EQ(textToInteger(text), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedNumber,
    ::testing::Values(NumberCase{"12", 12, 12}, NumberCase{"  7", 7, 7}, NumberCase{"7abc", 7, 7},
                      NumberCase{"abc", 0, 0}, NumberCase{"", 0, 0}, NumberCase{"2.5", 2.5, 2},
                      NumberCase{"3.5", 3.5, 4}, NumberCase{"-1.5", -1.5, -2},
                      NumberCase{".5", 0.5, 0}, NumberCase{"4.", 4, 4}, NumberCase{"+3", 3, 3},
                      NumberCase{"-", 0, 0}, NumberCase{"1 2", 1, 1},
                      NumberCase{"99999", 99999, 32767}, NumberCase{"-99999", -99999, -32768}));
