#pragma once
// The ways a server can try to make a download hold too much or last too long, as one table that
// every request's test runs through: each row spoils a valid reply in its own way and says how
// the request must end under the test's shortened time-outs.
#include <chrono>
#include <functional>
#include <map>
#include <ostream>
#include <vector>

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include "support/testhttpserver.h"
#include "support/waits.h"

namespace hostile {

// What a test sets in place of the program's 10 s wait for progress and its whole-request
// limits. Each row gets short ones only for the limit it tests; the others are patient, a wait
// that no busy machine reaches, so that a loaded machine cannot end a request by the wrong one.
inline constexpr std::chrono::milliseconds kProgressTimeout{1000};
inline constexpr std::chrono::milliseconds kWholeRequest{3000};
inline constexpr std::chrono::milliseconds kPatient{kPatientWait};
// A drip that completes: pieces 600 ms apart, longer in all than this wait for progress.
inline constexpr std::chrono::milliseconds kDripProgressTimeout{2500};

enum class Ends {
    AtOnce,               // refused before any time-out could end it
    AtProgressTimeout,    // nothing arrives for that long
    AtWholeRequestLimit,  // progress goes on, but too slowly
    Completing,           // the valid reply is taken, and nothing the server adds to it
    // Completing, though the reply takes longer in all than the wait for progress.
    CompletingPastTheProgressWait,
};

// What a request needs of a reply beyond a whole body: the downloader and the upgrade check
// need its length header.
enum class Needs { Nothing, Length };

struct Row {
    const char* name;
    // Serves `valid` at `path`, spoiled in this row's way.
    void (*serve)(TestHttpServer& server, const QString& path, const QByteArray& valid);
    Ends ends;
    // The server goes on sending for as long as the client reads, also after the request ended.
    bool endless = false;
    // The body arrives whole, but with no length header of the reply's own.
    bool withoutLength = false;

    bool completes(Needs needs = Needs::Nothing) const {
        return (ends == Ends::Completing || ends == Ends::CompletingPastTheProgressWait) &&
               !(withoutLength && needs == Needs::Length);
    }
};

struct Timeouts {
    std::chrono::milliseconds progress;
    std::chrono::milliseconds wholeRequest;
};
// The time-outs a request of this row runs with.
Timeouts timeoutsFor(const Row& row);
// For a request the program ends: no time-out can end it first.
inline constexpr Timeouts kNoShortTimeouts{kPatient, kPatient};

// Gigantic length header, 512 MiB with and without a length header, more body than the length
// header announces, endless headers (long lines, short lines, one line), an endless chunk size
// and chunk extension, a chunk of 2^63 - 1 bytes and one past 64 bits, a compressed body, drips
// within and past the limits, a stall, a redirect loop, two redirects, https (trusted, then
// back to http, or with an untrusted certificate), interim replies past the caps of the reply,
// chunked bodies with trailers (plain, or posing as a reply with a length), a compressed
// transfer coding, and five replies of a redirect chain each with a header of its own.
std::vector<Row> rows();
// The rows whose server never stops by itself.
std::vector<Row> endlessRows();

// Fails the test unless a request begun when `clock` started, with timeoutsFor(row), ended as
// the row says: not before its limit (a busy machine only makes it later), and within kSlack
// after it, long before a patient time-out could have ended it instead.
void expectEndedInTime(const Row& row, const QElapsedTimer& clock);

// How far past its limit a request may end on a machine loaded to twice its cores.
inline constexpr std::chrono::milliseconds kSlack{kBusyMachineSlack};
// The most the main thread may be held, not counting the time it waited for a processor, while
// a request runs. A blocking wait lasts a time-out at least (the test's server runs on the
// main thread too, so nothing arrives meanwhile), and no row's is shorter than a second; the
// rest is for the disk of a busy machine, whose waits the kernel does not tell apart.
inline constexpr std::chrono::milliseconds kLongestStall{900};
// How long ending the program or closing a window may take while the server goes on sending:
// a transfer stops within 100 ms, the rest is for a busy machine; a time-out would take
// kPatient.
inline constexpr std::chrono::milliseconds kEndsWithin{kSlack};

// Ends the program as soon as the server has begun its answer to `path`, and starts `ended`.
void endProgramOnRequest(TestHttpServer& server, const QString& path, QElapsedTimer& ended);
// Fails the test unless the program had ended (`ended` started) within kEndsWithin of the
// request, and `close` then takes no longer.
void expectEndedAtOnceThenCloses(const QElapsedTimer& ended, const std::function<void()>& close);

// A 20 ms timer on the main thread from construction on: the longest it waited between ticks.
class MainThreadWatch {
public:
    MainThreadWatch();
    // Includes the wait since the last tick.
    std::chrono::milliseconds longestGap() const;
    // The same, less the time the thread was ready to run but waited for a processor: what
    // the program itself spent blocked or busy, however loaded the machine is.
    std::chrono::milliseconds longestOwnGap() const;

private:
    void tick();

    QTimer timer_;
    QElapsedTimer sinceTick_;
    qint64 queuedAtTick_ = 0;  // ns the thread had waited for a processor, at the last tick
    qint64 longest_ = 0;
    qint64 longestOwn_ = 0;
};

// The nanoseconds this thread has waited, ready to run, for a processor; 0 where the system
// does not count it.
qint64 runQueueWait();

inline void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace hostile
