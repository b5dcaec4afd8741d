#pragma once
// The optimiser's tables and entries: how often each pair of main numbers was drawn together
// over a range of draws, and entries that follow, from a starting number, the partner drawn most
// often with the number taken last.
#include <array>
#include <optional>
#include <vector>

#include "shared/drawrecord.h"

namespace optimiser {

inline constexpr int kTopBall = 65;

// What of the game the counting and the entries depend on.
struct Game {
    int mainpool = 0;
    int mainperentry = 0;
    bool withExtra = false;  // entries hold an extra number (bonusperentry 1)
    int extrapool = 0;       // the pool the extra is drawn from: its own, or the main pool
    bool operator==(const Game&) const = default;
};

class PairCounts {
public:
    // Draws of the range in which main numbers a and b were both drawn (a != b).
    qint32 link(int a, int b) const { return links_[idx(a)][idx(b)]; }
    // Draws of the range in which main number a was drawn with extra e.
    qint32 extraLink(int a, int e) const { return extraLinks_[idx(a)][idx(e)]; }
    // The extra for entries that start with a: the one most often drawn with a; when a was
    // never drawn with a counted extra, the one most often drawn in the range; the lowest on a
    // tie. 0 only for a game without an extra.
    int bestExtra(int a) const { return bestExtra_[idx(a)]; }

private:
    friend std::optional<PairCounts> countPairs(const DrawImage&, int, int, const Game&);
    static std::size_t idx(int v) { return static_cast<std::size_t>(v); }

    using Table = std::array<std::array<qint32, kTopBall + 1>, kTopBall + 1>;
    Table links_{};
    Table extraLinks_{};
    std::array<int, kTopBall + 1> bestExtra_{};
};

// Counts records first..last (from 1), looking at the first mainperentry positions of each.
// Nullopt when a number looked at lies outside 0..65: the file does not fit any game.
std::optional<PairCounts> countPairs(const DrawImage& history, int first, int last,
                                     const Game& game);

// The partner of `row` with the largest positive count, the numbers of `exclude` (0 excludes
// nothing) left out; the lowest number on a tie; 0 when there is none.
int getBestFor(const PairCounts& counts, int mainpool, int row, const std::array<int, 6>& exclude);

struct Entry {
    std::array<qint16, 7> balls{};  // ascending, unused positions 0
    qint16 extra = 0;
    bool operator==(const Entry&) const = default;
};

// One entry per starting number 1..mainpool, in that order: each next number is the best
// partner of the one taken last; a start whose chain breaks gives none, and an entry equal to
// one already made is left out.
std::vector<Entry> chainEntries(const PairCounts& counts, const Game& game);

// The records a range of the last n draws of a history of `drawCount` draws starts at: the
// count less n - 1 rounded to whole (halves to even). Nullopt when n < 1 or n > drawCount.
std::optional<int> firstOfLast(int drawCount, double n);

}  // namespace optimiser
