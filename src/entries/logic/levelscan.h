#pragma once
// The inner loop of the history check: the level of every entry against one draw, from masks.
#include <array>
#include <span>

#include <QtGlobal>

#include "entries/logic/numbermask.h"
#include "shared/entrycheck.h"

namespace entries {

// Level by [extra hit * 8 + matches], as the shared classifier decides it for the game.
using LevelTable = std::array<unsigned char, 16>;
LevelTable levelTable(const PrizeLevels& prizelevels);

// out[i] := the level of entry i (masks[i], extras[i]) against the draw. Exact for entries and
// draws whose numbers are distinct and within a mask; the caller classifies the others itself.
void scanLevels(std::span<const NumberMask> masks, std::span<const qint16> extras,
                const NumberMask& draw, qint16 drawExtra, ExtraRule rule, const LevelTable& table,
                std::span<unsigned char> out);

}  // namespace entries
