#pragma once
// Adding entries to a Pick entry file: one typed number, or random numbers different from each
// other and from those in the file up to a wanted total. The count written is always the number
// of records the file then holds in use.
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

// Entries a file of the game may hold: 1000 (Pick 3) or 10000 (Pick 4), every number once.
inline int pickEntryLimit(int game) {
    return game == 4 ? 10000 : 1000;
}

// The digits of a number 0..999 (Pick 3) or 0..9999 (Pick 4), zero-padded, leftmost first;
// digit4 stays 0 in Pick 3.
PickDigits converteto34numbers(int number, int game);
// The number the digits of an entry spell; -1 when a digit is outside 0..9.
int pickNumberOf(const PickDigits& digits, int game);

// Which numbers of the game an entry file already uses, and the random choice of a free one.
class PickNumberTable {
public:
    explicit PickNumberTable(int game);

    // Marks the numbers of the counted entries; a record with a digit outside 0..9 names none.
    void markEntries(const PickImage& entries);
    void mark(int number);
    bool used(int number) const;

    // The first free number at or after the random start int(u * size), wrapping once past the
    // top; it is marked. 0, with nothing marked, when every number is used.
    int getrandomentry(const std::function<double()>& random);

private:
    std::vector<bool> used_;
    int game_;
};

// What an add did: a message to show (a refusal or a failure, after which nothing was written),
// the list lines of the added entries, and the file's count.
struct PickAddResult {
    QString message;
    QStringList lines;
    int count = 0;
};

// Manual Add: the typed number appended to the file, unless the file is full or the text is no
// number of the game. The new record takes record 1's other fields and the new count.
PickAddResult addManualEntry(const QString& path, const QString& typed, int game);
// Suggested Picks: new random numbers up to `wanted` entries; they take the other fields of the
// last counted record and no bet type.
PickAddResult addSuggestedEntries(const QString& path, double wanted, int game,
                                  const std::function<double()>& random);

// The count of the file as a reader walks it (0 for a file that cannot be read).
int pickEntryCount(const QString& path);
