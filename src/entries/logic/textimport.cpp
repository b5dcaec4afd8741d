#include "entries/logic/textimport.h"

#include <algorithm>

#include "shared/textforms.h"

QStringList textFileLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines << QString::fromLatin1(bytes.constData() + start, i - start);
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines << QString::fromLatin1(bytes.constData() + start, n - start);
    }
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

ParsedImport parseImport(const QByteArray& text, const ImportRules& rules) {
    ParsedImport parsed;
    const QStringList lines = textFileLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const NormalisedLine line = normaliseLine(lines[i], rules.cardgame);
        if (line.isEmpty()) {
            continue;
        }
        ImportEntry entry;
        const ImportCode code = readEntry(line, rules, entry);
        if (code == ImportCode::Ok && parsed.entries.size() >= std::size_t{kMaxRecordCount}) {
            parsed.code = ImportCode::TooMany;
        } else {
            parsed.code = code;
        }
        if (parsed.code != ImportCode::Ok) {
            parsed.failingLine = static_cast<int>(i + 1);
            parsed.entries.clear();
            return parsed;
        }
        parsed.entries.push_back(entry);
    }
    if (parsed.entries.empty()) {
        parsed.code = ImportCode::NoEntries;
    }
    return parsed;
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
