#pragma once
// The entry the player typed into the boxes, as it is stored once the boxes passed the checks.
#include <array>

#include <QString>

#include "entries/logic/entrygame.h"

namespace entries {

// Boxes 0..m-1 hold the main numbers, box m the extra (m = mainperentry); the main numbers come
// out in ascending order. For the card game the extra box holds a card code.
Entry typedEntry(const std::array<QString, 7>& boxes, const EntryGame& game);

}  // namespace entries
