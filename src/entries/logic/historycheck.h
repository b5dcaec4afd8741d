#pragma once
// Checking every entry of a file against every draw of a date range: the range, the lines of the
// result pages and the totals per level.
#include <array>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "entries/logic/entrygame.h"
#include "entries/logic/levelscan.h"
#include "entries/logic/numbermask.h"
#include "shared/drawrecord.h"
#include "shared/entrycheck.h"

namespace entries {

// How the extra ball of an entry counts in this check.
ExtraRule historyExtraRule(const EntryGame& game);

// The caption of level k beside its total ("Match 6+PB", "Match PB" for level 14).
QString levelCaption(int level, const QString& extraballid);
// The text after a winning entry ("Match 6+PB", "Match 0+PB" for level 14).
QString levelLineText(int level, const QString& extraballid);
// The entry's line on a result page: "01 05 12 23 34 45 PB 07 Match 6+PB".
QString resultLine(const DrawRecord& entry, const QString& label, const EntryGame& game);
// The line that opens a draw: "05 Mar 2012", "Mar 05 2012" or "2012 Mar 05" by the date order.
QString drawHeaderLine(const DrawRecord& draw, const QString& dateorder);

enum class RangeRefusal {
    None,
    StartAfterEnd,   // a message
    EmptyHistory,    // a message; Check stays refused until there are draws
    EndBeforeFirst,  // the status line says there is no draw in the range
    StartAfterLast,
    NoDrawInRange,
};

struct DrawRange {
    RangeRefusal refusal = RangeRefusal::None;
    int first = 0;  // record numbers, 1-based, inclusive
    int last = 0;
    int draws() const { return last - first + 1; }
};

// The records of `history` (counted draws, oldest first) that lie from `start` to `end`.
DrawRange drawRange(const QDate& start, const QDate& end, const std::vector<DrawRecord>& history);

// What the player is told for a refusal: a message box text, or the status line.
QString rangeRefusalMessage(RangeRefusal refusal);
bool refusalIsStatus(RangeRefusal refusal);

// The status line of a check over `draws` draws; `shownCount` is the main window's count text.
QString checkStatusLine(const QString& shownCount, int draws);
QString pageLimitMessage();

// Four pages of lines; once the last is full, lines are only counted.
class ResultPages {
public:
    static constexpr int kPageCount = 4;
    static constexpr double kPageCapacity = 32730;

    struct Placement {
        int page = 0;
        bool listed = true;
        bool overflowed = false;  // this line found its page full: the first page is shown
    };
    // Counts one line and says where it goes.
    Placement place() {
        Placement p;
        linecount_ += 1;
        if (!limitreached_ && linecount_ > kPageCapacity) {
            p.overflowed = true;
            if (currentpage_ < kPageCount - 1) {
                ++currentpage_;
                linecount_ = 1;
            } else {
                limitreached_ = true;
            }
        }
        p.page = currentpage_;
        p.listed = !limitreached_;
        return p;
    }

    // Counts n lines past the last page.
    void countUnlisted(qint64 n) { linecount_ += static_cast<double>(n); }

    int currentpage() const { return currentpage_; }
    double linecount() const { return linecount_; }
    bool limitreached() const { return limitreached_; }

private:
    int currentpage_ = 0;
    double linecount_ = 0;
    bool limitreached_ = false;
};

using LevelTotals = std::array<double, 16>;  // element k (1..15)

// One check run: the entries read once, classified against one draw at a time.
class HistoryCheck {
public:
    HistoryCheck(const EntryGame& game, std::vector<DrawRecord> entries);

    // The lines one draw adds, by page, and whether one of them found its page full.
    struct DrawLines {
        std::array<QStringList, ResultPages::kPageCount> pages;
        bool overflowed = false;
    };
    // The draw's header line, then a line for every entry that wins a counted level; totals grow.
    DrawLines checkDraw(const DrawRecord& draw);

    const LevelTotals& totals() const { return totals_; }
    const ResultPages& pages() const { return pages_; }
    int entryCount() const { return static_cast<int>(entries_.size()); }

    // The level of every entry against the draw, in entry order (0 = none): what checkDraw
    // lists, without the lines.
    std::vector<int> levels(const DrawRecord& draw) const;

private:
    template <class OnWin>
    void classify(const DrawRecord& draw, OnWin&& onWin) const;
    void addLine(DrawLines& out, const QString& line);
    QString headerLine(const DrawRecord& draw) const;

    EntryGame game_;
    ExtraRule rule_;
    int balls_;
    std::vector<DrawRecord> entries_;
    // Entries whose mask would not count them exactly: classified one by one.
    std::vector<std::size_t> irregular_;
    LevelTable table_{};
    mutable LevelScan scan_;
    // Each entry's line up to its level text, made when the entry first wins.
    std::vector<QString> linePrefixes_;
    std::array<QString, 16> lineTexts_;
    std::array<QString, 13> monthNames_;  // 1..12, as the locale abbreviates them
    LevelTotals totals_{};
    ResultPages pages_;
};

}  // namespace entries
