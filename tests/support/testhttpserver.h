#pragma once
// A loopback HTTP server for tests: it serves bytes by path and misbehaves on request. It runs
// in the test's own thread, so it answers whenever the code under test processes events.
// Every answer closes its connection. Paths are matched without their query.
#include <chrono>
#include <map>
#include <optional>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class TestHttpServer : public QObject {
public:
    // How one path is answered.
    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        QByteArray location;                  // sent as Location when not empty
        std::optional<qint64> claimedLength;  // the length header's value; default the body's
        bool sendLength = true;               // false: no length header, the close ends the body
        std::optional<qsizetype> closeAfter;  // close the connection after this many body bytes
        std::optional<qsizetype>
            stallAfter;           // send this many body bytes, then nothing, never close
        qsizetype dripBytes = 0;  // when > 0, send the body in pieces this size ...
        std::chrono::milliseconds dripEvery{0};  // ... this far apart
    };

    TestHttpServer();
    ~TestHttpServer() override;

    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" followed by the path ("/a/b.rtl").
    QString url(const QString& path = {}) const;
    // The base of a loopback address where nothing listens: every request is refused.
    static QString refusedUrl(const QString& path = {});

    void setReply(const QString& path, Reply reply);
    // The common cases, by name.
    void serve(const QString& path, const QByteArray& body);
    void serveFile(const QString& path, const QString& fileOnDisk);
    // A web page in place of the file: "<!DOCTYPE html>..." with status 200.
    void serveHtmlPage(const QString& path);
    // An error status with a small web page as body (a path never set is answered 404).
    void serveStatus(const QString& path, int status);
    void redirect(const QString& path, const QString& target, int status = 302);
    void serveWithLength(const QString& path, const QByteArray& body, qint64 claimedLength);
    void serveWithoutLength(const QString& path, const QByteArray& body);
    void serveAndCloseAfter(const QString& path, const QByteArray& body, qsizetype bytes);
    void serveAndStallAfter(const QString& path, const QByteArray& body, qsizetype bytes);
    void serveDripping(const QString& path, const QByteArray& body, qsizetype bytesPerPiece,
                       std::chrono::milliseconds every);

    // Requests received for a path, and in all.
    int requests(const QString& path) const;
    int totalRequests() const { return total_; }
    // A header of the last request for the path ("" when none).
    QByteArray lastRequestHeader(const QString& path, const QByteArray& name) const;

    static QByteArray htmlPage();

private:
    void accept();
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);
    void drip(QTcpSocket* socket, QByteArray rest, qsizetype piece,
              std::chrono::milliseconds every);

    QTcpServer server_;
    std::map<QString, Reply> replies_;
    std::map<QString, int> counts_;
    std::map<QString, std::map<QByteArray, QByteArray>> lastHeaders_;
    int total_ = 0;
};
