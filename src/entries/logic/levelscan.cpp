#include "entries/logic/levelscan.h"

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

// Without the processor's bit count instruction each count is a library call; the clone that
// uses it is picked at load time where the processor has it.
#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target_clones("popcnt", "default")]]
#endif
void scanLevels(std::span<const NumberMask> masks, std::span<const qint16> extras,
                const NumberMask& draw, qint16 drawExtra, ExtraRule rule, const LevelTable& table,
                std::span<unsigned char> out) {
    const std::size_t n = masks.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int m = masks[i].common(draw);
        bool hit = false;
        if (drawExtra != 0) {
            if (rule == ExtraRule::OwnPool) {
                hit = extras[i] == drawExtra;
            } else if (rule == ExtraRule::MainPool) {
                hit = masks[i].has(drawExtra);
            }
        }
        out[i] = table[static_cast<std::size_t>((hit ? 8 : 0) + (m & 7))];
    }
}

}  // namespace entries
