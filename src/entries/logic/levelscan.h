#pragma once
// The inner loop of the history check: which entries reach a level against one draw. The
// entries are listed by number (and by extra), so a draw's matches are counted by walking the
// lists of its few numbers instead of comparing it with every entry.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include <QtGlobal>

#include "entries/logic/numbermask.h"
#include "shared/entrycheck.h"

namespace entries {

// Level by [extra hit * 8 + matches], as the shared classifier decides it for the game.
using LevelTable = std::array<unsigned char, 16>;
LevelTable levelTable(const PrizeLevels& prizelevels);

// The scan finds its winners sixteen entries at a time by a byte shuffle where the processor
// has one (SSSE3), else one entry at a time. The tests run both ways on one machine: they force
// the plain way here; the program never does.
bool byteShuffleAvailable();
void forcePlainScan(bool plain);

class LevelScan {
public:
    // Entry i is masks[i] with extras[i]. Exact for entries whose numbers are distinct and within
    // a mask; the others (`irregular`, ascending) are never reported and the caller classifies
    // them itself.
    LevelScan(std::span<const NumberMask> masks, std::span<const qint16> extras,
              std::span<const std::size_t> irregular, ExtraRule rule, const LevelTable& table);

    // The entries that reach a level against the draw (its numbers distinct and within a mask),
    // ascending; valid until the next scan.
    std::span<const std::uint32_t> winners(const NumberMask& draw, qint16 drawExtra);
    // The level of a winner of the last scan.
    int level(std::uint32_t entry) const { return table_[codes_[entry]]; }

private:
    // A code no level has; the byte shuffle reads a code with its top bit set as no level too.
    static constexpr unsigned char kIrregular = 0x80;
    static constexpr int kNumbers = NumberMask::kMaxNumber;

    void mark(std::span<const std::uint32_t> entries, unsigned char add);
    std::span<const std::uint32_t> holding(int number) const;

    ExtraRule rule_;
    std::array<unsigned char, kIrregular + 1> table_{};
    std::array<unsigned char, kIrregular + 1> wins_{};
    std::vector<std::size_t> irregular_;
    // The entries holding number n are byNumber_[starts_[n] .. starts_[n + 1]).
    std::array<std::uint32_t, kNumbers + 2> starts_{};
    std::vector<std::uint32_t> byNumber_;
    // For an extra from its own pool: the entries by extra, extraKeys_[j] the extra of
    // byExtra_[j], ascending.
    std::vector<qint16> extraKeys_;
    std::vector<std::uint32_t> byExtra_;
    // Per entry: matches with the draw, plus 8 when the extra counts as hit.
    std::vector<unsigned char> codes_;
    std::vector<std::uint32_t> winners_;
};

}  // namespace entries
