#pragma once
// The test of an entry typed into number boxes, shared by the window that edits an entry and
// the window that adds one: both refuse with the same three codes and messages.
#include <span>

#include <QString>

#include "shared/entrycheck.h"

struct Module1;

// What of the game the test needs.
struct EntryRules {
    int mainperentry = 0;   // boxes 0..m-1 hold the main numbers
    int bonusperentry = 0;  // 1: box m holds the extra
    int mainpool = 0;
    int bonuspool = 0;      // 0: the extra is drawn from the main pool
    bool cardgame = false;  // the extra is a playing card ("AS" .. "JC")
};
EntryRules entryRules(const Module1& game);

// The two windows differ in how they test the extra: editing tests it on its own, against its
// pool (the main pool when it has none) and as a number; adding tests an extra drawn from the
// main pool among the main numbers, and an extra with a pool of its own only for its range.
enum class EntryWindow { Edit, Add };

enum class EntryFault { None = 0, Same = 1, NotANumber = 2, OutOfRange = 3 };

// The fault that decides, or None. The tests run pair by pair in a fixed order and each failing
// test replaces the code of the one before it: the last failing test decides, not the first,
// so 12 12 0 is "not a number" while 0 12 12 is "the same".
EntryFault entryFault(std::span<const QString> boxes, const EntryRules& rules, EntryWindow window);
QString entryFaultMessage(EntryFault fault);

// The numbers of an entry that passed the test: the main numbers ascending, unused positions 0,
// and the extra (a card number for the card game), 0 without one.
struct TypedEntry {
    MainNumbers mains{};
    qint16 extra = 0;
};
TypedEntry typedEntry(std::span<const QString> boxes, const EntryRules& rules);
