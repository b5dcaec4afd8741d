#include "entries/logic/suggest.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "entries/logic/entryfile.h"
#include "entries/logic/entrysort.h"
#include "shared/numbertext.h"
#include "shared/recordfile.h"

namespace entries {

SuggestPlan planSuggestions(double requested, double shown, const std::function<int()>& storedCount,
                            SuggestMode mode) {
    if (requested < 1) {
        return {QStringLiteral("You have not specified a number to add. Please enter a number in: "
                               "Enter No box"),
                0};
    }
    const int stored = storedCount();
    if (mode == SuggestMode::Total) {
        if (requested <= shown) {
            return {QStringLiteral("You already have this number of entries or more."), 0};
        }
        return {{}, static_cast<int>(std::nearbyint(requested - shown))};
    }
    if (stored + requested > kMaxSuggestedEntries) {
        return {QStringLiteral("You are limited to a maximum of 2500 entries"), 0};
    }
    return {{}, static_cast<int>(std::nearbyint(requested))};
}

int sharedNumberLimit(int k) {
    switch (k) {
        case 7:
            return 5;
        case 6:
            return 4;
        case 5:
        case 4:
            return 3;
        case 3:
            return 2;
        default:
            return std::max(k - 1, 0);
    }
}

Suggester::Suggester(const EntryGame& game, std::vector<DrawRecord> history, Random random)
    : game_(game),
      k_(std::clamp(game.ballsdrawn, 0, 7)),
      history_(std::move(history)),
      random_(std::move(random)) {}

void Suggester::remember(const Entry& stored) {
    NumberMask mask;
    bool regular = true;
    for (int a = 0; a < k_; ++a) {
        const int n = stored.balls[static_cast<std::size_t>(a)];
        // Numbers a suggestion can never hold (0, negative) cannot be shared, so only a repeat
        // of one that can needs counting position by position.
        if (!mask.add(n) && (mask.has(n) || n > NumberMask::kMaxNumber)) {
            regular = false;
        }
    }
    if (regular) {
        stored_.push_back(mask);
    } else {
        irregular_.push_back(stored.balls);
    }
}

int Suggester::uniform(int pool) {
    const double r = random_();
    return std::clamp(static_cast<int>(r * pool) + 1, 1, std::max(pool, 1));
}

const DrawRecord* Suggester::pastDraw() {
    const int d = static_cast<int>(history_.size());
    const int q = toInteger16(random_() * d);
    return q >= 1 && q <= d ? &history_[static_cast<std::size_t>(q - 1)] : nullptr;
}

bool Suggester::sharesTooMany(const NumberMask& candidate, const MainNumbers& balls) const {
    const int limit = sharedNumberLimit(k_);
    for (const NumberMask& stored : stored_) {
        if (stored.common(candidate) > limit) {
            return true;
        }
    }
    for (const MainNumbers& stored : irregular_) {
        int shared = 0;
        for (int a = 0; a < k_; ++a) {
            for (int b = 0; b < k_; ++b) {
                shared += stored[static_cast<std::size_t>(a)] == balls[static_cast<std::size_t>(b)]
                              ? 1
                              : 0;
            }
        }
        if (shared > limit) {
            return true;
        }
    }
    return false;
}

std::optional<Entry> Suggester::attempt() {
    const bool past = fromHistory();
    Entry e;
    for (int p = 0; p < k_; ++p) {
        int n = 0;
        if (past) {
            const DrawRecord* draw = pastDraw();
            if (draw == nullptr) {
                return std::nullopt;
            }
            n = draw->balls[static_cast<std::size_t>(p)];
        } else {
            n = uniform(game_.mainpool);
        }
        // A damaged history must not put a number outside the game into an entry.
        if (n < 1 || n > game_.mainpool) {
            return std::nullopt;
        }
        e.balls[static_cast<std::size_t>(p)] = static_cast<qint16>(n);
    }
    const int extraPool = game_.bonuspool > 0         ? game_.bonuspool
                          : game_.extraFromMainPool() ? game_.mainpool
                                                      : 0;
    if (extraPool > 0) {
        int n = 0;
        if (past) {
            const DrawRecord* draw = pastDraw();
            if (draw == nullptr) {
                return std::nullopt;
            }
            n = draw->extra;
        } else {
            n = uniform(extraPool);
        }
        if (n < 1 || n > extraPool) {
            return std::nullopt;
        }
        e.extra = static_cast<qint16>(n);
    }
    NumberMask mask;
    for (int p = 0; p < k_; ++p) {
        if (!mask.add(e.balls[static_cast<std::size_t>(p)])) {
            return std::nullopt;
        }
    }
    // An extra from the main pool is a further number of the entry, as a typed one must be.
    if (game_.bonuspool == 0 && mask.has(e.extra)) {
        return std::nullopt;
    }
    sortNumbers(std::span(e.balls).first(static_cast<std::size_t>(k_)));
    if (sharesTooMany(mask, e.balls)) {
        return std::nullopt;
    }
    return e;
}

SuggestOutcome runSuggestions(Suggester& suggester, DrawFile& file, int wanted,
                              const SuggestHooks& hooks) {
    SuggestOutcome outcome;
    int failed = 0;
    while (outcome.made < wanted) {
        const std::optional<Entry> candidate = suggester.attempt();
        if (!candidate) {
            ++failed;
            if (failed >= kMaxFailedAttempts) {
                outcome.end = SuggestEnd::NoMore;
                return outcome;
            }
            if (failed % kAttemptsPerPoll == 0 && hooks.cancelled && hooks.cancelled()) {
                outcome.end = SuggestEnd::Cancelled;
                return outcome;
            }
            continue;
        }
        failed = 0;
        const Appended appended = appendEntry(file, *candidate);
        if (appended.result != DrawFile::Append::Done) {
            outcome.end = SuggestEnd::WriteFailed;
            outcome.failure = appended.result;
            return outcome;
        }
        suggester.remember(*candidate);
        ++outcome.made;
        if (hooks.accepted) {
            hooks.accepted(*candidate, appended.count);
        }
        if (hooks.cancelled && hooks.cancelled()) {
            outcome.end = SuggestEnd::Cancelled;
            return outcome;
        }
    }
    return outcome;
}

QString noMoreSuggestionsMessage(int made) {
    return QStringLiteral(
               "No further entry could be found that differs enough from the entries in the "
               "file. Entries added: %1")
        .arg(made);
}

QString suggestEndMessage(const SuggestOutcome& outcome) {
    switch (outcome.end) {
        case SuggestEnd::Done:
        case SuggestEnd::Cancelled:
            return {};
        case SuggestEnd::NoMore:
            return noMoreSuggestionsMessage(outcome.made);
        case SuggestEnd::WriteFailed:
            break;
    }
    // The entries written before stay: say how many.
    const QString what =
        outcome.failure == DrawFile::Append::Full
            ? QStringLiteral("This file cannot hold more than %1 records.").arg(kMaxRecordCount)
            : QStringLiteral("The entry could not be added to the entry file.");
    return what + QStringLiteral(" Entries added: %1").arg(outcome.made);
}

}  // namespace entries
