#include "entries/logic/historycheck.h"

#include <algorithm>

#include "shared/textforms.h"

namespace entries {

namespace {

qint32 keyOf(const DrawRecord& r) {
    return datekey(r.year, r.month, r.day);
}

qint32 keyOf(const QDate& d) {
    return datekey(d.year(), d.month(), d.day());
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The mask of positions 1..balls; false when it would not count matches exactly (a repeated
// number, or one a mask cannot hold). Unused positions (0) are no number.
bool maskOf(const MainNumbers& balls, int positions, NumberMask& mask) {
    bool exact = true;
    for (int i = 0; i < positions; ++i) {
        const int n = balls[static_cast<std::size_t>(i)];
        if (n != 0 && !mask.add(n)) {
            exact = false;
        }
    }
    return exact;
}

}  // namespace

ExtraRule historyExtraRule(const EntryGame& game) {
    if (game.bonusperentry == 1 && game.bonuspool > 0) {
        return ExtraRule::OwnPool;
    }
    if (game.bonusdrawn == 1 && game.bonuspool == 0) {
        return ExtraRule::MainPool;
    }
    return ExtraRule::None;
}

QString levelCaption(int level, const QString& extraballid) {
    if (level == 14) {
        return QStringLiteral("Match ") + extraballid;
    }
    return levelLineText(level, extraballid);
}

QString levelLineText(int level, const QString& extraballid) {
    if (level == 1) {
        return QStringLiteral("Match 7");
    }
    if (level % 2 == 0) {
        return QStringLiteral("Match %1+").arg((14 - level) / 2) + extraballid;
    }
    return QStringLiteral("Match %1").arg((15 - level) / 2);
}

namespace {
QString resultLinePrefix(const DrawRecord& entry, const EntryGame& game) {
    QString line = entryline(entry.balls, entry.extra, game.extraballid, game.gamename);
    // A line without extra already ends in a blank.
    if (entry.extra > 0) {
        line += u' ';
    }
    return line;
}
}  // namespace

QString resultLine(const DrawRecord& entry, const QString& label, const EntryGame& game) {
    return resultLinePrefix(entry, game) + label;
}

QString drawHeaderLine(const DrawRecord& draw, const QString& dateorder) {
    const QString dd = twoDigits(draw.day);
    const QString mmm = monthAbbreviation(draw.month);
    const QString yyyy = QStringLiteral("%1").arg(draw.year, 4, 10, QLatin1Char('0'));
    if (dateorder == u"MMDDYY") {
        return mmm + u' ' + dd + u' ' + yyyy;
    }
    if (dateorder == u"YYMMDD") {
        return yyyy + u' ' + mmm + u' ' + dd;
    }
    return dd + u' ' + mmm + u' ' + yyyy;
}

DrawRange drawRange(const QDate& start, const QDate& end, const std::vector<DrawRecord>& history) {
    DrawRange range;
    if (start > end) {
        range.refusal = RangeRefusal::StartAfterEnd;
        return range;
    }
    if (history.empty()) {
        range.refusal = RangeRefusal::EmptyHistory;
        return range;
    }
    const qint32 startKey = keyOf(start);
    const qint32 endKey = keyOf(end);
    if (endKey < keyOf(history.front())) {
        range.refusal = RangeRefusal::EndBeforeFirst;
        return range;
    }
    if (startKey > keyOf(history.back())) {
        range.refusal = RangeRefusal::StartAfterLast;
        return range;
    }
    const int count = static_cast<int>(history.size());
    auto key = [&](int r) { return keyOf(history[static_cast<std::size_t>(r - 1)]); };
    range.first = 1;
    for (int r = 1; r <= count; ++r) {
        if (key(r) >= startKey) {
            range.first = r;
            break;
        }
    }
    range.last = count;
    for (int r = range.first; r <= count; ++r) {
        if (key(r) >= endKey) {
            range.last = key(r) == endKey ? r : r - 1;
            break;
        }
    }
    if (range.last < range.first) {
        range.refusal = RangeRefusal::NoDrawInRange;
    }
    return range;
}

QString rangeRefusalMessage(RangeRefusal refusal) {
    switch (refusal) {
        case RangeRefusal::None:
            return {};
        case RangeRefusal::StartAfterEnd:
            return QStringLiteral("Your start date must be before your end date");
        case RangeRefusal::EmptyHistory:
            return QStringLiteral(
                "Cannot do a history check as there are no results in the history file");
        case RangeRefusal::EndBeforeFirst:
        case RangeRefusal::StartAfterLast:
        case RangeRefusal::NoDrawInRange:
            break;
    }
    return QStringLiteral("No results in specified date range");
}

bool refusalIsStatus(RangeRefusal refusal) {
    return refusal == RangeRefusal::EndBeforeFirst || refusal == RangeRefusal::StartAfterLast ||
           refusal == RangeRefusal::NoDrawInRange;
}

QString checkStatusLine(const QString& shownCount, int draws) {
    return QStringLiteral("Check ") + shownCount + QStringLiteral(" entries against ") + u' ' +
           QString::number(draws) + QStringLiteral(" results.");
}

QString pageLimitMessage() {
    return QStringLiteral(
        "Please note that not all the entries have been displayed in the list on the left. This "
        "is due to there being 131000 entries which is the limit. However the summary on the "
        "right has been completed. If you want details of the missing items you should change "
        "the your search dates.");
}

namespace {

std::vector<NumberMask> masksOf(const std::vector<DrawRecord>& entries, int balls) {
    std::vector<NumberMask> masks(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        maskOf(entries[i].balls, balls, masks[i]);
    }
    return masks;
}

std::vector<std::size_t> irregularOf(const std::vector<DrawRecord>& entries, int balls) {
    std::vector<std::size_t> irregular;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        NumberMask mask;
        if (!maskOf(entries[i].balls, balls, mask)) {
            irregular.push_back(i);
        }
    }
    return irregular;
}

std::vector<qint16> extrasOf(const std::vector<DrawRecord>& entries) {
    std::vector<qint16> extras(entries.size());
    std::transform(entries.begin(), entries.end(), extras.begin(),
                   [](const DrawRecord& e) { return e.extra; });
    return extras;
}

void appendDigits(QString& line, int n, int width) {
    if (n < 0 || n >= 10000 || width > 4) {
        line += QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
        return;
    }
    char16_t digits[4] = {u'0', u'0', u'0', u'0'};
    int used = 0;
    for (int rest = n; rest != 0 || used == 0; rest /= 10) {
        digits[3 - used++] = static_cast<char16_t>(u'0' + rest % 10);
    }
    const int shown = std::max(used, width);
    line += QStringView(digits + 4 - shown, shown);
}

}  // namespace

HistoryCheck::HistoryCheck(const EntryGame& game, std::vector<DrawRecord> entries)
    : game_(game),
      rule_(historyExtraRule(game)),
      balls_(std::clamp(game.mainperentry, 0, 7)),
      entries_(std::move(entries)),
      irregular_(irregularOf(entries_, balls_)),
      table_(levelTable(game.prizelevels)),
      scan_(masksOf(entries_, balls_), extrasOf(entries_), irregular_, rule_, table_) {
    linePrefixes_.resize(entries_.size());
    for (int k = 1; k <= kLevelCount; ++k) {
        lineTexts_[static_cast<std::size_t>(k)] = levelLineText(k, game_.extraballid);
    }
    for (int m = 1; m <= 12; ++m) {
        monthNames_[static_cast<std::size_t>(m)] = monthAbbreviation(m);
    }
}

template <class OnWin>
void HistoryCheck::classify(const DrawRecord& draw, OnWin&& onWin) const {
    auto classifier = [&](std::size_t i) {
        return checkEntry(entries_[i].balls, entries_[i].extra, draw.balls, draw.extra, balls_,
                          rule_, game_.prizelevels)
            .level;
    };
    NumberMask drawMask;
    if (!maskOf(draw.balls, balls_, drawMask)) {
        // A damaged draw (a repeated number): the classifier, entry by entry.
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (const int level = classifier(i); level != 0) {
                onWin(i, level);
            }
        }
        return;
    }
    const std::span<const std::uint32_t> winners = scan_.winners(drawMask, draw.extra);
    // The irregular entries are classified one by one and joined in entry order.
    auto next = irregular_.begin();
    for (std::uint32_t w : winners) {
        for (; next != irregular_.end() && *next < w; ++next) {
            if (const int level = classifier(*next); level != 0) {
                onWin(*next, level);
            }
        }
        onWin(w, scan_.level(w));
    }
    for (; next != irregular_.end(); ++next) {
        if (const int level = classifier(*next); level != 0) {
            onWin(*next, level);
        }
    }
}

std::vector<int> HistoryCheck::levels(const DrawRecord& draw) const {
    std::vector<int> out(entries_.size(), 0);
    classify(draw, [&](std::size_t i, int level) { out[i] = level; });
    return out;
}

void HistoryCheck::addLine(DrawLines& out, const QString& line) {
    const ResultPages::Placement p = pages_.place();
    out.overflowed = out.overflowed || p.overflowed;
    if (p.listed) {
        out.pages[static_cast<std::size_t>(p.page)].append(line);
    }
}

QString HistoryCheck::headerLine(const DrawRecord& draw) const {
    if (draw.month < 1 || draw.month > 12) {
        return drawHeaderLine(draw, game_.dateorder);
    }
    const QString& mmm = monthNames_[static_cast<std::size_t>(draw.month)];
    QString line;
    line.reserve(12 + mmm.size());
    if (game_.dateorder == u"MMDDYY") {
        line += mmm + u' ';
        appendDigits(line, draw.day, 2);
        line += u' ';
        appendDigits(line, draw.year, 4);
    } else if (game_.dateorder == u"YYMMDD") {
        appendDigits(line, draw.year, 4);
        line += u' ' + mmm + u' ';
        appendDigits(line, draw.day, 2);
    } else {
        appendDigits(line, draw.day, 2);
        line += u' ' + mmm + u' ';
        appendDigits(line, draw.year, 4);
    }
    return line;
}

HistoryCheck::DrawLines HistoryCheck::checkDraw(const DrawRecord& draw) {
    DrawLines out;
    addLine(out, headerLine(draw));
    std::array<qint64, 16> wins{};
    qint64 unlisted = 0;
    classify(draw, [&](std::size_t i, int level) {
        ++wins[static_cast<std::size_t>(level)];
        if (pages_.limitreached()) {
            ++unlisted;
            return;
        }
        const ResultPages::Placement p = pages_.place();
        out.overflowed = out.overflowed || p.overflowed;
        // Past the last page the line is only counted, so it is not even written.
        if (p.listed) {
            QString& prefix = linePrefixes_[i];
            if (prefix.isEmpty()) {
                prefix = resultLinePrefix(entries_[i], game_);
            }
            out.pages[static_cast<std::size_t>(p.page)].append(
                prefix + lineTexts_[static_cast<std::size_t>(level)]);
        }
    });
    pages_.countUnlisted(unlisted);
    for (std::size_t k = 1; k < wins.size(); ++k) {
        totals_[k] += static_cast<double>(wins[k]);
    }
    return out;
}

}  // namespace entries
