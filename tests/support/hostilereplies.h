#pragma once
// The ways a server can try to make a download hold too much or last too long, as one table that
// every request's test runs through: each row spoils a valid reply in its own way and says how
// the request must end under the test's shortened time-outs.
#include <chrono>
#include <map>
#include <ostream>
#include <vector>

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

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

struct Row {
    const char* name;
    // Serves `valid` at `path`, spoiled in this row's way.
    void (*serve)(TestHttpServer& server, const QString& path, const QByteArray& valid);
    Ends ends;

    bool completes() const { return ends == Ends::Completing; }
};

// Gigantic length header, 512 MiB with and without a length header, more body than the length
// header announces, endless headers, drips within and past the limits, a stall, a redirect loop.
std::vector<Row> rows();

// Fails the test unless a request begun when `clock` started ended as the row says.
void expectEndedInTime(const Row& row, const QElapsedTimer& clock);

// Every file of the folder with its bytes.
std::map<QString, QByteArray> snapshot(const QString& folder);

inline void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace hostile
