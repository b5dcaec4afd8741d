#include "entries/logic/entryfilter.h"

#include <algorithm>

#include "entries/logic/sharedmarks.h"
#include "entries/logic/sumband.h"
#include "shared/textforms.h"

namespace {

void appendTwoDigits(QString& line, int n) {
    if (n >= 0 && n < 100) {
        // The common case without a number conversion: a list of 32,767 lines is made at once.
        const char16_t digits[2] = {static_cast<char16_t>(u'0' + n / 10),
                                    static_cast<char16_t>(u'0' + n % 10)};
        line += QStringView(digits, 2);
        return;
    }
    line += QString::number(n);
}

}  // namespace

FilterMarks runFilters(const DrawImage& copy, const FilterSettings& settings,
                       const std::function<void(int)>& progress) {
    const int n = copy.count();
    FilterMarks result;
    result.marked.assign(static_cast<std::size_t>(n), 0);
    if (settings.sum) {
        const std::optional<SumBand> band = sumBand(settings.pool, settings.k, settings.slider);
        for (int r = 1; r <= n; ++r) {
            // A game without a band keeps every entry rather than marking them all.
            if (band && !band->holds(entryTotal(copy.read(r), settings.k))) {
                result.marked[static_cast<std::size_t>(r - 1)] = 1;
                ++result.checkedcount;
            }
        }
    }
    if (settings.shared) {
        std::vector<NumberSet> sets;
        sets.reserve(static_cast<std::size_t>(n));
        for (int r = 1; r <= n; ++r) {
            sets.push_back(numberSet(copy.read(r), settings.k));
        }
        result.checkedcount += markShared(sets, settings.threshold, result.marked, progress);
    }
    return result;
}

QString filterLine(const DrawRecord& entry, int mainperentry, int bonusperentry,
                   const QString& extraballid, const QString& gamename) {
    QString line;
    line.reserve(3 * 7 + extraballid.size() + 4);
    const int m = std::clamp(mainperentry, 0, 7);
    for (int i = 0; i < m; ++i) {
        appendTwoDigits(line, entry.balls[static_cast<std::size_t>(i)]);
        if (i < 6) {
            line += u' ';
        }
    }
    if (bonusperentry == 1) {
        line += extraballid;
        line += u' ';
        if (gamename == kWildCardGame) {
            line += cardname(entry.extra);
        } else {
            appendTwoDigits(line, entry.extra);
        }
    }
    return line;
}

DrawImage withoutMarked(const DrawImage& copy, const std::vector<std::uint8_t>& marked) {
    const int n = copy.count();
    DrawImage out;
    int kept = 0;
    for (int r = 1; r <= n; ++r) {
        const std::size_t i = static_cast<std::size_t>(r - 1);
        if (i >= marked.size() || marked[i] == 0) {
            out.write(++kept, copy.read(r));
        }
    }
    DrawRecord first = out.read(1);
    first.count = kept;
    out.write(1, first);
    return out;
}
