#include "platform/inet.h"

#include <algorithm>

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include "platform/application.h"
#include "platform/curltransfer.h"
#include "platform/events.h"
#include "shared/ansitext.h"

namespace platform {

Inet::Inet(QObject* parent) : QObject(parent) {}

Inet::~Inet() {
    abandon();
}

void Inet::setRequestTimeout(std::chrono::milliseconds timeout) {
    timeout_ = timeout.count() > 0 ? timeout : kDefaultTimeout;
}

void Inet::setLimits(Limits limits) {
    limits.largestReply = std::max<qint64>(limits.largestReply, 0);
    if (limits.wholeRequest.count() <= 0) {
        limits.wholeRequest = Limits{}.wholeRequest;
    }
    limits_ = limits;
}

void Inet::execute(const QString& url) {
    start(url, false);
}

void Inet::start(const QString& url, bool blocking) {
    abandon();
    blocking_ = blocking;
    lastReported_ = None;
    body_.clear();
    readPos_ = 0;
    headers_.clear();
    failure_ = Failure::None;
    status_ = 0;

    const quint64 serial = ++serial_;
    detail::TransferRequest request;
    request.url = url.toUtf8();
    request.userAgent = appTitle().toUtf8();
    request.largestReply = limits_.largestReply;
    request.progressTimeout = timeout_;
    request.wholeRequest = limits_.wholeRequest;
    // Called on the transfer's thread: only queued events reach this object, and the thread
    // is stopped and joined before this object goes.
    auto state = [this, serial](State s) {
        QMetaObject::invokeMethod(
            this, [this, serial, s] { progressed(serial, s); }, Qt::QueuedConnection);
    };
    auto end = [this, serial](detail::TransferResult result) {
        QMetaObject::invokeMethod(
            this, [this, serial, result = std::move(result)] { ended(serial, result); },
            Qt::QueuedConnection);
    };
    transfer_ = std::make_unique<detail::CurlTransfer>(std::move(request), std::move(state),
                                                       std::move(end));
}

void Inet::abandon() {
    // Stopped and woken, the transfer's thread ends within one short poll.
    transfer_.reset();
}

void Inet::cancel() {
    const bool running = stillExecuting();
    abandon();
    body_.clear();
    readPos_ = 0;
    if (running) {
        failure_ = Failure::Abandoned;
    }
}

void Inet::progressed(quint64 serial, State state) {
    if (serial != serial_ || !stillExecuting()) {
        return;
    }
    report(state);
}

void Inet::ended(quint64 serial, const detail::TransferResult& result) {
    if (serial != serial_ || !stillExecuting()) {
        return;
    }
    // The end is the thread's last act: it is gone at once.
    transfer_.reset();
    failure_ = result.failure;
    status_ = result.status;
    headers_ = result.headers;
    body_ = failure_ == Failure::None ? result.body : QByteArray();
    if (failure_ != Failure::None) {
        report(Error);
        return;
    }
    // A handler of that state may have deleted this control or started another request:
    // nothing of it is touched unless it is still here and still on this request.
    const QPointer<Inet> self(this);
    report(ResponseReceived);
    if (self && serial == serial_) {
        report(ResponseCompleted);
    }
}

void Inet::report(State state) {
    if (blocking_ || state == lastReported_) {
        return;
    }
    lastReported_ = state;
    // The last thing done: a handler may delete this control.
    emit stateChanged(state);
}

QString Inet::getHeader(const QString& name) const {
    const QByteArray wanted = name.toLatin1().toLower();
    for (const auto& [key, value] : headers_) {
        if (key.toLower() == wanted) {
            return QString::fromLatin1(value);
        }
    }
    return {};
}

QByteArray Inet::getChunk(int size) {
    if (stillExecuting() || size <= 0) {
        return {};
    }
    const QByteArray chunk = body_.mid(readPos_, size);
    readPos_ += chunk.size();
    return chunk;
}

QByteArray Inet::openUrlBytes(const QString& url) {
    start(url, true);
    while (stillExecuting() && !programEnded()) {
        // The network and timers go on; the player's clicks wait until the reply is in.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
    }
    if (stillExecuting()) {
        cancel();
        return {};
    }
    return body_;
}

QString Inet::openUrl(const QString& url) {
    return fromAnsi(openUrlBytes(url));
}

}  // namespace platform
