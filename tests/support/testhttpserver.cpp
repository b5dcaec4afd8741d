#include "support/testhttpserver.h"
#include "support/waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
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

// A key and a self-signed certificate for 127.0.0.1, made once per process.
struct Credentials {
    QSslKey key;
    QSslCertificate certificate;
    QString certificateFile;
};

QTemporaryDir& credentialsFolder() {
    static QTemporaryDir folder;
    return folder;
}

Credentials makeCredentials(const QString& name) {
    const QDir dir(credentialsFolder().path());
    const QString keyFile = dir.filePath(name + ".key");
    const QString certFile = dir.filePath(name + ".pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", keyFile, "-out", certFile});
    Credentials c;
    if (!openssl.waitForFinished(kChildProcessWaitMs) ||
        openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        ADD_FAILURE() << "openssl made no certificate: "
                      << openssl.readAllStandardError().toStdString()
                      << openssl.errorString().toStdString();
        return c;
    }
    QFile key(keyFile);
    if (key.open(QIODevice::ReadOnly)) {
        c.key = QSslKey(key.readAll(), QSsl::Ec);
    }
    const auto certificates = QSslCertificate::fromPath(certFile);
    if (!certificates.isEmpty()) {
        c.certificate = certificates.front();
    }
    c.certificateFile = certFile;
    EXPECT_FALSE(c.key.isNull() || c.certificate.isNull()) << "unreadable test certificate";
    return c;
}

const Credentials& credentials(TestHttpServer::Tls tls) {
    static const Credentials trusted = [] {
        Credentials c = makeCredentials(QStringLiteral("trusted"));
        qputenv("SSL_CERT_FILE", c.certificateFile.toLocal8Bit());
        return c;
    }();
    static const Credentials untrusted = makeCredentials(QStringLiteral("untrusted"));
    return tls == TestHttpServer::Tls::Trusted ? trusted : untrusted;
}

// What the writer still holds for the socket, before and after encryption.
qint64 queued(QTcpSocket* socket) {
    const auto* tls = qobject_cast<QSslSocket*>(socket);
    return socket->bytesToWrite() + (tls ? tls->encryptedBytesToWrite() : 0);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    }
    return b;
}

// RFC 1952: qCompress's zlib stream without its length prefix, zlib header and Adler-32, framed
// as gzip.
QByteArray gzip(const QByteArray& body) {
    const QByteArray zlib = qCompress(body, 9).mid(4);
    const QByteArray deflate = zlib.mid(2, zlib.size() - 6);
    return QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff", 10) + deflate +
           le32(crc32(body)) + le32(static_cast<quint32>(body.size()));
}
}  // namespace

TestHttpServer::TestHttpServer(Tls tls) : tls_(tls) {
    if (tls == Tls::None) {
        server_ = std::make_unique<QTcpServer>();
    } else {
        const Credentials& c = credentials(tls);
        auto ssl = std::make_unique<QSslServer>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setPrivateKey(c.key);
        config.setLocalCertificate(c.certificate);
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        ssl->setSslConfiguration(config);
        server_ = std::move(ssl);
    }
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, &TestHttpServer::accept);
    if (!server_->listen(QHostAddress::LocalHost, 0)) {
        ADD_FAILURE() << "The test server cannot listen: " << server_->errorString().toStdString();
    }
}

TestHttpServer::~TestHttpServer() = default;

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("%1://127.0.0.1:%2")
               .arg(tls_ == Tls::None ? QStringLiteral("http") : QStringLiteral("https"))
               .arg(port()) +
           path;
}

TestHttpServer& TestHttpServer::peer(Tls tls) {
    peers_.push_back(std::make_unique<TestHttpServer>(tls));
    return *peers_.back();
}

QString TestHttpServer::trustedCertificateFile() {
    return credentials(Tls::Trusted).certificateFile;
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
    serveEndless(path, Reply::Endless::HeaderLines);
}

void TestHttpServer::serveEndless(const QString& path, Reply::Endless endless) {
    Reply r;
    r.endless = endless;
    setReply(path, r);
}

