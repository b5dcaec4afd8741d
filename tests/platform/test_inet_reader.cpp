// The transfer control's reader: redirect chains, the caps on a reply's header, compressed
// replies, and how soon a stalled transfer lets go when it is cancelled, replaced or destroyed.
#include <memory>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "platform/inet.h"
#include "support/kestrovatest.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

using namespace std::chrono_literals;
using platform::Inet;

namespace {

constexpr qint64 kLargest = 1000;

// Answers every request with the same bytes, exactly as given, then closes the connection or
// holds it open and silent.
class RawServer : public QObject {
public:
    explicit RawServer(QByteArray reply, bool close = true) : reply_(std::move(reply)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this, close] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, s, [this, s, close] {
                    if (s->readAll().contains("\r\n\r\n")) {
                        s->write(reply_);
                        if (close) {
                            s->disconnectFromHost();
                        }
                    }
                });
            }
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/f").arg(server_.serverPort());
    }

private:
    QByteArray reply_;
    QTcpServer server_;
};

// A 200 reply of "hello" with header lines of `lines` in all (status line and end included),
// each a filler of `lineBytes`.
QByteArray replyWithHeader(int lines, int lineBytes) {
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n";
    for (int i = 0; i < lines - 3; ++i) {
        head += "X-F" + QByteArray::number(i) + ": " +
                QByteArray(lineBytes - 8 - static_cast<int>(QByteArray::number(i).size()), 'f') +
                "\r\n";
    }
    return head + "\r\nhello";
}

QByteArray headerOfBytes(qint64 total) {
    // The status line, the length line and the end count too.
    const QByteArray fixed = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nX-F: \r\n\r\n";
    return "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nX-F: " + QByteArray(total - fixed.size(), 'f') +
           "\r\n\r\nhello";
}

// `count` interim replies of `lines` header lines each (status line and end included).
QByteArray interimReplies(int count, int lines) {
    QByteArray one = "HTTP/1.1 103 Early Hints\r\n";
    for (int i = 0; i < lines - 2; ++i) {
        one += "Link: </s" + QByteArray::number(i) + ".css>; rel=preload\r\n";
    }
    return (one + "\r\n").repeated(count);
}

const QByteArray kHello = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello";

struct RawCase {
    const char* name;
    QByteArray reply;
    Inet::Failure failure;
    bool close = true;
};

void PrintTo(const RawCase& c, std::ostream* os) {
    *os << c.name;
}

class RawReply : public KestrovaTest, public ::testing::WithParamInterface<RawCase> {};

