#include "entries/logic/entrysort.h"

#include <utility>

namespace entries {

void sortNumbers(std::span<qint16> numbers) {
    const std::size_t n = numbers.size();
    for (std::size_t pass = 0; pass < n; ++pass) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (numbers[i] > numbers[i + 1]) {
                std::swap(numbers[i], numbers[i + 1]);
            }
        }
    }
}

}  // namespace entries
