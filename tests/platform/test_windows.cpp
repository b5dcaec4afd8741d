// The window model, the close box, the wait loops and ending the program.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTimer>

#include "platform/events.h"
#include "platform/windows.h"
#include "support/kestrovatest.h"
#include "support/waits.h"

namespace {

int loads = 0;

class Child : public platform::Form {
public:
    Child() : platform::Form(QStringLiteral("Child")) {}
    void Form_Load() override { ++loads; }
    void closeBox() override {
        closedByBox = true;
        platform::Windows::unload(this);
    }
    bool closedByBox = false;
    int value = 0;
};

class Stubborn : public platform::Form {
public:
    Stubborn() : platform::Form(QStringLiteral("Stubborn")) {}
    void closeBox() override { ++asked; }  // refuses to go
    int asked = 0;
};

// A window whose load finds it cannot open, as a window with a broken data file does.
class Refuses : public platform::Form {
public:
    Refuses() : platform::Form(QStringLiteral("Refuses")) {}
    void Form_Load() override { platform::Windows::unload(this); }
};

}  // namespace

class WindowModel : public KestrovaTest {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        loads = 0;
        platform::Windows::registerWindow<Child>(QStringLiteral("Child"));
        platform::Windows::registerWindow<Stubborn>(QStringLiteral("Stubborn"));
        platform::Windows::registerWindow<Refuses>(QStringLiteral("Refuses"));
    }
};

TEST_F(WindowModel, AWindowThatUnloadsWhileItLoadsIsNeverShown) {
    EXPECT_EQ(platform::Windows::show("Refuses"), nullptr);
    EXPECT_EQ(platform::Windows::find("Refuses"), nullptr);
    EXPECT_TRUE(platform::Windows::liveNames().isEmpty());
}

TEST_F(WindowModel, OneLiveInstancePerNameLoadedOnce) {
    EXPECT_EQ(platform::Windows::find("Child"), nullptr);
    Child* a = platform::Windows::get<Child>("Child");
    Child* b = platform::Windows::get<Child>("Child");
    EXPECT_EQ(a, b);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(a->objectName(), QStringLiteral("Child"));
}

TEST_F(WindowModel, UnloadDestroysAndTheNextUseMakesAFreshWindow) {
    Child* a = platform::Windows::get<Child>("Child");
    a->value = 7;
    QPointer<Child> guard(a);
    platform::Windows::unload(a);
    EXPECT_EQ(platform::Windows::find("Child"), nullptr);
    platform::doEvents();
    EXPECT_TRUE(guard.isNull());
    Child* b = platform::Windows::get<Child>("Child");
    EXPECT_EQ(b->value, 0);
    EXPECT_EQ(loads, 2);
}

TEST_F(WindowModel, CloseBoxRunsTheWindowsOwnPath) {
    Child* a = static_cast<Child*>(platform::Windows::show("Child"));
    EXPECT_TRUE(a->isVisible());
    QPointer<Child> guard(a);
    a->close();
    EXPECT_EQ(platform::Windows::find("Child"), nullptr);
    platform::doEvents();
    EXPECT_TRUE(guard.isNull());

    auto* s = static_cast<Stubborn*>(platform::Windows::show("Stubborn"));
    s->close();
    EXPECT_EQ(s->asked, 1);
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(platform::Windows::find("Stubborn"), s);
}

TEST_F(WindowModel, WaitEndsWhenTheChildSetsTheFlag) {
    bool done = false;
    int turns = 0;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        platform::Windows::show("Child");
        // The wait keeps the events flowing for a few turns before the child is done.
        const auto thirdTurn = [&] { return ++turns == 3; };
        whenTrue(&context, thirdTurn, [&] {
            platform::Windows::unload("Child");
            done = true;
        });
    });
    platform::waitUntil(done);
    EXPECT_TRUE(done);
    EXPECT_EQ(turns, 3);
    EXPECT_EQ(platform::Windows::find("Child"), nullptr);
}

TEST_F(WindowModel, EndingTheProgramReleasesEveryWait) {
    bool never = false;
    QObject context;
    QTimer::singleShot(0, &context, [] { platform::endProgram(); });
    platform::waitUntil(never);
    EXPECT_FALSE(never);
    EXPECT_TRUE(platform::programEnded());
}
