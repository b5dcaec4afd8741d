// The window contract: how a closing window hands back to its opener, sets the flag its opener
// waits on, and how its Close button, the close box and Escape all run the same path; what
// Enter clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/events.h"
#include "platform/form.h"
#include "platform/windows.h"
#include "support/kestrovatest.h"

using platform::HandBack;
using platform::Windows;

namespace {

int closes = 0;  // Close paths run; the window itself is gone afterwards

class Child : public platform::Form {
public:
    Child() : platform::Form(QStringLiteral("Child")) {
        Text1 = platform::named(new QLineEdit(this), "Text1");
        Command1 = platform::named(new QPushButton(QStringLiteral("Close"), this), "Command1");
        connect(Command1, &QPushButton::clicked, this, &Child::Command1_Click);
    }
    void Command1_Click() {
        ++closes;
        handBackAndUnload();
    }
    void closeBox() override { Command1_Click(); }

    QLineEdit* Text1;
    QPushButton* Command1;
};

}  // namespace

class WindowContract : public KestrovaTest {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        closes = 0;
        for (const char* name : {"Opener", "Bystander"}) {
            Windows::registerWindow(QString::fromLatin1(name), [name] {
                return std::make_unique<platform::Form>(QString::fromLatin1(name));
            });
        }
        Windows::registerWindow<Child>(QStringLiteral("Child"));
        opener = Windows::show(QStringLiteral("Opener"));
    }

    // Opens the child as an opener does that disables itself first.
    Child& openChild() {
        opener->setEnabled(false);
        return *Windows::get<Child>(QStringLiteral("Child"));
    }

    platform::Form* opener = nullptr;
};

struct HandBackCase {
    const char* label;
    bool openerByName;
    HandBack how;
    bool enabledAfter;
    bool openerInFront;  // else the window that was in front stays there
};

void PrintTo(const HandBackCase& c, std::ostream* os) {
    *os << c.label;
}

class EachHandBack : public WindowContract, public ::testing::WithParamInterface<HandBackCase> {};

