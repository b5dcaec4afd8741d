#include "entries/logic/levelscan.h"

#include <algorithm>
#include <bit>
#include <numeric>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KESTROVA_BYTE_SHUFFLE 1
#endif

namespace entries {

LevelTable levelTable(const PrizeLevels& prizelevels) {
    LevelTable t{};
    for (int hit = 0; hit < 2; ++hit) {
        for (int m = 0; m < 8; ++m) {
            t[static_cast<std::size_t>(hit * 8 + m)] =
                static_cast<unsigned char>(firstLevel(m, hit == 1, prizelevels));
        }
    }
    return t;
}

namespace {

bool plainScanForced = false;

template <class Each>
void forEachNumber(const NumberMask& mask, Each&& each) {
    for (std::uint64_t bits = mask.lo; bits != 0; bits &= bits - 1) {
        each(1 + std::countr_zero(bits));
    }
    for (std::uint64_t bits = mask.hi; bits != 0; bits &= bits - 1) {
        each(65 + std::countr_zero(bits));
    }
}

// Writes the entries whose code wins to `out`, ascending; gives how many. Every entry is written
// and the count moves only for a winner: no branch to mispredict.
std::size_t findWinners(const unsigned char* codes, std::size_t n, const unsigned char* wins,
                        std::size_t from, std::uint32_t* out) {
    std::size_t found = 0;
    for (std::size_t i = from; i < n; ++i) {
        out[found] = static_cast<std::uint32_t>(i);
        found += wins[codes[i]];
    }
    return found;
}

#ifdef KESTROVA_BYTE_SHUFFLE
// For each set of eight winner flags: the positions of the winners, then how many there are.
struct Positions {
    std::array<std::array<std::uint8_t, 8>, 256> at{};
    std::array<std::uint8_t, 256> count{};
};
constexpr Positions kPositions = [] {
    Positions p;
    for (unsigned bits = 0; bits < 256; ++bits) {
        for (unsigned b = 0; b < 8; ++b) {
            if ((bits >> b) & 1U) {
                p.at[bits][p.count[bits]++] = static_cast<std::uint8_t>(b);
            }
        }
    }
    return p;
}();

// Sixteen entries at a time: one byte shuffle looks up their codes in the table of winning
// codes, and the winners' positions come from a table, eight at a time; writing all eight and
// moving on by the winners among them leaves no branch on the (unpredictable) flags. `out` has
// room for eight more than the entries.
[[gnu::target("ssse3")]] std::size_t findWinners16(const unsigned char* codes, std::size_t n,
                                                   const unsigned char* wins, std::uint32_t* out) {
    const __m128i table = _mm_loadu_si128(reinterpret_cast<const __m128i*>(wins));
    const __m128i zero = _mm_setzero_si128();
    std::size_t found = 0;
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(codes + i));
        const __m128i w = _mm_shuffle_epi8(table, c);
        const auto flags =
            static_cast<unsigned>(~_mm_movemask_epi8(_mm_cmpeq_epi8(w, zero)) & 0xFFFF);
        for (unsigned half = 0; half < 2; ++half) {
            const unsigned bits = (flags >> (8 * half)) & 0xFFU;
            const __m128i at8 =
                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kPositions.at[bits].data()));
            const __m128i at16 = _mm_unpacklo_epi8(at8, zero);
            const __m128i base = _mm_set1_epi32(static_cast<int>(i + 8 * half));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + found),
                             _mm_add_epi32(_mm_unpacklo_epi16(at16, zero), base));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + found + 4),
                             _mm_add_epi32(_mm_unpackhi_epi16(at16, zero), base));
            found += kPositions.count[bits];
        }
    }
    return found + findWinners(codes, n, wins, i, out + found);
}
#endif

}  // namespace

bool byteShuffleAvailable() {
#ifdef KESTROVA_BYTE_SHUFFLE
    static const bool available = __builtin_cpu_supports("ssse3");
    return available;
#else
    return false;
#endif
}

