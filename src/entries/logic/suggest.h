#pragma once
// Suggested entries: how many a request asks for, and drawing candidates, uniformly or position
// by position from past draws, until one differs enough from every stored entry.
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "entries/logic/entrygame.h"
#include "entries/logic/numbermask.h"
#include "shared/drawrecord.h"

namespace entries {

inline constexpr int kMaxSuggestedEntries = 2500;
// With fewer draws than this in the history the numbers are drawn uniformly.
inline constexpr int kHistoryDrawsNeeded = 20;

enum class SuggestMode { Total, Additional };

struct SuggestPlan {
    QString refusal;  // the message to show; empty when the request stands
    int entries = 0;  // entries to make (0 or less: none)
};

// `requested` is the number typed, `shown` the count the main window shows, `storedCount` gives
// the count of the entry file (called only once the request names a number).
SuggestPlan planSuggestions(double requested, double shown, const std::function<int()>& storedCount,
                            SuggestMode mode);

// Most numbers a suggestion may share with any one stored entry, for k numbers per entry.
int sharedNumberLimit(int k);

class Suggester {
public:
    using Random = std::function<double()>;  // uniform in [0, 1)

    // `history`: the counted draws of the results history, oldest first.
    Suggester(const EntryGame& game, std::vector<DrawRecord> history, Random random);

    bool fromHistory() const { return history_.size() >= kHistoryDrawsNeeded; }
    // A stored entry that later suggestions must differ from.
    void remember(const Entry& stored);
    // One attempt: a candidate that passed every rule, or nothing.
    std::optional<Entry> attempt();

private:
    // A number drawn uniformly from 1..pool.
    int uniform(int pool);
    // A draw of the history picked at random; nullptr for the draw before the first.
    const DrawRecord* pastDraw();
    bool sharesTooMany(const NumberMask& candidate, const MainNumbers& balls) const;

    EntryGame game_;
    int k_;
    std::vector<DrawRecord> history_;
    Random random_;
    std::vector<NumberMask> stored_;
    // Stored entries whose numbers repeat or lie outside what a mask holds: counted one by one.
    std::vector<MainNumbers> irregular_;
};

enum class SuggestEnd { Done, Cancelled, NoMore, WriteFailed };

struct SuggestOutcome {
    SuggestEnd end = SuggestEnd::Done;
    int made = 0;
    DrawFile::Append failure = DrawFile::Append::Done;  // for WriteFailed
};

struct SuggestHooks {
    // An entry was appended; the file now holds `count` entries.
    std::function<void(const Entry&, int count)> accepted;
    // Lets pending events run; true when the player cancelled.
    std::function<bool()> cancelled;
};

// Consecutive failed attempts after which no further entry is looked for.
inline constexpr int kMaxFailedAttempts = 200000;
// Failed attempts between two chances for the player to cancel.
inline constexpr int kAttemptsPerPoll = 1024;

// Makes `wanted` entries, appending each to `file` as it is found.
SuggestOutcome runSuggestions(Suggester& suggester, DrawFile& file, int wanted,
                              const SuggestHooks& hooks);

// What the player is told when the run ends early without a cancel: no entry left to find, or
// the entry file would not take the next one; empty for a run that was completed or cancelled.
QString noMoreSuggestionsMessage(int made);
QString suggestEndMessage(const SuggestOutcome& outcome);

}  // namespace entries
