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

// numberSet never puts more numbers in a set than an entry holds.
constexpr int kMostNumbers = 7;
// A subset is its numbers less one, seven bits each, smallest first: kMostNumbers of them fit.
constexpr int kBitsPerNumber = 7;
constexpr std::uint64_t kEmptySlot = ~std::uint64_t{0};

int sizeOf(const NumberSet& set) {
    return std::popcount(set.bits[0]) + std::popcount(set.bits[1]);
}

// The set's numbers less one (0..127), ascending; gives how many.
int membersOf(const NumberSet& set, std::array<int, kMostNumbers>& out) {
    int n = 0;
    for (int word = 0; word < 2; ++word) {
        std::uint64_t bits = set.bits[static_cast<std::size_t>(word)];
        while (bits != 0 && n < kMostNumbers) {
            out[static_cast<std::size_t>(n++)] = word * 64 + std::countr_zero(bits);
            bits &= bits - 1;
        }
    }
    return n;
}

// Open addressing over the subset keys of the kept entries; it only grows.
class SubsetIndex {
public:
    SubsetIndex() { rehash(10); }

    bool contains(std::uint64_t key) const {
        for (std::size_t s = slotOf(key);; s = (s + 1) & mask_) {
            if (slots_[s] == key) {
                return true;
            }
            if (slots_[s] == kEmptySlot) {
                return false;
            }
        }
    }

    void insert(std::uint64_t key) {
        if (2 * (size_ + 1) > slots_.size()) {
            rehash(std::countr_zero(slots_.size()) + 1);
        }
        std::size_t s = slotOf(key);
        for (; slots_[s] != kEmptySlot; s = (s + 1) & mask_) {
            if (slots_[s] == key) {
                return;
            }
        }
        slots_[s] = key;
        ++size_;
    }

private:
    std::size_t slotOf(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
    }

    void rehash(int log2) {
        std::vector<std::uint64_t> old(std::size_t{1} << log2, kEmptySlot);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        shift_ = 64 - log2;
        size_ = 0;
        for (std::uint64_t key : old) {
            if (key != kEmptySlot) {
                insert(key);
            }
        }
    }

    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
    int shift_ = 64;
    std::size_t size_ = 0;
};

// The position choices of `size` numbers taking `t` of them, as bit masks, for every size.
using Choices = std::array<std::vector<unsigned>, kMostNumbers + 1>;
Choices choicesOf(int t) {
    Choices choices;
    for (int size = 0; size <= kMostNumbers; ++size) {
        for (unsigned m = 0; m < (1U << size); ++m) {
            if (std::popcount(m) == t) {
                choices[static_cast<std::size_t>(size)].push_back(m);
            }
        }
    }
    return choices;
}

// The plain rule, for sets larger than an entry's: every kept entry against every later one.
int markPairwise(const std::vector<NumberSet>& entries, int threshold,
                 std::vector<std::uint8_t>& marked, const std::function<void(int)>& progress) {
    const std::size_t n = entries.size();
    int count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (marked[i] == 0) {
            for (std::size_t j = i + 1; j < n; ++j) {
                const int shared = std::popcount(entries[i].bits[0] & entries[j].bits[0]) +
                                   std::popcount(entries[i].bits[1] & entries[j].bits[1]);
                if (marked[j] == 0 && shared >= threshold) {
                    marked[j] = 1;
                    ++count;
                }
            }
        }
        if (progress) {
            progress(static_cast<int>(i + 1));
        }
    }
    return count;
}

}  // namespace

int markShared(const std::vector<NumberSet>& entries, int threshold,
               std::vector<std::uint8_t>& marked, const std::function<void(int)>& progress) {
    const std::size_t n = entries.size();
    marked.resize(n, 0);
    if (std::any_of(entries.begin(), entries.end(),
                    [](const NumberSet& s) { return sizeOf(s) > kMostNumbers; })) {
        return markPairwise(entries, threshold, marked, progress);
    }
    // Any two entries share at least nothing.
    const int t = std::max(threshold, 0);
    const Choices choices = choicesOf(t);
    SubsetIndex kept;
    std::array<int, kMostNumbers> numbers{};
    std::array<std::uint64_t, 64> keys{};
    int count = 0;
    // An entry's mark is settled when its turn comes: only earlier entries mark it, and an
    // earlier one marks it exactly when that one stayed and shares enough with it. So in file
    // order each entry is marked when one of its subsets belongs to a kept entry, and otherwise
    // stays and adds its own.
    for (std::size_t j = 0; j < n; ++j) {
        if (marked[j] == 0) {
            const int size = membersOf(entries[j], numbers);
            const std::vector<unsigned>& ways = choices[static_cast<std::size_t>(size)];
            std::size_t nkeys = 0;
            for (unsigned way : ways) {
                std::uint64_t key = 0;
                int shift = 0;
                for (unsigned m = way; m != 0; m &= m - 1) {
                    key |= static_cast<std::uint64_t>(
                               numbers[static_cast<std::size_t>(std::countr_zero(m))])
                           << shift;
                    shift += kBitsPerNumber;
                }
                keys[nkeys++] = key;
            }
            const auto first = keys.begin();
            const auto last = first + static_cast<std::ptrdiff_t>(nkeys);
            if (std::any_of(first, last, [&](std::uint64_t key) { return kept.contains(key); })) {
                marked[j] = 1;
                ++count;
            } else {
                std::for_each(first, last, [&](std::uint64_t key) { kept.insert(key); });
            }
        }
        if (progress) {
            progress(static_cast<int>(j + 1));
        }
    }
    return count;
}
