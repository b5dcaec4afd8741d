#pragma once
// One HTTP GET on a thread of its own, through libcurl, for the transfer control: whatever the
// server does, the thread holds at most the reply's limits and stops within one short poll when
// told to. What happens is handed to the caller's sinks, called on the transfer's thread.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include <QByteArray>
#include <QList>
#include <QPair>

#include "platform/inet.h"

namespace platform::detail {

struct TransferRequest {
    QByteArray url;
    QByteArray userAgent;  // none sent when empty
    qint64 largestReply = 0;
    std::chrono::milliseconds progressTimeout{0};  // no byte of header or body for this long
    std::chrono::milliseconds wholeRequest{0};
};

struct TransferResult {
    Inet::Failure failure = Inet::Failure::None;
    int status = 0;                                // 0 when no response arrived
    QByteArray body;                               // empty unless it completed
    QList<QPair<QByteArray, QByteArray>> headers;  // of the last response
};

// The most a reply's header may hold, over all its lines.
constexpr qint64 kMostHeaderBytes = 64 * 1024;
constexpr int kMostHeaderLines = 100;

// False when libcurl could not be set up: no transfer can be made.
bool transfersAvailable();

class CurlTransfer {
public:
    using StateSink = std::function<void(Inet::State)>;
    // Called once at the end, unless stopped; the last thing the thread does.
    using EndSink = std::function<void(TransferResult)>;

    CurlTransfer(TransferRequest request, StateSink state, EndSink end);
    // Stops the transfer and waits for its thread, which ends within one short poll.
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    // Nothing more is reported; the connection is closed.
    void stop();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace platform::detail
