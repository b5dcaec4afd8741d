#pragma once
// The internet transfer control: one HTTP GET at a time, either asynchronous (progress as state
// numbers, the body read back in chunks once complete) or blocking (the whole reply at once).
// Nothing is cached. A transfer that fails (network error, time-out, a status other than 200,
// a body shorter than its length header, a reply larger than the caller can use) delivers no
// body at all. Whatever the server does, a request holds at most its largest reply in memory
// and ends within its whole-request limit.
// The transfer itself runs on a thread of its own (see curltransfer.h); its states and its end
// arrive here as queued events, so the main thread never waits on the network.
#include <chrono>
#include <memory>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

namespace platform {
namespace detail {
class CurlTransfer;
struct TransferResult;
}  // namespace detail

class Inet : public QObject {
    Q_OBJECT
public:
    // The state numbers of stateChanged; callers rely on Error and ResponseCompleted.
    enum State : int {
        None = 0,
        ResolvingHost = 1,
        HostResolved = 2,
        Connecting = 3,
        Connected = 4,
        Requesting = 5,
        RequestSent = 6,
        ReceivingResponse = 7,
        ResponseReceived = 8,
        Disconnecting = 9,
        Disconnected = 10,
        Error = 11,
        ResponseCompleted = 12,
    };
    enum class Failure {
        None,
        TimedOut,  // no progress within the request time-out, or past the whole-request limit
        // refused, broken, not 200, shorter than announced, redirected in circles or from https
        // to http, compressed (a content or transfer coding), or a header past its caps (64 KiB,
        // 100 lines, with the interim replies before it and the trailers after its body)
        Failed,
        TooLarge,   // announced or sent larger than the largest reply of the request
        Abandoned,  // cancelled, replaced by a later request, or the program ended
    };
    static constexpr std::chrono::milliseconds kDefaultTimeout = std::chrono::seconds(60);
    static constexpr int kChunkSize = 256;
    static constexpr int kMostRedirects = 5;

    // What one request may cost: the largest body the caller can use, and the longest the
    // whole request may take however steadily it progresses.
    struct Limits {
        qint64 largestReply = 1024 * 1024;
        std::chrono::milliseconds wholeRequest = std::chrono::minutes(2);
    };

    explicit Inet(QObject* parent = nullptr);
    ~Inet() override;

    // The longest wait for any progress (connection, response or more bytes); a transfer that
    // waits longer fails as timed out.
    void setRequestTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds requestTimeout() const { return timeout_; }
    // For the requests that follow. A length header above the largest reply fails the request
    // before its body; a body that grows past it fails as soon as it does.
    void setLimits(Limits limits);
    Limits limits() const { return limits_; }

    // Starts a GET and returns at once; every state arrives later as stateChanged. A request
    // still running is abandoned first: nothing of it is reported or delivered any more.
    void execute(const QString& url);
    // A response header of the last completed request, "" when it has none.
    QString getHeader(const QString& name) const;
    // The next part of the body of the last completed request, at most `size` bytes; empty
    // when it has all been read (and before the request completed).
    QByteArray getChunk(int size = kChunkSize);
    bool stillExecuting() const { return transfer_ != nullptr; }
    // Abandons the running request without a further state; its thread lets go at once.
    void cancel();

    // Blocking GETs: the whole body, or empty on failure (see failure()). They return at the
    // time-out or the whole-request limit at the latest, and at once when the program ends;
    // windows go on painting meanwhile, but the player's input waits. No state is reported.
    QString openUrl(const QString& url);
    QByteArray openUrlBytes(const QString& url);

    // How the last request ended, and its HTTP status (0 when no response arrived).
    Failure failure() const { return failure_; }
    int status() const { return status_; }

signals:
    void stateChanged(int state);

private:
    void start(const QString& url, bool blocking);
    void abandon();
    void progressed(quint64 serial, State state);
    void ended(quint64 serial, const detail::TransferResult& result);
    void report(State state);

    std::unique_ptr<detail::CurlTransfer> transfer_;
    quint64 serial_ = 0;  // of the running request; events of an earlier one are dropped
    std::chrono::milliseconds timeout_ = kDefaultTimeout;
    Limits limits_;
    bool blocking_ = false;
    State lastReported_ = None;
    QByteArray body_;
    qsizetype readPos_ = 0;
    QList<QPair<QByteArray, QByteArray>> headers_;
    Failure failure_ = Failure::None;
    int status_ = 0;
};

}  // namespace platform