void TestHttpServer::serveGzip(const QString& path, const QByteArray& body) {
    Reply r;
    r.body = gzip(body);
    r.extraHeaders = "Content-Encoding: gzip\r\n";
    setReply(path, r);
}

void TestHttpServer::serveGzipTransfer(const QString& path, const QByteArray& body) {
    Reply r;
    r.body = gzip(body);
    r.chunked = true;
    r.transferEncoding = "gzip, chunked";
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
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
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
    if (onRequest_) {
        onRequest_(path);
    }
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
    QByteArray head = r.interim + "HTTP/1.1 " + QByteArray::number(r.status) + ' ' +
                      reasonPhrase(r.status) + "\r\nContent-Type: " + r.contentType +
                      "\r\nConnection: close\r\n" + r.extraHeaders;
    if (r.endless != Reply::Endless::None) {
        answerEndless(socket, head, r.endless);
        return;
    }
    if (!r.location.isEmpty()) {
        head += "Location: " + r.location + "\r\n";
    }
    if (r.chunked) {
        head += "Transfer-Encoding: " + r.transferEncoding + "\r\n";
    } else if (r.sendLength) {
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
    QByteArray tail;
    if (r.chunked) {
        socket->write((r.chunkSizeLine.isEmpty()
                           ? QByteArray::number(body.size() + r.generatedBytes, 16)
                           : r.chunkSizeLine) +
                      "\r\n");
        tail = "\r\n0\r\n" + r.trailers + "\r\n";
    }
    socket->write(body);
    pump(socket, [left = r.generatedBytes, tail](qint64 most) mutable {
        static const QByteArray pattern(64 * 1024, 'Z');
        if (left == 0) {
            return std::exchange(tail, {});
        }
        const qint64 n = std::min({left, most, static_cast<qint64>(pattern.size())});
        left -= n;
        return n == pattern.size() ? pattern : pattern.left(n);
    });
}

void TestHttpServer::answerEndless(QTcpSocket* socket, const QByteArray& head,
                                   Reply::Endless endless) {
    using Endless = Reply::Endless;
    static const QByteArray hexDigits(16 * 1024, 'f');
    static const QByteArray letters(16 * 1024, 'x');
    switch (endless) {
        case Endless::HeaderLines:
            socket->write(head);
            pump(socket, [n = 0](qint64) mutable {
                return "X-Filler-" + QByteArray::number(n++) + ": " + QByteArray(200, 'f') + "\r\n";
            });
            return;
        case Endless::ShortHeaderLines:
            socket->write(head);
            pump(socket, [n = 0](qint64) mutable {
                QByteArray lines;
                for (int i = 0; i < 512; ++i) {
                    lines += "X-" + QByteArray::number(n++) + ": 1\r\n";
                }
                return lines;
            });
            return;
        case Endless::HeaderLine:
            socket->write(head + "X-Endless: ");
            pump(socket, [](qint64) { return letters; });
            return;
        case Endless::ChunkSizeLine:
            socket->write(head + "Transfer-Encoding: chunked\r\n\r\n1");
            pump(socket, [](qint64) { return hexDigits; });
            return;
        case Endless::ChunkExtension:
            socket->write(head + "Transfer-Encoding: chunked\r\n\r\n10;x=");
            pump(socket, [](qint64) { return letters; });
            return;
        case Endless::None:
            break;
    }
}

void TestHttpServer::pump(QTcpSocket* socket, std::function<QByteArray(qint64)> more) {
    // A little at a time, so that the test's other events come between the pieces.
    constexpr qint64 kQueued = 64 * 1024;
    auto feed = std::make_shared<std::function<void()>>();
    *feed = [socket, more = std::move(more), done = false]() mutable {
        while (!done && socket->state() == QAbstractSocket::ConnectedState &&
               queued(socket) < kQueued) {
            const QByteArray piece = more(kQueued - queued(socket));
            if (piece.isEmpty()) {
                done = true;
                socket->disconnectFromHost();
                return;
            }
            socket->write(piece);
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, [feed] { (*feed)(); });
    if (auto* tls = qobject_cast<QSslSocket*>(socket)) {
        connect(tls, &QSslSocket::encryptedBytesWritten, socket, [feed] { (*feed)(); });
    }
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
