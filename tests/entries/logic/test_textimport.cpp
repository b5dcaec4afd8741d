// Text import: line ends, the line normaliser, the checks with the first failing line, the
// records written, and random input that must never crash or pass as entries by accident.
#include <random>
#include <utility>

#include <gtest/gtest.h>

#include <QBuffer>

#include "entries/logic/textimport.h"
#include "support/bytes.h"

namespace {

const ImportRules kSixWithOwnExtra{6, 1, 49, 10, false};
const ImportRules kSixPlain{6, 0, 49, 0, false};
const ImportRules kFiveExtraFromMain{5, 1, 39, 0, false};
const ImportRules kCardGame{5, 1, 40, 16, true};

}  // namespace

TEST(TextLines, EndAtLfCrlfAndCr) {
    const QStringList expected{"1 2", "3 4", "5 6"};
    EXPECT_EQ(textFileLines("1 2\n3 4\n5 6\n"), expected);
    EXPECT_EQ(textFileLines("1 2\r\n3 4\r\n5 6"), expected);
    EXPECT_EQ(textFileLines("1 2\r3 4\r5 6\r"), expected);
    EXPECT_EQ(textFileLines("1 2\r\n3 4\n5 6\r"), expected);
    EXPECT_EQ(textFileLines("a\n\nb"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(textFileLines("").isEmpty());
}

namespace {

struct Normalised {
    const char* label;
    const char* line;
    bool cardgame;
    const char* expected;
    bool malformed;
};

void PrintTo(const Normalised& n, std::ostream* os) {
    *os << n.label;
}

}  // namespace

class Normaliser : public ::testing::TestWithParam<Normalised> {};

TEST_P(Normaliser, MakesTwoDigitTokens) {
    const Normalised& n = GetParam();
    const NormalisedLine line = normaliseLine(QString::fromLatin1(n.line), n.cardgame);
    EXPECT_EQ(line.tokens.join(u' ').toStdString(), n.expected);
    EXPECT_EQ(line.malformed, n.malformed);
    EXPECT_EQ(formatline(QString::fromLatin1(n.line), n.cardgame).toStdString(), n.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Normaliser,
    ::testing::Values(Normalised{"commas", "3,11,25,40,47,49", false, "03 11 25 40 47 49", false},
                      Normalised{"semicolons_and_blanks", " 12;7;33 ; 2;41;19 ", false,
                                 "12 07 33 02 41 19", false},
                      Normalised{"letters_separate", "01 05 12 23 34 45 PB 07", false,
                                 "01 05 12 23 34 45 07", false},
                      Normalised{"no_digits", "Lotto entries:", false, "", false},
                      Normalised{"three_digits_malformed", "1 123 4", false, "01 04", true},
                      Normalised{"leading_zero_run_malformed", "007 8 9", false, "08 09", true},
                      Normalised{"tabs_and_control",
                                 "4\t5\x1a"
                                 "26",
                                 false, "04 05 26", false},
                      Normalised{"card_code", "1 2 3 4 5 WC qh", true, "01 02 03 04 05 QH", false},
                      Normalised{"card_word_is_no_card", "1 2 3 4 5 ASH", true, "01 02 03 04 05",
                                 false},
                      Normalised{"cards_ignored_in_other_games", "1 2 QH", false, "01 02", false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Normaliser, NulInsideALineOnlySeparates) {
    const QString line = QStringLiteral("4") + QChar(u'\0') + QStringLiteral("5");
    EXPECT_EQ(formatline(line), QStringLiteral("04 05"));
}

namespace {

struct Parse {
    const char* label;
    const char* text;
    ImportRules rules;
    ImportCode code;
    int failingLine;
    int entries;
};

void PrintTo(const Parse& p, std::ostream* os) {
    *os << p.label;
}

}  // namespace

class Parses : public ::testing::TestWithParam<Parse> {};

TEST_P(Parses, FirstFailingLineDecides) {
    const Parse& p = GetParam();
    const ParsedImport parsed = parseImport(QByteArray(p.text), p.rules);
    EXPECT_EQ(parsed.code, p.code);
    EXPECT_EQ(parsed.failingLine, p.failingLine);
    EXPECT_EQ(static_cast<int>(parsed.entries.size()), p.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Parses,
    ::testing::Values(
        Parse{"lf_file_reads_every_line", "1 5 12 23 34 45 7\n2 6 13 24 35 46 8\n",
              kSixWithOwnExtra, ImportCode::Ok, 0, 2},
        Parse{"crlf_file", "1 5 12 23 34 45 7\r\n2 6 13 24 35 46 8\r\n", kSixWithOwnExtra,
              ImportCode::Ok, 0, 2},
        Parse{"cr_file", "1 5 12 23 34 45 7\r2 6 13 24 35 46 8\r", kSixWithOwnExtra, ImportCode::Ok,
              0, 2},
        Parse{"blank_and_text_lines_skipped", "My numbers\n\n1,2,3,4,5,6\n--\n", kSixPlain,
              ImportCode::Ok, 0, 1},
        Parse{"main_out_of_range", "1 2 3 4 5 6 1\n1 2 3 4 5 50 1\n1 1 1 1 1 1 1\n",
              kSixWithOwnExtra, ImportCode::OutOfRange, 2, 0},
        Parse{"zero_is_out_of_range", "0 2 3 4 5 6\n", kSixPlain, ImportCode::OutOfRange, 1, 0},
        Parse{"too_few_numbers", "1 2 3 4 5\n", kSixPlain, ImportCode::OutOfRange, 1, 0},
        Parse{"extra_out_of_its_pool", "1 2 3 4 5 6 11\n", kSixWithOwnExtra, ImportCode::OutOfRange,
              1, 0},
        Parse{"extra_missing", "1 2 3 4 5 6\n", kSixWithOwnExtra, ImportCode::OutOfRange, 1, 0},
        Parse{"same_balls_05_and_5", "05 5 12 23 34 45 7\n", kSixWithOwnExtra, ImportCode::Same, 1,
              0},
        Parse{"range_before_same_in_a_line", "5 5 12 23 34 99\n", kSixPlain, ImportCode::OutOfRange,
              1, 0},
        Parse{"long_run_is_a_format_error", "1 2 3\n1 2 3 4 5 6 123\n", kSixPlain,
              ImportCode::OutOfRange, 1, 0},
        Parse{"long_run_later_line", "1 2 3 4 5 6\n1 2 3 4 5 006\n", kSixPlain,
              ImportCode::OutOfRange, 2, 0},
        Parse{"extra_from_main_pool_accepted", "1 2 3 4 5 39\n", kFiveExtraFromMain, ImportCode::Ok,
              0, 1},
        Parse{"extra_from_main_pool_range", "1 2 3 4 5 40\n", kFiveExtraFromMain,
              ImportCode::OutOfRange, 1, 0},
        Parse{"extra_from_main_pool_repeats_a_main", "1 2 3 4 5 3\n", kFiveExtraFromMain,
              ImportCode::Same, 1, 0},
        Parse{"card_code_extra", "1 2 3 4 5 WC AS\n6 7 8 9 10 jc\n", kCardGame, ImportCode::Ok, 0,
              2},
        Parse{"card_number_is_no_card", "1 2 3 4 5 7\n", kCardGame, ImportCode::OutOfRange, 1, 0},
        Parse{"no_digits_no_entries", "nothing here\r\n\r\n", kSixPlain, ImportCode::NoEntries, 0,
              0},
        Parse{"empty_file", "", kSixPlain, ImportCode::NoEntries, 0, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ParseImport, SortsMainNumbersAndKeepsTheExtra) {
    const ParsedImport parsed = parseImport("12;7;33;2;41;19 PB 3\n", kSixWithOwnExtra);
    ASSERT_EQ(parsed.code, ImportCode::Ok);
    ASSERT_EQ(parsed.entries.size(), 1u);
    EXPECT_EQ(parsed.entries[0].balls, (std::array<qint16, 7>{2, 7, 12, 19, 33, 41, 0}));
    EXPECT_EQ(parsed.entries[0].extra, 3);
    const ParsedImport card = parseImport("5 4 3 2 1 WC qh\n", kCardGame);
    ASSERT_EQ(card.entries.size(), 1u);
    EXPECT_EQ(card.entries[0].extra, 7);
}

TEST(ParseImport, MoreEntriesThanAFileHoldsAreRefusedWhole) {
    QByteArray text;
    for (int i = 0; i < 32767; ++i) {
        text += "1 2 3 4 5 6\n";
    }
    EXPECT_EQ(parseImport(text, kSixPlain).code, ImportCode::Ok);
    text += "\n\n";  // empty lines are no entries
    EXPECT_EQ(parseImport(text, kSixPlain).code, ImportCode::Ok);
    text += "1 2 3 4 5 6\n";
    const ParsedImport parsed = parseImport(text, kSixPlain);
    EXPECT_EQ(parsed.code, ImportCode::TooMany);
    EXPECT_EQ(parsed.failingLine, 32770);
    EXPECT_TRUE(parsed.entries.empty());
}

TEST(ParseImport, ReadingStopsAtTheFirstEntryPastTheLimit) {
    // entries, then what follows them: the limit exactly and one past it, with lines that hold
    // no entry around them, and a line past them that would be refused for its numbers.
    struct Case {
        int entries;
        const char* tail;
        ImportCode code;
        int failingLine;  // among 2 * entries + 1 lines: a heading, then entry and blank pairs
        bool shownPastLimit;
    };
    const Case cases[] = {
        {32767, "", ImportCode::Ok, 0, false},
        {32767, "no numbers here\n", ImportCode::Ok, 0, false},
        {32768, "", ImportCode::TooMany, 2 * 32768, true},
        {32768, "99 99 99\n", ImportCode::TooMany, 2 * 32768, true},
        {32767, "99 99 99\n", ImportCode::OutOfRange, 2 * 32767 + 2, true},
    };
    for (const Case& c : cases) {
        QByteArray text = "My entries\n";
        for (int i = 0; i < c.entries; ++i) {
            text += "1 2 3 4 5 6\n\n";
        }
        text += c.tail;
        // Far more after them: none of it may be read once the file is decided.
        const qsizetype decided = text.size();
        if (c.code != ImportCode::Ok) {
            text += QByteArray(4 * 1024 * 1024, 'x') + "\n1 2 3\n";
        }
        QBuffer in;
        in.setData(text);
        in.open(QIODevice::ReadOnly);
        const ParsedImport parsed = parseImport(in, kSixPlain, text.size());
        EXPECT_EQ(parsed.code, c.code) << c.entries << " " << c.tail;
        EXPECT_EQ(parsed.failingLine, c.failingLine) << c.entries << " " << c.tail;
        EXPECT_EQ(parsed.entries.size(), c.code == ImportCode::Ok ? std::size_t(c.entries) : 0u);
        EXPECT_LT(in.pos(), decided + 64 * 1024) << c.entries << " " << c.tail;

        in.seek(0);
        const std::optional<EntryText> shown = readEntryText(in, false, text.size());
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->pastLimit, c.shownPastLimit);
        // Up to the last entry an entry file can hold and the blank after it.
        const qsizetype lines = c.shownPastLimit ? 2 * 32767 + 1 : textFileLines(text).size();
        EXPECT_EQ(shown->lines.size(), lines) << c.entries << " " << c.tail;
    }
}

TEST(ParseImport, ALineEndingPastTheBytesAllowedMakesTheFileNotValid) {
    QByteArray text = "1 2 3 4 5 6\n" + QByteArray(100, ' ') + "\n1 2 3 4 5 6\n";
    for (const auto& [allowed, code] : {std::pair{text.size(), ImportCode::Ok},
                                        std::pair{text.size() - 14, ImportCode::NotValid}}) {
        QBuffer in;
        in.setData(text);
        in.open(QIODevice::ReadOnly);
        EXPECT_EQ(parseImport(in, kSixPlain, allowed).code, code) << allowed;
        in.seek(0);
        EXPECT_EQ(readEntryText(in, false, allowed).has_value(), code == ImportCode::Ok);
    }
}

TEST(ParseImport, TheTextMayHoldTheBytesAllowedAndNotOneMore) {
    // Two entries padded with blanks to the allowed size and one or two bytes past it, ending
    // in no line end, LF or CRLF: a line end past the limit is a byte past it too.
    constexpr qint64 kAllowed = 100;
    for (const char* end : {"", "\n", "\r\n"}) {
        for (qint64 over : {0, 1, 2}) {
            const QByteArray tail(end);
            const QByteArray head = "1 2 3 4 5 6\n7 8 9 10 11 12";
            const QByteArray text =
                head + QByteArray(kAllowed + over - head.size() - tail.size(), ' ') + tail;
            ASSERT_EQ(text.size(), kAllowed + over);
            const bool fits = over == 0;
            QBuffer in;
            in.setData(text);
            in.open(QIODevice::ReadOnly);
            const ParsedImport parsed = parseImport(in, kSixPlain, kAllowed);
            EXPECT_EQ(parsed.code, fits ? ImportCode::Ok : ImportCode::NotValid)
                << over << " over, end " << tail.toHex().constData();
            EXPECT_EQ(parsed.entries.size(), fits ? 2u : 0u);
            in.seek(0);
            EXPECT_EQ(readEntryText(in, false, kAllowed).has_value(), fits)
                << over << " over, end " << tail.toHex().constData();
        }
    }
}

TEST(TextLines, LinesAndLineEndsSplitBetweenTwoBlocks) {
    // The reader takes 64 KiB at a time: a CR at the end of one block and its LF at the start of
    // the next; a line begun in one block and ended in the next.
    const QByteArray crAtEnd(64 * 1024 - 1, 'a');
    const QStringList lines = textFileLines(crAtEnd + "\r\nb\r\rc");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].size(), crAtEnd.size());
    EXPECT_EQ(lines.mid(1), (QStringList{"b", "", "c"}));
    const QByteArray before(64 * 1024 - 4, 'a');
    EXPECT_EQ(textFileLines(before + "\nbcdefg\r\nh").mid(1), (QStringList{"bcdefg", "h"}));
}

TEST(ImportImage, DatedRecordsWithTheCountInRecordOne) {
    const ParsedImport parsed =
        parseImport("1 5 12 23 34 45 7\r\n2,6,13,24,35,46,8\r\n", kSixWithOwnExtra);
    EXPECT_EQ(importImage(parsed.entries, QDate(2012, 3, 5)).bytes(),
              fixture::draw(2, 0, 5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7) +
                  fixture::draw(0, 0, 5, 3, 2012, {2, 6, 13, 24, 35, 46}, 8));
    EXPECT_TRUE(importImage({}, QDate(2012, 3, 5)).bytes().isEmpty());
}

TEST(ImportFuzz, RandomBytesNeverCrashAndOnlyValidEntriesPass) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 4000);
    const char alphabet[] = "0123456789 ,;\r\n\t\0ASQHJCKD\xff\xc3\xa9";
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 2);
    for (int round = 0; round < 300; ++round) {
        QByteArray text;
        const int n = round == 0 ? 200000 : length(random);  // one very long line
        text.reserve(n);
        for (int i = 0; i < n; ++i) {
            text += round % 2 == 0 ? static_cast<char>(byte(random)) : alphabet[pick(random)];
        }
        for (const ImportRules& rules : {kSixWithOwnExtra, kFiveExtraFromMain, kCardGame}) {
            const ParsedImport parsed = parseImport(text, rules);
            if (parsed.code != ImportCode::Ok) {
                EXPECT_TRUE(parsed.entries.empty());
                continue;
            }
            for (const ImportEntry& e : parsed.entries) {
                for (int i = 0; i < rules.mainperentry; ++i) {
                    EXPECT_GE(e.balls[static_cast<std::size_t>(i)], 1);
                    EXPECT_LE(e.balls[static_cast<std::size_t>(i)], rules.mainpool);
                    if (i > 0) {
                        EXPECT_LT(e.balls[static_cast<std::size_t>(i - 1)],
                                  e.balls[static_cast<std::size_t>(i)]);
                    }
                }
                EXPECT_GE(e.extra, 1);
            }
        }
        for (const QString& line : textFileLines(text)) {
            const QString normal = formatline(line, true);
            EXPECT_TRUE(normal.isEmpty() || normal.size() % 3 == 2) << normal.toStdString();
        }
    }
}
