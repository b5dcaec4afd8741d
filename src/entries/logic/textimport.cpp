#include "entries/logic/textimport.h"

#include <algorithm>

#include <QBuffer>

#include "shared/textforms.h"

TextReadEnd forEachTextLine(QIODevice& in, qint64 maxBytes,
                            const std::function<bool(QByteArrayView)>& take) {
    constexpr qint64 kBlock = 64 * 1024;
    QByteArray block(kBlock, Qt::Uninitialized);
    QByteArray pending;    // the start of a line whose end is not read yet
    qint64 offset = 0;     // of the block in the text
    bool afterCr = false;  // an LF right after a CR ends no second line
    for (;;) {
        // One byte past the limit is read, to know that the text goes past it.
        const qint64 got = in.read(block.data(), std::min(kBlock, maxBytes + 1 - offset));
        if (got < 0) {
            return TextReadEnd::Unreadable;
        }
        if (got == 0) {
            break;
        }
        // The lines that end within the limit are handed on in their turn; the first byte past
        // it, a line end too, refuses the text.
        const qint64 within = std::min(got, maxBytes - offset);
        qint64 start = 0;
        for (qint64 i = 0; i < within; ++i) {
            const char c = block[i];
            if (afterCr) {
                afterCr = false;
                if (c == '\n') {
                    start = i + 1;
                    continue;
                }
            }
            if (c != '\r' && c != '\n') {
                continue;
            }
            const QByteArrayView inBlock(block.constData() + start, i - start);
            bool more = false;
            if (pending.isEmpty()) {
                more = take(inBlock);
            } else {
                // The line began in an earlier block.
                pending.append(inBlock);
                more = take(pending);
                pending.clear();
            }
            if (!more) {
                return TextReadEnd::Stopped;
            }
            afterCr = c == '\r';
            start = i + 1;
        }
        if (got > within) {
            return TextReadEnd::TooLong;
        }
        pending.append(block.constData() + start, got - start);
        offset += got;
    }
    if (!pending.isEmpty() && !take(pending)) {
        return TextReadEnd::Stopped;
    }
    return TextReadEnd::End;
}

namespace {

TextReadEnd forEachLineOf(const QByteArray& bytes,
                          const std::function<bool(QByteArrayView)>& take) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return forEachTextLine(buffer, bytes.size(), take);
}

}  // namespace

QStringList textFileLines(const QByteArray& bytes) {
    QStringList lines;
    forEachLineOf(bytes, [&](QByteArrayView line) {
        lines << QString::fromLatin1(line);
        return true;
    });
    return lines;
}

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace

NormalisedLine normaliseLine(QStringView line, bool cardgame) {
    NormalisedLine out;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        if (isAsciiDigit(line[i])) {
            while (i < n && isAsciiDigit(line[i])) {
                ++i;
            }
            const qsizetype length = i - start;
            if (length > 2) {
                out.malformed = true;
            } else {
                out.tokens << (length == 1 ? QStringLiteral("0") + line[start]
                                           : line.mid(start, 2).toString());
            }
        } else if (cardgame && isAsciiLetter(line[i])) {
            while (i < n && isAsciiLetter(line[i])) {
                ++i;
            }
            QString word = line.mid(start, i - start).toString();
            if (word.size() == 2 && cardnumber(word) != -1) {
                out.tokens << word;  // upper-cased by cardnumber
            }
        } else {
            ++i;
        }
    }
    return out;
}

QString formatline(QStringView line, bool cardgame) {
    return normaliseLine(line, cardgame).tokens.join(u' ');
}

QString importMessage(ImportCode code) {
    switch (code) {
        case ImportCode::NoFile:
            return QStringLiteral("You have not selected a file");
        case ImportCode::OutOfRange:
            return QStringLiteral(
                "One or more of your numbers are out of range - or your file is not in the "
                "correct format");
        case ImportCode::Same:
            return QStringLiteral("One or more of the balls are the same!");
        case ImportCode::DateHasEntries:
            return QStringLiteral(
                "You already have a date entry for this date, please choose another date");
        case ImportCode::NotValid:
            return QStringLiteral("Your txt file is not valid");
        case ImportCode::NoEntries:
            return QStringLiteral("No entries were found in this file. Nothing was imported.");
        case ImportCode::TooMany:
            return QStringLiteral(
                       "This file holds more than %1 entries, more than an entry file can hold. "
                       "Nothing was imported.")
                .arg(kMaxRecordCount);
        case ImportCode::TargetUnreadable:
            return QStringLiteral(
                "The entry file of this date cannot be read. Nothing was imported.");
        case ImportCode::TargetOutside:
            return QStringLiteral(
                "The entry file of this game would lie outside the program's folder. Nothing was "
                "imported.");
        case ImportCode::Ok:
            break;
    }
    return {};
}

