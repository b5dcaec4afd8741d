#include "entries/logic/typedentry.h"

#include <algorithm>
#include <span>

#include "entries/logic/entrysort.h"
#include "shared/ansitext.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

namespace entries {

Entry typedEntry(const std::array<QString, 7>& boxes, const EntryGame& game) {
    const int m = std::clamp(game.mainperentry, 0, 7);
    Entry e;
    for (int i = 0; i < m; ++i) {
        e.balls[static_cast<std::size_t>(i)] = textToInteger(boxes[static_cast<std::size_t>(i)]);
    }
    if (game.bonusperentry == 1 && m < 7) {
        const QString& box = boxes[static_cast<std::size_t>(m)];
        if (game.gamename == kWildCardGame) {
            // The card sits in the extra box, whatever the number of main numbers.
            QString card = trimBlanks(box);
            e.extra = static_cast<qint16>(std::max(cardnumber(card), 0));
        } else {
            e.extra = textToInteger(box);
        }
    }
    sortNumbers(std::span(e.balls).first(static_cast<std::size_t>(m)));
    return e;
}

}  // namespace entries
