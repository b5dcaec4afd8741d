// The transfer control against servers that try to make it hold too much or wait too long: every
// request ends within its limits, asynchronous or blocking, with nothing to read.
#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "platform/inet.h"
#include "platform/internetcheck.h"
#include "support/kestrovatest.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

using namespace std::chrono_literals;
using platform::Inet;

namespace {

constexpr qint64 k512MiB = qint64{512} * 1024 * 1024;
constexpr qint64 kLargest = 1000;
constexpr auto kProgressTimeout = 600ms;
constexpr auto kWholeRequest = 2000ms;

QByteArray bytes(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) {
        b[i] = static_cast<char>(i * 13 & 0xFF);
    }
    return b;
}

struct Hostile {
    const char* name;
    std::function<void(TestHttpServer&)> serve;  // at "/f"
    Inet::Failure failure;
    // Short only for the limit the row ends at; a failure other than TimedOut is refused at
    // once, and a time-out could end it no sooner than kPatientWait.
    std::chrono::milliseconds progressTimeout = kPatientWait;
    std::chrono::milliseconds wholeRequest = kPatientWait;

    std::chrono::milliseconds limit() const { return std::min(progressTimeout, wholeRequest); }
};

void PrintTo(const Hostile& h, std::ostream* os) {
    *os << h.name;
}

class HostileServer : public KestrovaTest, public ::testing::WithParamInterface<Hostile> {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        inet.setRequestTimeout(GetParam().progressTimeout);
        inet.setLimits({kLargest, GetParam().wholeRequest});
        QObject::connect(&inet, &Inet::stateChanged, &inet, [this](int s) { states.push_back(s); });
        GetParam().serve(server);
    }
    // Not before its limit (a busy machine only makes it later), and not long after it.
    void expectEndedInTime(const QElapsedTimer& clock) {
        const std::chrono::milliseconds took(clock.elapsed());
        if (GetParam().failure == Inet::Failure::TimedOut) {
            EXPECT_GE(took, GetParam().limit() - 100ms);
            EXPECT_LT(took, GetParam().limit() + kBusyMachineSlack);
        } else {
            EXPECT_LT(took, GetParam().limit()) << "refused only by a time-out";
        }
    }

    TestHttpServer server;
    Inet inet;
    std::vector<int> states;
};

TEST_P(HostileServer, AnAsynchronousRequestEndsInTimeAsAnError) {
    QElapsedTimer clock;
    clock.start();
    inet.execute(server.url("/f"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !inet.stillExecuting(); }, 30000));
    expectEndedInTime(clock);
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), Inet::Error);
    EXPECT_EQ(std::count(states.begin(), states.end(), Inet::ResponseCompleted), 0);
    EXPECT_EQ(inet.failure(), GetParam().failure);
    EXPECT_TRUE(inet.getChunk(256).isEmpty());
}

