#pragma once
// The part of the current game that adding and checking entries need, handed to the plain
// functions as a value.
#include <QString>

#include "shared/entrycheck.h"

struct Module1;

namespace entries {

struct EntryGame {
    QString gamename;
    QString extraballid;
    QString dateorder;
    int ballsdrawn = 0;
    int mainperentry = 0;
    int mainpool = 0;
    int bonusdrawn = 0;
    int bonuspool = 0;  // > 0: the extra ball has a pool of its own
    int bonusperentry = 0;
    PrizeLevels prizelevels{};

    static EntryGame from(const Module1& m);

    bool extraOwnPool() const { return bonusperentry == 1 && bonuspool > 0; }
    // An entry whose extra is a number of the main pool, different from its main numbers.
    bool extraFromMainPool() const { return bonusperentry == 1 && bonuspool == 0; }
};

// One entry as it is stored: main numbers in positions 1..7 (0 = unused), the extra (0 = none).
struct Entry {
    MainNumbers balls{};
    qint16 extra = 0;
    bool operator==(const Entry&) const = default;
};

}  // namespace entries
