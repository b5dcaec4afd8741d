#pragma once
// One entry against one draw: how many main numbers it matched, whether the extra ball counts
// as matched, and the first winning level the game counts. Every check of the program uses it,
// each with its own level texts.
#include <array>

#include <QtGlobal>

using MainNumbers = std::array<qint16, 7>;   // 0 = unused position
using PrizeLevels = std::array<qint16, 16>;  // element k (1..15) is 1 when level k counts

inline constexpr int kLevelCount = 15;

enum class ExtraRule {
    None,      // no extra ball is looked at
    OwnPool,   // the entry's extra number against the drawn extra
    MainPool,  // the drawn extra, drawn from the main pool, among the entry's main numbers
};

struct EntryCheck {
    int matches = 0;
    bool extraHit = false;
    int level = 0;  // 1..15, 0 = wins nothing
};

// Entry numbers in positions 1..`balls` found among the draw's numbers in positions 1..`balls`.
int countMatches(const MainNumbers& entry, const MainNumbers& draw, int balls);
bool extraHit(const MainNumbers& entry, qint16 entryExtra, qint16 drawExtra, int balls,
              ExtraRule rule);
// Whether level k's condition holds for these matches and extra hit.
bool levelHolds(int level, int matches, bool hit);
// The first level, in the order 1..15, that counts and whose condition holds; 0 for none.
int firstLevel(int matches, bool hit, const PrizeLevels& prizelevels);
// True when at least one level counts.
bool anyLevelCounts(const PrizeLevels& prizelevels);

EntryCheck checkEntry(const MainNumbers& entry, qint16 entryExtra, const MainNumbers& draw,
                      qint16 drawExtra, int balls, ExtraRule rule, const PrizeLevels& prizelevels);