TEST_P(HostileServer, ABlockingRequestEndsInTimeWithNothing) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(inet.openUrlBytes(server.url("/f")).isEmpty());
    expectEndedInTime(clock);
    EXPECT_EQ(inet.failure(), GetParam().failure);
    EXPECT_FALSE(inet.stillExecuting());
    EXPECT_TRUE(states.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileServer,
    ::testing::Values(
        Hostile{"gigantic_length_header",
                [](TestHttpServer& s) {
                    TestHttpServer::Reply r;
                    r.body = bytes(100);
                    r.claimedLength = qint64{1} << 60;
                    r.stallAfter = 100;
                    s.setReply("/f", r);
                },
                Inet::Failure::TooLarge},
        Hostile{"length_one_above_the_largest",
                [](TestHttpServer& s) { s.serve("/f", bytes(kLargest + 1)); },
                Inet::Failure::TooLarge},
        Hostile{"512_MiB_with_length", [](TestHttpServer& s) { s.serveHuge("/f", {}, k512MiB); },
                Inet::Failure::TooLarge},
        Hostile{"512_MiB_without_length",
                [](TestHttpServer& s) { s.serveHuge("/f", {}, k512MiB, false); },
                Inet::Failure::TooLarge},
        Hostile{"one_byte_too_many_without_length",
                [](TestHttpServer& s) { s.serveWithoutLength("/f", bytes(kLargest + 1)); },
                Inet::Failure::TooLarge},
        Hostile{"error_page_of_512_MiB",
                [](TestHttpServer& s) {
                    TestHttpServer::Reply r;
                    r.status = 404;
                    r.generatedBytes = k512MiB;
                    r.sendLength = false;
                    s.setReply("/f", r);
                },
                Inet::Failure::TooLarge},
        // Refused at the header's cap, long before any time-out.
        Hostile{"endless_headers", [](TestHttpServer& s) { s.serveEndlessHeaders("/f"); },
                Inet::Failure::Failed},
        Hostile{"redirect_loop", [](TestHttpServer& s) { s.redirectLoop("/f"); },
                Inet::Failure::Failed},
        // Steady progress: only the whole-request limit ends it.
        Hostile{"drip_past_the_whole_request_limit",
                [](TestHttpServer& s) { s.serveDripping("/f", bytes(kLargest), 1, 150ms); },
                Inet::Failure::TimedOut, kPatientWait, kWholeRequest},
        Hostile{"endless_drip_without_length",
                [](TestHttpServer& s) {
                    TestHttpServer::Reply r;
                    r.body = bytes(kLargest);
                    r.sendLength = false;
                    r.dripBytes = 1;
                    r.dripEvery = 150ms;
                    s.setReply("/f", r);
                },
                Inet::Failure::TimedOut, kPatientWait, kWholeRequest},
        Hostile{"stall", [](TestHttpServer& s) { s.serveAndStallAfter("/f", bytes(500), 10); },
                Inet::Failure::TimedOut, kProgressTimeout}),
    [](const auto& info) { return std::string(info.param.name); });

class Limits : public KestrovaTest {
protected:
    TestHttpServer server;
    Inet inet;
};

TEST_F(Limits, AReplyOfExactlyTheLargestSizeArrivesWhole) {
    inet.setLimits({kLargest, kPatientWait});
    server.serve("/f", bytes(kLargest));
    EXPECT_EQ(inet.openUrlBytes(server.url("/f")), bytes(kLargest));
    server.serveWithoutLength("/f", bytes(kLargest));
    EXPECT_EQ(inet.openUrlBytes(server.url("/f")), bytes(kLargest));
    EXPECT_EQ(inet.failure(), Inet::Failure::None);
}

TEST_F(Limits, ADownloadSlowerThanTheProgressTimeOutButWithinTheLimitCompletes) {
    // 2.8 s in all against a 2.5 s wait for progress: every pause is far shorter than that.
    constexpr auto kDripProgressTimeout = 2500ms;
    inet.setRequestTimeout(kDripProgressTimeout);
    inet.setLimits({kLargest, kPatientWait});
    server.serveDripping("/f", bytes(kLargest), 200, 700ms);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(inet.openUrlBytes(server.url("/f")), bytes(kLargest));
    EXPECT_GT(clock.elapsed(), kDripProgressTimeout.count());
    EXPECT_EQ(inet.failure(), Inet::Failure::None);

    std::vector<int> states;
    QObject::connect(&inet, &Inet::stateChanged, &inet, [&](int s) { states.push_back(s); });
    inet.execute(server.url("/f"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !inet.stillExecuting(); }, 30000));
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), Inet::ResponseCompleted);
    QByteArray all;
    for (QByteArray c = inet.getChunk(); !c.isEmpty(); c = inet.getChunk()) {
        all += c;
    }
    EXPECT_EQ(all, bytes(kLargest));
}

TEST_F(Limits, BytesBeyondTheLengthHeaderAreNeverTaken) {
    // The length header ends the body; what the server goes on sending is no part of it.
    inet.setLimits({kLargest, kPatientWait});
    TestHttpServer::Reply r;
    r.body = bytes(600);
    r.generatedBytes = k512MiB;
    r.claimedLength = 600;
    server.setReply("/f", r);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(inet.openUrlBytes(server.url("/f")), bytes(600));
    EXPECT_LT(clock.elapsed(), kBusyMachineSlack.count());
}

TEST_F(Limits, TheSiteCheckWantsAnAnswerOnly) {
    // A page of any size answers at once, and nothing of it is kept.
    server.serveHuge("/", {}, k512MiB, false);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(platform::siteResponds(server.url("/")));
    EXPECT_LT(clock.elapsed(), kBusyMachineSlack.count()) << "held to the check's 10 s limit";
}

}  // namespace
