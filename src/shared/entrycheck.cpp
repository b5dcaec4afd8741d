#include "shared/entrycheck.h"

#include <algorithm>

namespace {
int positions(int balls) {
    return std::clamp(balls, 0, 7);
}
}  // namespace

int countMatches(const MainNumbers& entry, const MainNumbers& draw, int balls) {
    const int n = positions(balls);
    int matches = 0;
    for (int i = 0; i < n; ++i) {
        // An unused position is no number, so two of them never match.
        if (entry[i] == 0) {
            continue;
        }
        matches += static_cast<int>(std::count(draw.begin(), draw.begin() + n, entry[i]));
    }
    return matches;
}

bool extraHit(const MainNumbers& entry, qint16 entryExtra, qint16 drawExtra, int balls,
              ExtraRule rule) {
    if (drawExtra == 0) {
        return false;
    }
    switch (rule) {
        case ExtraRule::None:
            return false;
        case ExtraRule::OwnPool:
            return entryExtra == drawExtra;
        case ExtraRule::MainPool:
            return std::find(entry.begin(), entry.begin() + positions(balls), drawExtra) !=
                   entry.begin() + positions(balls);
    }
    return false;
}

bool levelHolds(int level, int matches, bool hit) {
    if (level == 1) {
        return matches == 7;
    }
    if (level == 15) {
        return matches == 0 && !hit;
    }
    if (level >= 2 && level <= 14 && level % 2 == 0) {
        return hit && matches == (14 - level) / 2;
    }
    if (level >= 3 && level <= 13) {
        return matches == (15 - level) / 2;
    }
    return false;
}

int firstLevel(int matches, bool hit, const PrizeLevels& prizelevels) {
    for (int k = 1; k <= kLevelCount; ++k) {
        if (prizelevels[k] == 1 && levelHolds(k, matches, hit)) {
            return k;
        }
    }
    return 0;
}

bool anyLevelCounts(const PrizeLevels& prizelevels) {
    return std::any_of(prizelevels.begin() + 1, prizelevels.end(), [](qint16 v) { return v > 0; });
}

EntryCheck checkEntry(const MainNumbers& entry, qint16 entryExtra, const MainNumbers& draw,
                      qint16 drawExtra, int balls, ExtraRule rule, const PrizeLevels& prizelevels) {
    EntryCheck result;
    result.matches = countMatches(entry, draw, balls);
    result.extraHit = extraHit(entry, entryExtra, drawExtra, balls, rule);
    result.level = firstLevel(result.matches, result.extraHit, prizelevels);
    return result;
}
