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

namespace hostile {

// What a test sets in place of the program's 10 s wait for progress and its whole-request
// limits. A drip is slower than the one in total and faster than the other between pieces.
inline constexpr std::chrono::milliseconds kProgressTimeout{1000};
inline constexpr std::chrono::milliseconds kWholeRequest{3000};

enum class Ends {
    AtOnce,               // refused before any time-out could end it
    AtProgressTimeout,    // nothing arrives for that long
    AtWholeRequestLimit,  // progress goes on, but too slowly
    Completing,           // the valid reply is taken, and nothing the server adds to it
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
        return ends == Ends::Completing && !(withoutLength && needs == Needs::Length);
    }
};

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

// Fails the test unless a request begun when `clock` started ended as the row says.
void expectEndedInTime(const Row& row, const QElapsedTimer& clock);

// The most a window may wait for the main thread while a request runs.
inline constexpr std::chrono::milliseconds kLongestStall{250};
// How long ending the program or closing a window may take while the server goes on sending:
// a transfer stops within 100 ms, the rest is for a busy machine.
inline constexpr std::chrono::milliseconds kEndsWithin{500};
// Time the machine may add to a limit when it is busy (the suites run in parallel).
inline constexpr std::chrono::milliseconds kSlack{2000};

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

private:
    QTimer timer_;
    QElapsedTimer sinceTick_;
    qint64 longest_ = 0;
};

inline void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace hostile