TEST_P(RawReply, EndsAtOnceAsItShould) {
    RawServer server(GetParam().reply, GetParam().close);
    Inet inet;
    inet.setLimits({kLargest, kPatientWait});
    inet.setRequestTimeout(kPatientWait);
    QElapsedTimer clock;
    clock.start();
    const QByteArray body = inet.openUrlBytes(server.url());
    // Refused as soon as it is read, never at a time-out.
    EXPECT_LT(clock.elapsed(), kPatientWait.count());
    EXPECT_EQ(inet.failure(), GetParam().failure);
    EXPECT_EQ(body.isEmpty(), GetParam().failure != Inet::Failure::None);
    if (GetParam().failure == Inet::Failure::None) {
        EXPECT_EQ(body, "hello");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, RawReply,
    ::testing::Values(
        RawCase{"header_of_100_lines", replyWithHeader(100, 300), Inet::Failure::None},
        // A header past its caps is a broken reply, not a large body.
        RawCase{"header_of_101_lines", replyWithHeader(101, 30), Inet::Failure::Failed},
        RawCase{"header_of_64_KiB", headerOfBytes(64 * 1024), Inet::Failure::None},
        RawCase{"header_of_64_KiB_and_a_byte", headerOfBytes(64 * 1024 + 1), Inet::Failure::Failed},
        RawCase{"header_line_of_65_KiB", headerOfBytes(65 * 1024), Inet::Failure::Failed},
        // A line without end on a connection held open: libcurl refuses it at its own cap of
        // 100 KiB a line, long before the time-out.
        RawCase{"header_line_without_end", "HTTP/1.1 200 OK\r\nX-F: " + QByteArray(300 * 1024, 'f'),
                Inet::Failure::Failed, false},
        RawCase{"compressed",
                "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 5\r\n\r\nhello",
                Inet::Failure::Failed},
        RawCase{"identity_encoding",
                "HTTP/1.1 200 OK\r\nContent-Encoding: identity\r\nContent-Length: 5\r\n\r\nhello",
                Inet::Failure::None},
        RawCase{
            "chunked",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nhel\r\n2\r\nlo\r\n0\r\n\r\n",
            Inet::Failure::None},
        // Held to the largest reply as it arrives, whatever the chunk announces.
        RawCase{"chunk_of_the_largest_size",
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7fffffffffffffff\r\n" +
                    QByteArray(4000, 'c'),
                Inet::Failure::TooLarge},
        RawCase{"chunk_size_past_64_bits",
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1ffffffffffffffff\r\n" +
                    QByteArray(100, 'c'),
                Inet::Failure::Failed},
        // An interim reply's header counts toward the caps of the reply that follows.
        RawCase{"interim_reply", interimReplies(1, 3) + kHello, Inet::Failure::None},
        RawCase{"interim_replies_past_the_caps", interimReplies(4, 90) + kHello,
                Inet::Failure::Failed},
        RawCase{"interim_reply_and_reply_past_the_caps_together",
                interimReplies(1, 60) + replyWithHeader(60, 30), Inet::Failure::Failed},
        // Nothing but the stored bytes themselves, as with a content coding.
        RawCase{
            "transfer_coding_gzip",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
            Inet::Failure::Failed},
        RawCase{"transfer_coding_in_two_lines",
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: deflate\r\nTransfer-Encoding: "
                "chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                Inet::Failure::Failed},
        RawCase{"transfer_coding_chunked_in_capitals",
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                Inet::Failure::None},
        RawCase{"trailers_past_the_caps",
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n" +
                    QByteArray(70 * 1024, 't') + "\r\n\r\n",
                Inet::Failure::Failed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KestrovaTest, AReplysHeaderIsItsOwn) {
    // Neither an interim reply's header nor the trailers, even one that looks like a status
    // line, are headers of the reply.
    RawServer server(
        "HTTP/1.1 103 Early Hints\r\nX-Interim: 1\r\nLink: </a.css>\r\n\r\n"
        "HTTP/1.1 200 OK\r\nX-Own: yes\r\nTransfer-Encoding: chunked\r\n\r\n"
        "5\r\nhello\r\n0\r\nHTTP/1.1: x\r\nContent-Length: 5\r\nX-Own: trailer\r\n"
        "\r\n");
    Inet inet;
    EXPECT_EQ(inet.openUrlBytes(server.url()), "hello");
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
    EXPECT_EQ(inet.status(), 200);
    EXPECT_EQ(inet.getHeader("X-Own"), "yes");
    EXPECT_EQ(inet.getHeader("Content-Length"), "");
    EXPECT_EQ(inet.getHeader("X-Interim"), "");
    EXPECT_EQ(inet.getHeader("Link"), "");
    EXPECT_EQ(inet.getHeader("HTTP/1.1"), "");
}

class Reader : public KestrovaTest {
protected:
    // /r1 -> /r2 -> ... -> /r<n> -> /file.
    QString chain(int redirects) {
        server.serve("/file", "the file");
        for (int i = redirects; i >= 1; --i) {
            const QString next =
                i == redirects ? QStringLiteral("/file") : QStringLiteral("/r%1").arg(i + 1);
            server.redirect(QStringLiteral("/r%1").arg(i), server.url(next), i % 2 ? 302 : 301);
        }
        return server.url(QStringLiteral("/r1"));
    }

    TestHttpServer server;
};

TEST_F(Reader, RedirectChainsCompleteUpToTheMost) {
    for (int n : {1, 2, Inet::kMostRedirects}) {
        SCOPED_TRACE(n);
        Inet inet;
        EXPECT_EQ(inet.openUrlBytes(chain(n)), "the file");
        EXPECT_EQ(inet.failure(), Inet::Failure::None);
    }
    // Two in a row asynchronously too, with every state of the final reply.
    Inet inet;
    std::vector<int> states;
    QObject::connect(&inet, &Inet::stateChanged, &inet, [&](int s) { states.push_back(s); });
    inet.execute(chain(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !inet.stillExecuting(); }, kPatientWait.count()));
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(inet.getChunk(), "the file");
    EXPECT_EQ(inet.getHeader("content-length"), "8");

    Inet tooMany;
    EXPECT_TRUE(tooMany.openUrlBytes(chain(Inet::kMostRedirects + 1)).isEmpty());
    EXPECT_EQ(tooMany.failure(), Inet::Failure::Failed);
}

TEST_F(Reader, EachReplyOfARedirectChainHasCapsOfItsOwn) {
    // Headers of 90 lines each: over 500 in all, never more than the caps in one reply.
    TestHttpServer::Reply r;
    for (int i = 0; i < 85; ++i) {
        r.extraHeaders += "X-F" + QByteArray::number(i) + ": f\r\n";
    }
    r.status = 302;
    for (int i = 1; i <= Inet::kMostRedirects; ++i) {
        r.location = server.url(QStringLiteral("/r%1").arg(i + 1)).toUtf8();
        server.setReply(QStringLiteral("/r%1").arg(i), r);
    }
    r.status = 200;
    r.location.clear();
    r.body = "the file";
    server.setReply(QStringLiteral("/r%1").arg(Inet::kMostRedirects + 1), r);
    Inet inet;
    EXPECT_EQ(inet.openUrlBytes(server.url("/r1")), "the file");
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
    EXPECT_EQ(inet.getHeader("Location"), "");
    EXPECT_EQ(inet.getHeader("X-F84"), "f");
}

TEST_F(Reader, OnlyHttpIsFollowed) {
    server.redirect("/f", "file:///etc/passwd");
    Inet inet;
    EXPECT_TRUE(inet.openUrlBytes(server.url("/f")).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::Failed);
    EXPECT_TRUE(inet.openUrlBytes("file:///etc/passwd").isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::Failed);
}

TEST_F(Reader, AProxyOfTheEnvironmentIsNeverUsed) {
    // Requests go to the server named and nowhere else.
    qputenv("http_proxy", TestHttpServer::refusedUrl().toLatin1());
    qputenv("ALL_PROXY", TestHttpServer::refusedUrl().toLatin1());
    server.serve("/f", "direct");
    Inet inet;
    EXPECT_EQ(inet.openUrlBytes(server.url("/f")), "direct");
    qunsetenv("http_proxy");
    qunsetenv("ALL_PROXY");
}

// How a stalled transfer is let go: at once, where its 60 s time-out would take that long.
constexpr qint64 kLetGoWithin = kBusyMachineSlack.count();

class Stalled : public Reader {
protected:
    void SetUp() override {
        Reader::SetUp();
        server.serveAndStallAfter("/stall", QByteArray(600, 's'), 10);
        server.serve("/next", "next");
    }
    void startStalled(Inet& inet) {
        inet.execute(server.url("/stall"));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return server.requests("/stall") > 0; }, kPatientWait.count()));
        QTest::qWait(50);
    }
};