void forcePlainScan(bool plain) {
    plainScanForced = plain;
}

LevelScan::LevelScan(std::span<const NumberMask> masks, std::span<const qint16> extras,
                     std::span<const std::size_t> irregular, ExtraRule rule,
                     const LevelTable& table)
    : rule_(rule), irregular_(irregular.begin(), irregular.end()) {
    std::copy(table.begin(), table.end(), table_.begin());
    for (std::size_t c = 0; c < wins_.size(); ++c) {
        wins_[c] = table_[c] != 0 ? 1 : 0;
    }
    const std::size_t n = masks.size();
    std::vector<bool> regular(n, true);
    for (std::size_t i : irregular_) {
        regular[i] = false;
    }
    // Counted first, then placed: each number's entries stay in entry order.
    std::array<std::uint32_t, kNumbers + 2> sizes{};
    for (std::size_t i = 0; i < n; ++i) {
        if (regular[i]) {
            forEachNumber(masks[i], [&](int number) { ++sizes[static_cast<std::size_t>(number)]; });
        }
    }
    std::exclusive_scan(sizes.begin(), sizes.end(), starts_.begin(), std::uint32_t{0});
    byNumber_.resize(starts_.back());
    std::array<std::uint32_t, kNumbers + 2> next = starts_;
    for (std::size_t i = 0; i < n; ++i) {
        if (regular[i]) {
            forEachNumber(masks[i], [&](int number) {
                byNumber_[next[static_cast<std::size_t>(number)]++] = static_cast<std::uint32_t>(i);
            });
        }
    }
    if (rule_ == ExtraRule::OwnPool) {
        for (std::size_t i = 0; i < n; ++i) {
            if (regular[i]) {
                byExtra_.push_back(static_cast<std::uint32_t>(i));
            }
        }
        std::stable_sort(byExtra_.begin(), byExtra_.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return extras[a] < extras[b]; });
        for (std::uint32_t i : byExtra_) {
            extraKeys_.push_back(extras[i]);
        }
    }
    codes_.resize(n);
    winners_.resize(n + 8);
}

std::span<const std::uint32_t> LevelScan::holding(int number) const {
    const auto at = static_cast<std::size_t>(number);
    return {byNumber_.data() + starts_[at], starts_[at + 1] - starts_[at]};
}

void LevelScan::mark(std::span<const std::uint32_t> entries, unsigned char add) {
    // Through a local pointer: a byte store could change the vector's own pointer, as far as
    // the compiler knows, and would have it read that again for every entry.
    unsigned char* codes = codes_.data();
    for (std::uint32_t i : entries) {
        codes[i] = static_cast<unsigned char>(codes[i] + add);
    }
}

std::span<const std::uint32_t> LevelScan::winners(const NumberMask& draw, qint16 drawExtra) {
    std::fill(codes_.begin(), codes_.end(), 0);
    forEachNumber(draw, [&](int number) { mark(holding(number), 1); });
    // At most seven matches: the hit is the code's fourth bit.
    if (drawExtra != 0) {
        if (rule_ == ExtraRule::OwnPool) {
            const auto [first, last] =
                std::equal_range(extraKeys_.begin(), extraKeys_.end(), drawExtra);
            mark({byExtra_.data() + (first - extraKeys_.begin()),
                  static_cast<std::size_t>(last - first)},
                 8);
        } else if (rule_ == ExtraRule::MainPool && NumberMask::fits(drawExtra)) {
            mark(holding(drawExtra), 8);
        }
    }
    for (std::size_t i : irregular_) {
        codes_[i] = kIrregular;
    }
#ifdef KESTROVA_BYTE_SHUFFLE
    if (!plainScanForced && byteShuffleAvailable()) {
        return {winners_.data(),
                findWinners16(codes_.data(), codes_.size(), wins_.data(), winners_.data())};
    }
#endif
    return {winners_.data(),
            findWinners(codes_.data(), codes_.size(), wins_.data(), 0, winners_.data())};
}

}  // namespace entries
