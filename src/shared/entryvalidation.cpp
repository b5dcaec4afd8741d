#include "shared/entryvalidation.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "shared/ansitext.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

namespace {

int mains(const EntryRules& rules) {
    return std::clamp(rules.mainperentry, 0, 7);
}

// A game of seven main numbers has no room for an extra.
bool withExtra(const EntryRules& rules) {
    return rules.bonusperentry == 1 && mains(rules) < 7;
}

QString box(std::span<const QString> boxes, int i) {
    return i < static_cast<int>(boxes.size()) ? boxes[static_cast<std::size_t>(i)] : QString();
}

double value(std::span<const QString> boxes, int i) {
    return leadingNumber(box(boxes, i));
}

}  // namespace

EntryRules entryRules(const Module1& game) {
    return {game.mainperentry, game.bonusperentry, game.mainpool, game.bonuspool,
            game.gamename == kWildCardGame};
}

EntryFault entryFault(std::span<const QString> boxes, const EntryRules& rules, EntryWindow window) {
    const int m = mains(rules);
    const bool extra = withExtra(rules);
    std::vector<int> paired(static_cast<std::size_t>(m));
    std::iota(paired.begin(), paired.end(), 0);
    if (window == EntryWindow::Add && extra && rules.bonuspool == 0) {
        paired.push_back(m);
    }

    EntryFault code = EntryFault::None;
    for (int i : paired) {
        const double vi = value(boxes, i);
        for (int j : paired) {
            if (i == j) {
                continue;
            }
            if (value(boxes, j) == vi) {
                code = EntryFault::Same;
            }
            if (vi < 1) {
                code = EntryFault::NotANumber;
            }
            if (vi > rules.mainpool) {
                code = EntryFault::OutOfRange;
            }
        }
    }
    if (!extra) {
        return code;
    }
    if (window == EntryWindow::Edit) {
        if (rules.cardgame) {
            QString card = trimBlanks(box(boxes, m));
            if (cardnumber(card) == -1) {
                code = EntryFault::NotANumber;
            }
        } else {
            const double v = value(boxes, m);
            // An extra drawn from the main pool has no pool of its own to be tested against.
            const int pool = rules.bonuspool > 0 ? rules.bonuspool : rules.mainpool;
            if (v < 1) {
                code = EntryFault::NotANumber;
            }
            if (v > pool) {
                code = EntryFault::OutOfRange;
            }
        }
    } else if (rules.bonuspool > 0) {
        double v = 0;
        if (rules.cardgame) {
            QString card = box(boxes, m);
            v = cardnumber(card);
        } else {
            v = value(boxes, m);
        }
        if (v < 1 || v > rules.bonuspool) {
            code = EntryFault::OutOfRange;
        }
    }
    return code;
}

QString entryFaultMessage(EntryFault fault) {
    switch (fault) {
        case EntryFault::Same:
            return QStringLiteral("One or more of your numbers are the same!");
        case EntryFault::NotANumber:
            return QStringLiteral("One or more of your entries is not a number!");
        case EntryFault::OutOfRange:
            return QStringLiteral("One or more of your numbers are out of range for the game!");
        case EntryFault::None:
            break;
    }
    return {};
}

TypedEntry typedEntry(std::span<const QString> boxes, const EntryRules& rules) {
    const int m = mains(rules);
    TypedEntry e;
    for (int i = 0; i < m; ++i) {
        e.mains[static_cast<std::size_t>(i)] = textToInteger(box(boxes, i));
    }
    std::sort(e.mains.begin(), e.mains.begin() + m);
    if (withExtra(rules)) {
        if (rules.cardgame) {
            QString card = trimBlanks(box(boxes, m));
            e.extra = static_cast<qint16>(cardnumber(card));
        } else {
            e.extra = textToInteger(box(boxes, m));
        }
    }
    return e;
}
