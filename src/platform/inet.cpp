#include "platform/inet.h"

#include <algorithm>

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/application.h"
#include "platform/events.h"
#include "shared/ansitext.h"

namespace platform {
namespace {
// What Qt may hold of a body before we take it: the network waits while it is full.
constexpr qint64 kReadBuffer = 64 * 1024;
}  // namespace

Inet::Inet(QObject* parent) : QObject(parent) {
    manager_.setCache(nullptr);
    watchdog_.setSingleShot(true);
    deadline_.setSingleShot(true);
    // A coarse timer may fire 5 % early: a limit is never shorter than it says.
    watchdog_.setTimerType(Qt::PreciseTimer);
    deadline_.setTimerType(Qt::PreciseTimer);
    connect(&watchdog_, &QTimer::timeout, this, [this] { fail(Failure::TimedOut); });
    connect(&deadline_, &QTimer::timeout, this, [this] { fail(Failure::TimedOut); });
}

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
    cause_ = Failure::None;
    lastReported_ = None;
    body_.clear();
    readPos_ = 0;
    headers_.clear();
    failure_ = Failure::None;
    status_ = 0;

    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // A redirect loop ends here, as a failure.
    request.setMaximumRedirectsAllowed(kMostRedirects);
    request.setRawHeader("Cache-Control", "no-cache");
    // Unencoded bodies, so that the length header counts the bytes we receive.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!appTitle().isEmpty()) {
        request.setHeader(QNetworkRequest::UserAgentHeader, appTitle());
    }

    QNetworkReply* reply = manager_.get(request);
    reply_ = reply;
    reply->setReadBufferSize(std::clamp<qint64>(limits_.largestReply + 1, 1, kReadBuffer));
    // Every signal names its reply, so that one of an abandoned request is never taken for
    // the current one.
    connect(reply, &QNetworkReply::socketStartedConnecting, this,
            [this, reply] { progressed(reply, Connecting); });
    connect(reply, &QNetworkReply::requestSent, this,
            [this, reply] { progressed(reply, RequestSent); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] { answered(reply); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { received(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
    watchdog_.start(timeout_);
    deadline_.start(limits_.wholeRequest);
}

void Inet::abandon() {
    watchdog_.stop();
    deadline_.stop();
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        // Its own signal may be on the stack below us.
        reply->deleteLater();
    }
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

void Inet::progressed(QNetworkReply* reply, State state) {
    if (reply != reply_) {
        return;
    }
    watchdog_.start(timeout_);
    report(state);
}

void Inet::answered(QNetworkReply* reply) {
    if (reply != reply_) {
        return;
    }
    status_ = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limits_.largestReply) {
        fail(Failure::TooLarge);
        return;
    }
    progressed(reply, ReceivingResponse);
}

bool Inet::take(QNetworkReply* reply) {
    const qint64 available = reply->bytesAvailable();
    if (available > limits_.largestReply - body_.size()) {
        return false;
    }
    body_ += reply->read(available);
    return true;
}

void Inet::received(QNetworkReply* reply) {
    if (reply != reply_) {
        return;
    }
    if (!take(reply)) {
        fail(Failure::TooLarge);
        return;
    }
    watchdog_.start(timeout_);
    report(ReceivingResponse);
}

void Inet::fail(Failure cause) {
    QNetworkReply* reply = reply_;
    if (reply == nullptr) {
        return;
    }
    cause_ = cause;
    reply->abort();  // finishes it, as a failure
    if (reply_ == reply) {
        finished(reply);
    }
}

void Inet::finished(QNetworkReply* reply) {
    if (reply != reply_) {
        return;
    }
    watchdog_.stop();
    deadline_.stop();
    reply_ = nullptr;
    reply->deleteLater();
    // An aborted reply is closed.
    if (cause_ == Failure::None && reply->isOpen() && !take(reply)) {
        cause_ = Failure::TooLarge;
    }
    if (const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        status.isValid()) {
        status_ = status.toInt();
    }
    headers_ = reply->rawHeaderPairs();

    // A body cut short is not the file, however the connection ended.
    bool complete = true;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != body_.size()) {
        complete = false;
    }
    if (cause_ != Failure::None) {
        failure_ = cause_;
    } else if (reply->error() != QNetworkReply::NoError || status_ != 200 || !complete) {
        failure_ = Failure::Failed;
    }
    if (failure_ != Failure::None) {
        body_.clear();
        report(Error);
        return;
    }
    report(ResponseReceived);
    report(ResponseCompleted);
}

void Inet::report(State state) {
    if (blocking_ || state == lastReported_) {
        return;
    }
    lastReported_ = state;
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
