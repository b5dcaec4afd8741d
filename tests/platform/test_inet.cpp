// The transfer control against the loopback test server: the states of a transfer, chunked
// reading, every way a transfer fails, abandoned requests, and the blocking open.
#include <functional>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/application.h"
#include "platform/events.h"
#include "platform/inet.h"
#include "platform/internetcheck.h"
#include "platform/webservers.h"
#include "support/kestrovatest.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

using namespace std::chrono_literals;
using platform::Inet;

namespace {

QByteArray bytes(int n, int seed = 0) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) {
        b[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    }
    return b;
}

class Transfer : public KestrovaTest {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        QObject::connect(&inet, &Inet::stateChanged, &inet, [this](int s) { states.push_back(s); });
    }
    // Waits for the end of the transfer: an error or a completed response.
    bool ended() {
        return QTest::qWaitFor(
            [this] {
                return !states.empty() &&
                       (states.back() == Inet::Error || states.back() == Inet::ResponseCompleted);
            },
            kPatientWait.count());
    }
    QByteArray readAllChunks() {
        QByteArray all;
        for (QByteArray c = inet.getChunk(256); !c.isEmpty(); c = inet.getChunk(256)) {
            EXPECT_LE(c.size(), 256);
            all += c;
        }
        return all;
    }
    int count(int state) const {
        return static_cast<int>(std::count(states.begin(), states.end(), state));
    }

    TestHttpServer server;
    Inet inet;
    std::vector<int> states;
};

TEST_F(Transfer, ACompleteTransferReportsItsStatesAndReadsBackInChunks) {
    const QByteArray body = bytes(600);
    server.serve("/results/XWQPowerball.rtl", body);
    inet.execute(server.url("/results/XWQPowerball.rtl"));
    EXPECT_TRUE(states.empty()) << "states arrive as events, never inside execute";
    EXPECT_TRUE(inet.stillExecuting());
    EXPECT_TRUE(inet.getChunk(256).isEmpty()) << "nothing to read before completion";
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(count(Inet::Error), 0);
    // Each state once, in the order of a transfer.
    EXPECT_EQ(states,
              (std::vector<int>{Inet::Connecting, Inet::RequestSent, Inet::ReceivingResponse,
                                Inet::ResponseReceived, Inet::ResponseCompleted}));
    EXPECT_FALSE(inet.stillExecuting());
    EXPECT_EQ(inet.getHeader("Content-length"), QStringLiteral("600"));
    EXPECT_EQ(inet.getHeader("X-None"), QString());
    EXPECT_EQ(inet.getChunk(256).size(), 256);
    EXPECT_EQ(inet.getChunk(256).size(), 256);
    EXPECT_EQ(inet.getChunk(256), body.mid(512));
    EXPECT_TRUE(inet.getChunk(256).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
    EXPECT_EQ(server.requests("/results/XWQPowerball.rtl"), 1);
    // Never served from a cache.
    EXPECT_EQ(server.lastRequestHeader("/results/XWQPowerball.rtl", "cache-control"), "no-cache");
    inet.execute(server.url("/results/XWQPowerball.rtl"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !inet.stillExecuting(); }, kPatientWait.count()));
    EXPECT_EQ(server.requests("/results/XWQPowerball.rtl"), 2);
}

struct FailureCase {
    const char* name;
    // Sets the server up and gives the address to fetch.
    std::function<QString(TestHttpServer&)> setUp;
    Inet::Failure failure;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferFailure : public Transfer, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TransferFailure, IsAnErrorWithNothingToRead) {
    // Only a case that is to time out meets a short wait: a busy machine could end any other
    // at that time-out too.
    inet.setRequestTimeout(GetParam().failure == Inet::Failure::TimedOut ? 300ms : kPatientWait);
    inet.execute(GetParam().setUp(server));
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::Error);
    EXPECT_EQ(count(Inet::ResponseCompleted), 0);
    EXPECT_EQ(count(Inet::Error), 1);
    EXPECT_EQ(inet.failure(), GetParam().failure);
    EXPECT_TRUE(inet.getChunk(256).isEmpty());
    EXPECT_FALSE(inet.stillExecuting());
}