namespace {

// A number token's value; a card token is no number (0, out of every range).
int numberOf(const QStringList& tokens, int i) {
    if (i >= tokens.size() || !isAsciiDigit(tokens[i][0])) {
        return 0;
    }
    return tokens[i].toInt();
}

// The line's entry, or the code that refuses it.
ImportCode readEntry(const NormalisedLine& line, const ImportRules& rules, ImportEntry& entry) {
    if (line.malformed) {
        return ImportCode::OutOfRange;
    }
    const int m = std::clamp(rules.mainperentry, 0, 7);
    for (int i = 0; i < m; ++i) {
        const int v = numberOf(line.tokens, i);
        if (v < 1 || v > rules.mainpool) {
            return ImportCode::OutOfRange;
        }
        entry.balls[static_cast<std::size_t>(i)] = static_cast<qint16>(v);
    }
    const bool withExtra = rules.bonusperentry == 1 && m < 7;
    bool extraAmongMains = false;
    if (withExtra) {
        int v = 0;
        if (rules.cardgame) {
            QString card = m < line.tokens.size() ? line.tokens[m] : QString();
            v = cardnumber(card);
        } else {
            v = numberOf(line.tokens, m);
        }
        // An extra drawn from the main pool is tested as the adding window tests it: against
        // the main pool, and it may not repeat a main number.
        const int pool = rules.bonuspool > 0 ? rules.bonuspool : rules.mainpool;
        if (v < 1 || v > pool) {
            return ImportCode::OutOfRange;
        }
        entry.extra = static_cast<qint16>(v);
        extraAmongMains =
            rules.bonuspool == 0 &&
            std::find(entry.balls.begin(), entry.balls.begin() + m, v) != entry.balls.begin() + m;
    }
    std::sort(entry.balls.begin(), entry.balls.begin() + m);
    if (std::adjacent_find(entry.balls.begin(), entry.balls.begin() + m) !=
            entry.balls.begin() + m ||
        extraAmongMains) {
        return ImportCode::Same;
    }
    return ImportCode::Ok;
}

}  // namespace

ParsedImport parseImport(QIODevice& in, const ImportRules& rules, qint64 maxBytes) {
    ParsedImport parsed;
    int number = 0;
    const TextReadEnd end = forEachTextLine(in, maxBytes, [&](QByteArrayView raw) {
        ++number;
        const NormalisedLine line = normaliseLine(QString::fromLatin1(raw), rules.cardgame);
        if (line.isEmpty()) {
            return true;
        }
        ImportEntry entry;
        const ImportCode code = readEntry(line, rules, entry);
        if (code == ImportCode::Ok && parsed.entries.size() >= std::size_t{kMaxRecordCount}) {
            parsed.code = ImportCode::TooMany;
        } else {
            parsed.code = code;
        }
        if (parsed.code != ImportCode::Ok) {
            parsed.failingLine = number;
            return false;
        }
        parsed.entries.push_back(entry);
        return true;
    });
    if (end == TextReadEnd::Unreadable || end == TextReadEnd::TooLong) {
        parsed.code = ImportCode::NotValid;
        parsed.failingLine = 0;
    }
    if (parsed.code != ImportCode::Ok) {
        parsed.entries.clear();
    } else if (parsed.entries.empty()) {
        parsed.code = ImportCode::NoEntries;
    }
    return parsed;
}

ParsedImport parseImport(const QByteArray& text, const ImportRules& rules) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return parseImport(buffer, rules, text.size());
}

bool holdsEntry(QByteArrayView line, bool cardgame) {
    if (cardgame) {
        return !normaliseLine(QString::fromLatin1(line), true).isEmpty();
    }
    // Every run of digits makes a token, or makes the line malformed: either way an entry line.
    return std::any_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<EntryText> readEntryText(QIODevice& in, bool cardgame, qint64 maxBytes) {
    EntryText text;
    int entries = 0;
    const TextReadEnd end = forEachTextLine(in, maxBytes, [&](QByteArrayView line) {
        if (holdsEntry(line, cardgame) && ++entries > kMaxRecordCount) {
            text.pastLimit = true;
            return false;
        }
        text.lines.append(line.toByteArray());
        return true;
    });
    if (end == TextReadEnd::Unreadable || end == TextReadEnd::TooLong) {
        return std::nullopt;
    }
    return text;
}

DrawImage importImage(const std::vector<ImportEntry>& entries, const QDate& date) {
    DrawImage image;
    int r = 0;
    for (const ImportEntry& e : entries) {
        DrawRecord record;
        record.day = static_cast<qint16>(date.day());
        record.month = static_cast<qint16>(date.month());
        record.year = static_cast<qint16>(date.year());
        record.balls = e.balls;
        record.extra = e.extra;
        image.write(++r, record);
    }
    if (r > 0) {
        DrawRecord first = image.read(1);
        first.count = r;
        image.write(1, first);
    }
    return image;
}
