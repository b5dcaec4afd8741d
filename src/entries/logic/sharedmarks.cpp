#include "entries/logic/sharedmarks.h"

#include <algorithm>
#include <bit>

NumberSet numberSet(const DrawRecord& entry, int k) {
    NumberSet set;
    for (int i = 0; i < std::clamp(k, 0, 7); ++i) {
        const int n = entry.balls[static_cast<std::size_t>(i)];
        if (n >= 1 && n <= 128) {
            set.bits[static_cast<std::size_t>((n - 1) / 64)] |= std::uint64_t{1} << ((n - 1) % 64);
        }
    }
    return set;
}

namespace {

// The inner loop is the whole cost over a large file; with the processor's popcount it is a few
// instructions per pair, so the build picks that version where the processor has it.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define KESTROVA_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define KESTROVA_POPCOUNT_CLONES
#endif

KESTROVA_POPCOUNT_CLONES
int markFrom(const NumberSet* sets, std::uint8_t* marked, std::size_t i, std::size_t n,
             int threshold) {
    const std::uint64_t a0 = sets[i].bits[0];
    const std::uint64_t a1 = sets[i].bits[1];
    int count = 0;
    for (std::size_t j = i + 1; j < n; ++j) {
        if (marked[j] != 0) {
            continue;
        }
        const int shared =
            std::popcount(a0 & sets[j].bits[0]) + std::popcount(a1 & sets[j].bits[1]);
        if (shared >= threshold) {
            marked[j] = 1;
            ++count;
        }
    }
    return count;
}

}  // namespace

int markShared(const std::vector<NumberSet>& entries, int threshold,
               std::vector<std::uint8_t>& marked, const std::function<void(int)>& progress) {
    const std::size_t n = entries.size();
    marked.resize(n, 0);
    int count = 0;
    // Sharing is symmetric: an earlier unmarked entry has already marked every later one that
    // shares enough with it, so each entry only needs to look at those after it.
    for (std::size_t i = 0; i < n; ++i) {
        if (marked[i] == 0) {
            count += markFrom(entries.data(), marked.data(), i, n, threshold);
        }
        if (progress) {
            progress(static_cast<int>(i + 1));
        }
    }
    return count;
}
