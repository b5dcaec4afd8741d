#include "entries/logic/levelscan.h"

#include <algorithm>
#include <bit>
#include <numeric>

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

template <class Each>
void forEachNumber(const NumberMask& mask, Each&& each) {
    for (std::uint64_t bits = mask.lo; bits != 0; bits &= bits - 1) {
        each(1 + std::countr_zero(bits));
    }
    for (std::uint64_t bits = mask.hi; bits != 0; bits &= bits - 1) {
        each(65 + std::countr_zero(bits));
    }
}

}  // namespace

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
    winners_.resize(n);
}

std::span<const std::uint32_t> LevelScan::holding(int number) const {
    const auto at = static_cast<std::size_t>(number);
    return {byNumber_.data() + starts_[at], starts_[at + 1] - starts_[at]};
}

void LevelScan::mark(std::span<const std::uint32_t> entries, unsigned char add) {
    for (std::uint32_t i : entries) {
        codes_[i] = static_cast<unsigned char>(codes_[i] + add);
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
    // Every entry is written and the count moves only for a winner: no branch to mispredict.
    const std::size_t n = codes_.size();
    std::size_t found = 0;
    for (std::size_t i = 0; i < n; ++i) {
        winners_[found] = static_cast<std::uint32_t>(i);
        found += wins_[codes_[i]];
    }
    return {winners_.data(), found};
}

}  // namespace entries
