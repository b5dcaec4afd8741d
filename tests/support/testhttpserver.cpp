#include "support/testhttpserver.h"

#include <gtest/gtest.h>

#include <memory>

#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
QByteArray reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}
}  // namespace

TestHttpServer::TestHttpServer() {
    connect(&server_, &QTcpServer::newConnection, this, &TestHttpServer::accept);
    if (!server_.listen(QHostAddress::LocalHost, 0)) {
        ADD_FAILURE() << "The test server cannot listen: " << server_.errorString().toStdString();
    }
}

TestHttpServer::~TestHttpServer() = default;

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1").arg(port()) + path;
}

QString TestHttpServer::refusedUrl(const QString& path) {
    // A port just released by a listener: nothing else takes it in the moment a test needs.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port) + path;
}

QByteArray TestHttpServer::htmlPage() {
    return "<!DOCTYPE html>\n<html><head><title>Not here</title></head>"
           "<body><p>The page you asked for is not here.</p></body></html>\n";
}

void TestHttpServer::setReply(const QString& path, Reply reply) {
    replies_[path] = std::move(reply);
}

void TestHttpServer::serve(const QString& path, const QByteArray& body) {
    Reply r;
    r.body = body;
    setReply(path, r);
}

void TestHttpServer::serveFile(const QString& path, const QString& fileOnDisk) {
    QFile f(fileOnDisk);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "The test server cannot read " << fileOnDisk.toStdString();
    }
    serve(path, f.readAll());
}

void TestHttpServer::serveHtmlPage(const QString& path) {
    Reply r;
    r.body = htmlPage();
    r.contentType = "text/html";
    setReply(path, r);
}

void TestHttpServer::serveStatus(const QString& path, int status) {
    Reply r;
    r.status = status;
    r.body = htmlPage();
    r.contentType = "text/html";
    setReply(path, r);
}

void TestHttpServer::redirect(const QString& path, const QString& target, int status) {
    Reply r;
    r.status = status;
    r.location = target.toUtf8();
    setReply(path, r);
}

void TestHttpServer::serveWithLength(const QString& path, const QByteArray& body,
                                     qint64 claimedLength) {
    Reply r;
    r.body = body;
    r.claimedLength = claimedLength;
    setReply(path, r);
}

void TestHttpServer::serveWithoutLength(const QString& path, const QByteArray& body) {
    Reply r;
    r.body = body;
    r.sendLength = false;
    setReply(path, r);
}

void TestHttpServer::serveAndCloseAfter(const QString& path, const QByteArray& body,
                                        qsizetype bytes) {
    Reply r;
    r.body = body;
    r.closeAfter = bytes;
    setReply(path, r);
}

void TestHttpServer::serveAndStallAfter(const QString& path, const QByteArray& body,
                                        qsizetype bytes) {
    Reply r;
    r.body = body;
    r.stallAfter = bytes;
    setReply(path, r);
}

void TestHttpServer::serveDripping(const QString& path, const QByteArray& body,
                                   qsizetype bytesPerPiece, std::chrono::milliseconds every) {
    Reply r;
    r.body = body;
    r.dripBytes = bytesPerPiece;
    r.dripEvery = every;
    setReply(path, r);
}

void TestHttpServer::serveHuge(const QString& path, const QByteArray& body, qint64 moreBytes,
                               bool sendLength) {
    Reply r;
    r.body = body;
    r.generatedBytes = moreBytes;
    r.sendLength = sendLength;
    setReply(path, r);
}

void TestHttpServer::serveEndlessHeaders(const QString& path) {
    Reply r;
    r.endlessHeaders = true;
    setReply(path, r);
}

void TestHttpServer::redirectLoop(const QString& path) {
    redirect(path, url(path));
}

int TestHttpServer::requests(const QString& path) const {
    const auto it = counts_.find(path);
    return it == counts_.end() ? 0 : it->second;
}

QByteArray TestHttpServer::lastRequestHeader(const QString& path, const QByteArray& name) const {
    const auto it = lastHeaders_.find(path);
    if (it == lastHeaders_.end()) {
        return {};
    }
    const auto h = it->second.find(name.toLower());
    return h == it->second.end() ? QByteArray() : h->second;
}

void TestHttpServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::readRequest(QTcpSocket* socket) {
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("request", buffer);
        return;
    }
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QString path = QUrl(QString::fromLatin1(requestLine.value(1))).path();
    ++counts_[path];
    ++total_;
    auto& headers = lastHeaders_[path];
    headers.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) {
            headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
        }
    }
    answer(socket, path);
}

void TestHttpServer::answer(QTcpSocket* socket, const QString& path) {
    Reply r;
    if (const auto it = replies_.find(path); it != replies_.end()) {
        r = it->second;
    } else {
        r.status = 404;
        r.body = htmlPage();
        r.contentType = "text/html";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + reasonPhrase(r.status) +
                      "\r\nContent-Type: " + r.contentType + "\r\nConnection: close\r\n";
    if (r.endlessHeaders) {
        socket->write(head);
        pump(socket, [n = 0](qint64) mutable {
            return "X-Filler-" + QByteArray::number(n++) + ": " + QByteArray(200, 'f') + "\r\n";
        });
        return;
    }
    if (!r.location.isEmpty()) {
        head += "Location: " + r.location + "\r\n";
    }
    if (r.sendLength) {
        head += "Content-Length: " +
                QByteArray::number(r.claimedLength.value_or(r.body.size() + r.generatedBytes)) +
                "\r\n";
    }
    socket->write(head + "\r\n");

    if (r.stallAfter) {
        socket->write(r.body.left(*r.stallAfter));
        return;  // the connection stays open and silent until the server goes
    }
    QByteArray body = r.closeAfter ? r.body.left(*r.closeAfter) : r.body;
    if (r.dripBytes > 0) {
        drip(socket, body, r.dripBytes, r.dripEvery);
        return;
    }
    socket->write(body);
    if (r.generatedBytes > 0) {
        pump(socket, [left = r.generatedBytes](qint64 most) mutable {
            static const QByteArray pattern(64 * 1024, 'Z');
            const qint64 n = std::min({left, most, static_cast<qint64>(pattern.size())});
            left -= n;
            return n == pattern.size() ? pattern : pattern.left(n);
        });
        return;
    }
    socket->disconnectFromHost();
}

void TestHttpServer::pump(QTcpSocket* socket, std::function<QByteArray(qint64)> more) {
    constexpr qint64 kQueued = 64 * 1024;
    auto feed = std::make_shared<std::function<void()>>();
    *feed = [socket, more = std::move(more), done = false]() mutable {
        while (!done && socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < kQueued) {
            const QByteArray piece = more(kQueued - socket->bytesToWrite());
            if (piece.isEmpty()) {
                done = true;
                socket->disconnectFromHost();
                return;
            }
            socket->write(piece);
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, [feed] { (*feed)(); });
    (*feed)();
}

void TestHttpServer::drip(QTcpSocket* socket, QByteArray rest, qsizetype piece,
                          std::chrono::milliseconds every) {
    socket->write(rest.left(piece));
    rest.remove(0, piece);
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(every, socket,
                       [this, socket, rest, piece, every] { drip(socket, rest, piece, every); });
}
