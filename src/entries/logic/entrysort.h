#pragma once
// Putting an entry's main numbers in ascending order before it is stored.
#include <span>

#include <QtGlobal>

namespace entries {

// Neighbour exchanges, one pass per number: the order every stored entry is written in.
void sortNumbers(std::span<qint16> numbers);

}  // namespace entries
