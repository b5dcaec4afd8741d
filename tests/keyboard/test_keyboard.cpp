// The keyboard in every window the program registers: Escape runs the window's Close path and
// Enter clicks the focused button; the main window keeps Escape to itself. And each button is
// wide enough for its caption in the program's style, and a box the player may only read is no
// Tab stop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "allwindows.h"
#include "app/Form1.h"
#include "platform/events.h"
#include "platform/focusstyle.h"
#include "platform/windows.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"
#include "support/kestrovatest.h"

namespace wn = windownames;
using platform::Windows;

namespace {

struct WindowCase {
    const QString& name;
    // The windows open before it, each disabled as it opens the next; the last one is handed
    // back to.
    std::vector<QString> openers;
    bool openerStaysEnabled = false;  // it does not disable itself for this window
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name.toStdString();
}

const WindowCase kWindows[] = {
    {wn::Form2, {wn::Form1}},
    {wn::Form3, {wn::Form1}},
    {wn::Form14, {wn::Form1}},
    {wn::editEntry, {wn::Form1}},
    {wn::frmAbout, {wn::Form1}, true},
    {wn::Form4, {wn::Form1}},
    {wn::Form5, {wn::Form1}},
    {wn::Form6, {wn::Form1}},
    {wn::Form8, {wn::Form1}},
    {wn::Form12, {wn::Form1}},
    {wn::Form26, {wn::Form1, wn::Form4}},
    {wn::Form30, {wn::Form1}},
    {wn::LinkProcess, {wn::Form1}, true},
    {wn::wheel4, {wn::Form1}},
    {wn::Wheel5, {wn::Form1}},
    {wn::wheel6, {wn::Form1}},
    {wn::wheel7, {wn::Form1}},
    {wn::Pick3, {wn::Form1}},
    {wn::p34history, {wn::Form1, wn::Pick3}, true},
    {wn::AddEntriesP34, {wn::Form1, wn::Pick3}},
    {wn::Deletepick34, {wn::Form1, wn::Pick3}},
    {wn::p34stats, {wn::Form1, wn::Pick3}, true},
    {wn::PrintManager, {wn::Form1}},
    {wn::configure, {wn::Form1, wn::PrintManager}},
    {wn::adjust, {wn::Form1, wn::PrintManager, wn::configure}},
    {wn::Form11, {wn::Form1}},
    {wn::RDL, {wn::Form1}},
    {wn::Form10, {wn::Form1}},
};

GameRecord lotto() {
    GameRecord g;
    g.name = QStringLiteral("Lotto").leftJustified(12);
    g.ballsdrawn = 6;
    g.mainpool = 49;
    g.bonusfrommain = 2;
    g.mainperentry = 6;
    for (int k = 1; k <= 15; ++k) {
        g.prizelevels[k] = 1;
    }
    for (int k = 1; k <= 7; ++k) {
        g.drawdays[k] = static_cast<qint16>(k);
    }
    g.extraballid = QStringLiteral("PB");
    g.extraballname = QString(10, u' ');
    return g;
}

// Tab passes over a box that is only read (a count, a total).
void expectNoReadOnlyTabStops(const QWidget& window) {
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->isReadOnly() && box->isVisible()) {
            EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus) << box->objectName().toStdString();
        }
    }
}

}  // namespace

class EveryWindow : public KestrovaTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    // The style the program puts over the desktop's.
    static void SetUpTestSuite() { platform::showFocusEverywhere(*qApp); }
    void SetUp() override {
        KestrovaTest::SetUp();
        registerAllWindows();
        writeFile(QStringLiteral("game1.dat"), lotto().toBytes());
        m1().printersfrommain = true;
        m1().pickgame = 3;
    }
    void TearDown() override {
        Windows::unloadAll();
        KestrovaTest::TearDown();
    }

    // Opens the window as its opener would and returns it, shown and active.
    platform::Form* open() {
        const WindowCase& c = GetParam();
        for (const QString& name : c.openers) {
            platform::Form* w = Windows::show(name);
            if (w == nullptr) {
                ADD_FAILURE() << name.toStdString() << " did not open";
                return nullptr;
            }
        }
        opener_ = Windows::find(c.openers.back());
        for (const QString& name : c.openers) {
            if (name != c.openers.back() || !c.openerStaysEnabled) {
                Windows::find(name)->setEnabled(false);
            }
        }
        platform::Form* w = Windows::show(c.name);
        if (w == nullptr || !QTest::qWaitForWindowActive(w)) {
            ADD_FAILURE() << c.name.toStdString() << " did not open";
            return nullptr;
        }
        return w;
    }

    // The window went and gave its opener back.
    void expectClosed() {
        EXPECT_EQ(Windows::find(GetParam().name), nullptr);
        ASSERT_NE(opener_, nullptr);
        EXPECT_TRUE(opener_->isEnabled());
    }

    QPointer<QWidget> opener_;
};

TEST_P(EveryWindow, EscapeRunsItsClosePath) {
    platform::Form* w = open();
    ASSERT_NE(w, nullptr);
    QWidget* focus = w->focusWidget() != nullptr ? w->focusWidget() : w;
    QTest::keyClick(focus, Qt::Key_Escape);
    expectClosed();
}

TEST_P(EveryWindow, EnterOnTheFocusedCloseButtonClicksIt) {
    platform::Form* w = open();
    ASSERT_NE(w, nullptr);
    QPushButton* close = nullptr;
    for (const char* text : {"Close", "Exit", "Cancel", "OK"}) {
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (close == nullptr && b->text().remove(u'&') == QLatin1String(text) &&
                b->isVisible() && b->isEnabled()) {
                close = b;
            }
        }
    }
    if (close == nullptr) {
        GTEST_SKIP() << "closes by its menu only";
    }
    close->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), close);
    QTest::keyClick(close, Qt::Key_Return);
    expectClosed();
}

TEST_P(EveryWindow, EachButtonHasRoomAroundItsCaption) {
    platform::Form* w = open();
    ASSERT_NE(w, nullptr);
    int checked = 0;
    for (const QPushButton* b : w->findChildren<QPushButton*>()) {
        if (!b->isVisible() || b->text().isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(b->font());
        const int caption = metrics.size(Qt::TextShowMnemonic, b->text()).width();
        // At least a character's width on each side, frame included.
        EXPECT_GE(b->width(), caption + 2 * metrics.averageCharWidth())
            << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\"";
        ++checked;
    }
    if (checked == 0) {
        GTEST_SKIP() << "has no buttons";
    }
}

TEST_P(EveryWindow, ReadOnlyBoxesAreNoTabStops) {
    platform::Form* w = open();
    ASSERT_NE(w, nullptr);
    expectNoReadOnlyTabStops(*w);
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return info.param.name.toStdString(); });

TEST_F(EveryWindow, EscapeLeavesTheMainWindowOpen) {
    platform::Form* main = Windows::show(wn::Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_Escape);
    platform::doEvents();
    EXPECT_EQ(Windows::find(wn::Form1), main);
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(EveryWindow, TabInTheMainWindowPassesOverTheCountsItOnlyShows) {
    platform::Form* main = Windows::show(wn::Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    auto& form = *static_cast<Form1*>(main);
    expectNoReadOnlyTabStops(form);
    // The entries' last button goes on to the winning lines' Print, not into a count.
    form.Command12->setFocus();
    QTest::keyClick(form.Command12, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), form.Text2);
    EXPECT_NE(QApplication::focusWidget(), form.Text3);
}