TEST_F(Stalled, CancelLetsGoAtOnceAndTheNextRequestGoesOut) {
    Inet inet;
    startStalled(inet);
    QElapsedTimer clock;
    clock.start();
    inet.cancel();
    EXPECT_LT(clock.elapsed(), kLetGoWithin);
    EXPECT_EQ(inet.failure(), Inet::Failure::Abandoned);
    clock.restart();
    EXPECT_EQ(inet.openUrlBytes(server.url("/next")), "next");
    EXPECT_LT(clock.elapsed(), kLetGoWithin);
}

TEST_F(Stalled, ANewerRequestLetsGoAtOnce) {
    Inet inet;
    startStalled(inet);
    QElapsedTimer clock;
    clock.start();
    inet.execute(server.url("/next"));
    EXPECT_LT(clock.elapsed(), kLetGoWithin);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !inet.stillExecuting(); }, kPatientWait.count()));
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
    EXPECT_EQ(inet.getChunk(), "next");
}

TEST_F(Stalled, DestroyingTheControlLetsGoAtOnce) {
    auto inet = std::make_unique<Inet>();
    int states = 0;
    QObject::connect(inet.get(), &Inet::stateChanged, [&](int) { ++states; });
    startStalled(*inet);
    const int before = states;
    QElapsedTimer clock;
    clock.start();
    inet.reset();
    EXPECT_LT(clock.elapsed(), kLetGoWithin);
    // Nothing of it arrives later.
    QTest::qWait(100);
    EXPECT_EQ(states, before);
}

TEST_F(Stalled, ABlockingRequestLetsGoWhenItsControlIsCancelledFromAnEvent) {
    Inet inet;
    QTimer::singleShot(100ms, &inet, [&] { inet.cancel(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(inet.openUrlBytes(server.url("/stall")).isEmpty());
    EXPECT_LT(clock.elapsed(), 100 + kLetGoWithin);
    EXPECT_EQ(inet.failure(), Inet::Failure::Abandoned);
}

}  // namespace