TEST_P(EachHandBack, EnablesAndRaisesTheOpenerAsDeclared) {
    const HandBackCase& c = GetParam();
    Child& child = openChild();
    if (c.openerByName) {
        child.setOpener(QStringLiteral("Opener"), c.how);
    } else {
        child.setOpener(opener, c.how);
    }
    child.show();
    // Another window is in front when the child closes.
    platform::Form* bystander = Windows::show(QStringLiteral("Bystander"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(bystander));

    child.Command1->click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(Windows::find(QStringLiteral("Child")), nullptr);
    EXPECT_EQ(opener->isEnabled(), c.enabledAfter);
    platform::doEvents();  // the activation arrives as a window-system event
    QWidget* front = c.openerInFront ? static_cast<QWidget*>(opener) : bystander;
    EXPECT_EQ(QApplication::activeWindow(), front);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EachHandBack,
    ::testing::Values(HandBackCase{"EnableAndRaise", true, HandBack::EnableAndRaise, true, true},
                      HandBackCase{"ByPointer", false, HandBack::EnableAndRaise, true, true},
                      // A window whose opener stayed enabled must not enable it: another window
                      // may have disabled it since.
                      HandBackCase{"RaiseOnly", true, HandBack::RaiseOnly, false, true},
                      HandBackCase{"EnableOnly", true, HandBack::EnableOnly, true, false}),
    [](const auto& info) { return std::string(info.param.label); });

enum class ClosePath { Button, CloseBox, Escape };

std::string pathName(ClosePath path) {
    switch (path) {
        case ClosePath::Button:
            return "Button";
        case ClosePath::CloseBox:
            return "CloseBox";
        case ClosePath::Escape:
            return "Escape";
    }
    return {};
}

class EachClosePath : public WindowContract, public ::testing::WithParamInterface<ClosePath> {};

TEST_P(EachClosePath, RunsTheCloseHandlerHandsBackAndSetsTheFlag) {
    bool historyopen = true;  // a flag that an opener waits on to become false
    Child& child = openChild();
    child.setOpener(QStringLiteral("Opener"));
    child.setDoneFlag(historyopen, false);
    child.show();
    switch (GetParam()) {
        case ClosePath::Button:
            QTest::mouseClick(child.Command1, Qt::LeftButton);
            break;
        case ClosePath::CloseBox:
            child.close();
            break;
        case ClosePath::Escape:
            QTest::keyClick(child.Text1, Qt::Key_Escape);
            break;
    }
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(historyopen);
    EXPECT_TRUE(opener->isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("Child")), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Paths, EachClosePath,
                         ::testing::Values(ClosePath::Button, ClosePath::CloseBox,
                                           ClosePath::Escape),
                         [](const auto& info) { return pathName(info.param); });

TEST_F(WindowContract, EscapeLeavesAWindowThatTurnedItOffOpen) {
    bool done = false;
    Child& child = openChild();
    child.setOpener(QStringLiteral("Opener"));
    child.setDoneFlag(done);
    child.setEscapeCloses(false);
    child.show();
    QTest::keyClick(child.Text1, Qt::Key_Escape);
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(done);
    EXPECT_FALSE(opener->isEnabled());
    EXPECT_EQ(Windows::find(QStringLiteral("Child")), &child);
}

TEST_F(WindowContract, AnOpenerThatWentMeanwhileIsSkippedButTheFlagIsStillSet) {
    bool done = false;
    Child& byName = openChild();
    byName.setOpener(QStringLiteral("Opener"));
    byName.setDoneFlag(done);
    Windows::unload(opener);
    byName.close();
    EXPECT_TRUE(done);
    EXPECT_EQ(Windows::find(QStringLiteral("Child")), nullptr);

    // Held by pointer, the opener is forgotten once it is destroyed.
    done = false;
    auto holder = std::make_unique<QWidget>();
    Child& byPointer = *Windows::get<Child>(QStringLiteral("Child"));
    byPointer.setOpener(holder.get());
    byPointer.setDoneFlag(done);
    holder.reset();
    byPointer.close();
    EXPECT_TRUE(done);
    EXPECT_EQ(Windows::find(QStringLiteral("Child")), nullptr);
}

namespace {

// A window with a box, a check box, a plain button and a default button, counting what ran.
class Keys : public platform::Form {
public:
    Keys() : platform::Form(QStringLiteral("Keys")) {
        Text1 = platform::named(new QLineEdit(this), "Text1");
        Check1 = platform::named(new QCheckBox(QStringLiteral("Tick"), this), "Check1");
        Command1 = platform::named(new QPushButton(QStringLiteral("One"), this), "Command1");
        Command2 = platform::named(new QPushButton(QStringLiteral("Default"), this), "Command2");
        Command2->setDefault(true);
        connect(Command1, &QPushButton::clicked, this, [this] { ++plain; });
        connect(Command2, &QPushButton::clicked, this, [this] { ++byDefault; });
        connect(Text1, &QLineEdit::returnPressed, this, [this] { ++inBox; });
    }
    QLineEdit* Text1;
    QCheckBox* Check1;
    QPushButton* Command1;
    QPushButton* Command2;
    int plain = 0;
    int byDefault = 0;
    int inBox = 0;
};

struct EnterCase {
    const char* label;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool defaultEnabled;
    int plain, byDefault, inBox;
};

void PrintTo(const EnterCase& c, std::ostream* os) {
    *os << c.label;
}

}  // namespace

class EachEnter : public KestrovaTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EachEnter, ClicksTheFocusedButtonElseTheDefaultButNotForABox) {
    const EnterCase& c = GetParam();
    Keys keys;
    keys.Command2->setEnabled(c.defaultEnabled);
    keys.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&keys));
    auto* focus = keys.findChild<QWidget*>(QString::fromLatin1(c.focus));
    focus->setFocus();
    QTest::keyClick(focus, c.key, c.modifiers);
    EXPECT_EQ(keys.plain, c.plain);
    EXPECT_EQ(keys.byDefault, c.byDefault);
    EXPECT_EQ(keys.inBox, c.inBox);
    EXPECT_FALSE(keys.Check1->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EachEnter,
    ::testing::Values(
        EnterCase{"ReturnOnAButton", "Command1", Qt::Key_Return, {}, true, 1, 0, 0},
        EnterCase{"KeypadEnterOnAButton", "Command1", Qt::Key_Enter, Qt::KeypadModifier, true, 1, 0,
                  0},
        EnterCase{"ShiftReturnOnAButton", "Command1", Qt::Key_Return, Qt::ShiftModifier, true, 0, 0,
                  0},
        EnterCase{"OnTheDefault", "Command2", Qt::Key_Return, {}, true, 0, 1, 0},
        EnterCase{"OnACheckBox", "Check1", Qt::Key_Return, {}, true, 0, 1, 0},
        EnterCase{"OnACheckBoxDefaultDisabled", "Check1", Qt::Key_Return, {}, false, 0, 0, 0},
        // A box's Enter is its own: clicking the default as well would run it twice.
        EnterCase{"InABox", "Text1", Qt::Key_Return, {}, true, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.label); });
