#pragma once
// Entries from a text file the player wrote or exported: one entry per line, numbers separated by
// anything that is not a digit. The whole file is checked before anything is written.
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include "shared/drawrecord.h"

// A text file's lines; a line ends at LF, CRLF or CR. Bytes are single-byte text, so any byte
// sequence reads (only digits and card letters matter).
QStringList textFileLines(const QByteArray& bytes);

enum class TextReadEnd {
    End,         // every line was taken
    Stopped,     // the taker stopped: nothing much past that line was read
    Unreadable,  // the device failed
    TooLong,     // the text goes past the bytes allowed (no line past them is handed on)
};
// Hands the device's lines in turn to `take` (without their line ends) until it returns false
// or the text ends, reading a block at a time.
TextReadEnd forEachTextLine(QIODevice& in, qint64 maxBytes,
                            const std::function<bool(QByteArrayView)>& take);

// Whether a line counts as an entry line (it holds something to read as an entry).
bool holdsEntry(QByteArrayView line, bool cardgame);

// The raw lines of an entry text file up to the first entry line past what an entry file can
// hold; a file of a million lines is neither read nor listed beyond it. Nullopt when the device
// fails or the text is longer than `maxBytes`.
struct EntryText {
    QList<QByteArray> lines;
    bool pastLimit = false;  // stopped at an entry line an entry file cannot hold
};
std::optional<EntryText> readEntryText(QIODevice& in, bool cardgame, qint64 maxBytes);

// A line made into tokens: each run of one or two digits becomes a two-digit number token, and
// for the card game a card code ("AS" .. "JC", any letter case) standing alone becomes a card
// token; every other character only separates. A run of three or more digits cannot be read as
// a number of the game, so it makes the line malformed.
struct NormalisedLine {
    QStringList tokens;
    bool malformed = false;
    bool isEmpty() const { return tokens.isEmpty() && !malformed; }
};
NormalisedLine normaliseLine(QStringView line, bool cardgame);
// The normalised line as text: its tokens joined by one blank.
QString formatline(QStringView line, bool cardgame = false);

struct ImportRules {
    int mainperentry = 0;
    int bonusperentry = 0;
    int mainpool = 0;
    int bonuspool = 0;  // 0: an extra per entry is drawn from the main pool
    bool cardgame = false;
};

enum class ImportCode {
    Ok = 0,
    NoFile = 1,
    OutOfRange = 2,  // also a line not in the format
    Same = 3,
    DateHasEntries = 4,
    NotValid = 5,
    NoEntries = 6,         // no line holds a number
    TooMany = 7,           // more entries than an entry file can hold
    TargetUnreadable = 8,  // the picked date's entry file exists but cannot be read
    TargetOutside = 9,     // the game's name would put the entry file outside the data folder
};
QString importMessage(ImportCode code);

struct ImportEntry {
    std::array<qint16, 7> balls{};  // the main numbers ascending, unused positions 0
    qint16 extra = 0;
};

struct ParsedImport {
    ImportCode code = ImportCode::Ok;
    int failingLine = 0;  // the first line (from 1) that decided a refusal
    std::vector<ImportEntry> entries;
};

// Every line of the text checked in order; the first failing line decides, and no line after it
// is read: an entry past what an entry file can hold is refused as soon as it is read. On Ok the
// entries are ready to write. A device that fails, or a text longer than `maxBytes`, makes
// the file not valid.
ParsedImport parseImport(QIODevice& in, const ImportRules& rules, qint64 maxBytes);
ParsedImport parseImport(const QByteArray& text, const ImportRules& rules);

// The dated entry file of the imported entries: every record dated `date`, record 1 counting
// them.
DrawImage importImage(const std::vector<ImportEntry>& entries, const QDate& date);