INSTANTIATE_TEST_SUITE_P(
    Server, TransferFailure,
    ::testing::Values(FailureCase{"longer_length_header",
                                  [](TestHttpServer& s) {
                                      s.serveWithLength("/f", bytes(300), 400);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::Failed},
                      FailureCase{"closed_mid_body",
                                  [](TestHttpServer& s) {
                                      s.serveAndCloseAfter("/f", bytes(1000), 700);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::Failed},
                      FailureCase{"not_found",
                                  [](TestHttpServer& s) {
                                      s.serveStatus("/f", 404);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::Failed},
                      FailureCase{"server_error",
                                  [](TestHttpServer& s) {
                                      s.serveStatus("/f", 500);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::Failed},
                      FailureCase{"redirect_to_nothing",
                                  [](TestHttpServer& s) {
                                      s.redirect("/f", s.url("/missing"));
                                      return s.url("/f");
                                  },
                                  Inet::Failure::Failed},
                      FailureCase{"refused",
                                  [](TestHttpServer&) { return TestHttpServer::refusedUrl("/f"); },
                                  Inet::Failure::Failed},
                      FailureCase{"stall_before_the_body",
                                  [](TestHttpServer& s) {
                                      s.serveAndStallAfter("/f", bytes(600), 0);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::TimedOut},
                      FailureCase{"stall_mid_body",
                                  [](TestHttpServer& s) {
                                      s.serveAndStallAfter("/f", bytes(600), 300);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::TimedOut},
                      FailureCase{"drip_slower_than_the_timeout",
                                  [](TestHttpServer& s) {
                                      s.serveDripping("/f", bytes(600), 200, 1500ms);
                                      return s.url("/f");
                                  },
                                  Inet::Failure::TimedOut}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfer, RepliesThatCompleteButMayNotBeTheFile) {
    // The caller judges these: a missing length header, a web page, a followed redirect.
    server.serveWithoutLength("/nolength", bytes(300));
    inet.execute(server.url("/nolength"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(inet.getHeader("Content-length"), QString());
    EXPECT_EQ(readAllChunks(), bytes(300));

    states.clear();
    server.serveHtmlPage("/page");
    inet.execute(server.url("/page"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_TRUE(readAllChunks().contains("DOCTYPE"));

    states.clear();
    server.serve("/moved/file.rtl", bytes(520, 3));
    server.redirect("/file.rtl", server.url("/moved/file.rtl"));
    inet.execute(server.url("/file.rtl"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(readAllChunks(), bytes(520, 3));
    EXPECT_EQ(server.requests("/file.rtl"), 1);
    EXPECT_EQ(server.requests("/moved/file.rtl"), 1);
}

TEST_F(Transfer, ASlowDripWithinTheTimeoutArrivesWhole) {
    const QByteArray body = bytes(1000, 5);
    server.serveDripping("/drip", body, 97, 20ms);
    inet.setRequestTimeout(2s);
    inet.execute(server.url("/drip"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(readAllChunks(), body);
}

TEST_F(Transfer, AStateHandlerReadsTheChunksWhileEventsGoOn) {
    // As the download windows do: on completion, one chunk at a time with events processed
    // between; a cancel among those events stops the reading.
    const QByteArray body = bytes(2000, 9);
    server.serve("/file.rtl", body);
    QByteArray written;
    int chunks = 0;
    bool cancelAfterThree = false;
    QObject::connect(&inet, &Inet::stateChanged, &inet, [&](int state) {
        if (state != Inet::ResponseCompleted) {
            return;
        }
        for (QByteArray c = inet.getChunk(256); !c.isEmpty(); c = inet.getChunk(256)) {
            written += c;
            if (++chunks == 3 && cancelAfterThree) {
                QTimer::singleShot(0, &inet, [&] { inet.cancel(); });
            }
            platform::doEvents();
        }
    });
    inet.execute(server.url("/file.rtl"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(written, body);
    EXPECT_EQ(chunks, 8);

    written.clear();
    chunks = 0;
    cancelAfterThree = true;
    inet.execute(server.url("/file.rtl"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return chunks >= 3 && !inet.stillExecuting(); },
                                kPatientWait.count()));
    EXPECT_EQ(written, body.left(3 * 256));
}

TEST_F(Transfer, AnAbandonedRequestIsNeverReportedNorRead) {
    // Replaced by a later request before its reply was handled.
    server.serve("/old", QByteArray(400, 'o'));
    server.serve("/new", QByteArray(300, 'n'));
    inet.execute(server.url("/old"));
    inet.execute(server.url("/new"));
    ASSERT_TRUE(ended());
    EXPECT_EQ(count(Inet::ResponseCompleted), 1);
    EXPECT_EQ(count(Inet::Error), 0);
    EXPECT_EQ(readAllChunks(), QByteArray(300, 'n'));

    // Cancelled halfway: no state follows, and the next request reads only its own bytes.
    states.clear();
    server.serveDripping("/slow", QByteArray(1000, 's'), 100, 20ms);
    inet.execute(server.url("/slow"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return count(Inet::ReceivingResponse) > 0; },
                                kPatientWait.count()));
    inet.cancel();
    EXPECT_FALSE(inet.stillExecuting());
    EXPECT_EQ(inet.failure(), Inet::Failure::Abandoned);
    EXPECT_TRUE(inet.getChunk(256).isEmpty());
    const std::size_t before = states.size();
    inet.execute(server.url("/new"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !inet.stillExecuting(); }, kPatientWait.count()));
    ASSERT_EQ(states.back(), Inet::ResponseCompleted);
    EXPECT_EQ(count(Inet::Error), 0);
    EXPECT_GT(states.size(), before);
    EXPECT_EQ(readAllChunks(), QByteArray(300, 'n'));
}

TEST_F(Transfer, AHandlerMayDeleteTheControlOrStartAnotherRequest) {
    server.serve("/a", "first");
    server.serve("/b", "second");
    // Deleted by the handler of each state in turn: nothing of it is touched afterwards (the
    // sanitizer sees to that), and nothing more is reported.
    for (const int deleteAt : {int(Inet::ReceivingResponse), int(Inet::ResponseReceived),
                               int(Inet::ResponseCompleted), int(Inet::Error)}) {
        SCOPED_TRACE(deleteAt);
        QObject context;
        auto* doomed = new Inet;
        std::vector<int> seen;
        QObject::connect(doomed, &Inet::stateChanged, &context, [&](int s) {
            seen.push_back(s);
            if (s == deleteAt) {
                delete doomed;
                doomed = nullptr;
            }
        });
        doomed->execute(deleteAt == Inet::Error ? TestHttpServer::refusedUrl("/x")
                                                : server.url("/a"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return doomed == nullptr; }, 10000));
        QTest::qWait(50);
        EXPECT_EQ(seen.back(), deleteAt);
    }

    // Another request started on ResponseReceived replaces this one: its completion is never
    // reported, and what is read is the new reply.
    bool restarted = false;
    QObject::connect(&inet, &Inet::stateChanged, &inet, [&](int s) {
        if (s == Inet::ResponseReceived && !restarted) {
            restarted = true;
            inet.execute(server.url("/b"));
        }
    });
    inet.execute(server.url("/a"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return count(Inet::ResponseCompleted) > 0; }, 10000));
    QTest::qWait(50);
    EXPECT_EQ(count(Inet::ResponseReceived), 2);
    EXPECT_EQ(count(Inet::ResponseCompleted), 1);
    EXPECT_EQ(readAllChunks(), "second");
}

TEST_F(Transfer, BlockingOpenGivesTextOrBytesAndNoStates) {
    server.serve("/playslips/XW/playslips.txt", "Game one#A1.dat#\r\nPrix \xA3#B2.dat#");
    EXPECT_EQ(inet.openUrl(server.url("/playslips/XW/playslips.txt")),
              QStringLiteral(u"Game one#A1.dat#\r\nPrix £#B2.dat#"));
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
    server.serve("/playslips/XW/A1.dat", bytes(17434));
    EXPECT_EQ(inet.openUrlBytes(server.url("/playslips/XW/A1.dat")), bytes(17434));
    EXPECT_FALSE(inet.stillExecuting());
    EXPECT_TRUE(states.empty());

    server.serveAndCloseAfter("/cut", bytes(17434), 9000);
    EXPECT_TRUE(inet.openUrlBytes(server.url("/cut")).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::Failed);
    EXPECT_TRUE(inet.openUrl(TestHttpServer::refusedUrl("/x")).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::Failed);
}

TEST_F(Transfer, BlockingOpenEndsAtTheTimeoutOrWhenTheProgramEnds) {
    server.serveAndStallAfter("/stall", bytes(600), 10);
    inet.setRequestTimeout(200ms);
    EXPECT_TRUE(inet.openUrlBytes(server.url("/stall")).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::TimedOut);

    inet.setRequestTimeout(Inet::kDefaultTimeout);
    QTimer::singleShot(50ms, &inet, [] { platform::endProgram(); });
    EXPECT_TRUE(inet.openUrl(server.url("/stall")).isEmpty());
    EXPECT_EQ(inet.failure(), Inet::Failure::Abandoned);
    EXPECT_FALSE(inet.stillExecuting());
    // Once the program has ended, a blocking open returns at once.
    EXPECT_TRUE(inet.openUrlBytes(server.url("/stall")).isEmpty());
}

TEST_F(Transfer, ConnectionAndSiteChecks) {
    platform::setAppTitle("Kestrova Powerball and Mega Millions");
    EXPECT_TRUE(platform::siteResponds(server.url("/")));  // a 404 still answers
    EXPECT_EQ(server.lastRequestHeader("/", "user-agent"), "Kestrova Powerball and Mega Millions");
    platform::setAppTitle({});
    EXPECT_FALSE(platform::siteResponds(TestHttpServer::refusedUrl("/")));
    EXPECT_TRUE(platform::connectedState().has_value());
    platform::setInternetCheckHandler({[] { return false; }, [] { return true; }});
    EXPECT_FALSE(platform::connectedState().has_value());
}

TEST_F(Transfer, ServerAddressesAreOverriddenInProcess) {
    const platform::WebServers program = platform::webServers();
    EXPECT_TRUE(program.results.startsWith("https://"));
    platform::setWebServers({server.url(), server.url(), server.url()});
    EXPECT_EQ(platform::webServers().download, server.url());
    platform::setWebServers({});
    EXPECT_EQ(platform::webServers().playslips, program.playslips);
}

}  // namespace
