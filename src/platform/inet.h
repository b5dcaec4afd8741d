#pragma once
// The internet transfer control: one HTTP GET at a time, either asynchronous (progress as state
// numbers, the body read back in chunks once complete) or blocking (the whole reply at once).
// Nothing is cached. A transfer that fails (network error, time-out, a status other than 200,
// a body shorter than its length header) delivers no body at all.
#include <chrono>

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace platform {

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
        TimedOut,   // no progress within the request time-out
        Failed,     // refused, broken, not 200, or shorter than announced
        Abandoned,  // cancelled, replaced by a later request, or the program ended
    };
    static constexpr std::chrono::milliseconds kDefaultTimeout = std::chrono::seconds(60);
    static constexpr int kChunkSize = 256;

    explicit Inet(QObject* parent = nullptr);
    ~Inet() override;

    // The longest wait for any progress (connection, response or more bytes); a transfer that
    // waits longer fails as timed out.
    void setRequestTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds requestTimeout() const { return timeout_; }

    // Starts a GET and returns at once; every state arrives later as stateChanged. A request
    // still running is abandoned first: nothing of it is reported or delivered any more.
    void execute(const QString& url);
    // A response header of the last completed request, "" when it has none.
    QString getHeader(const QString& name) const;
    // The next part of the body of the last completed request, at most `size` bytes; empty
    // when it has all been read (and before the request completed).
    QByteArray getChunk(int size = kChunkSize);
    bool stillExecuting() const { return reply_ != nullptr; }
    // Abandons the running request without a further state.
    void cancel();

    // Blocking GETs: the whole body, or empty on failure (see failure()). They return at the
    // time-out at the latest, and at once when the program ends. No state is reported.
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
    void progressed(QNetworkReply* reply, State state);
    void received(QNetworkReply* reply);
    void finished(QNetworkReply* reply);
    void timedOut();
    void report(State state);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QTimer watchdog_;
    std::chrono::milliseconds timeout_ = kDefaultTimeout;
    bool blocking_ = false;
    bool timedOut_ = false;
    State lastReported_ = None;
    QByteArray body_;
    qsizetype readPos_ = 0;
    QList<QPair<QByteArray, QByteArray>> headers_;
    Failure failure_ = Failure::None;
    int status_ = 0;
};

}  // namespace platform
