// The real message box, which every other test replaces by its script: the answer of Enter by
// the question's default, of Escape and the close box, and a width that shows the whole title.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/application.h"
#include "platform/messagebox.h"
#include "support/waits.h"

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgDefault;

namespace {

struct RealBox {
    const char* label;
    MsgButtons buttons;
    MsgDefault byDefault;
    int key;  // 0: the title bar's close box
    MsgAnswer answer;
};

void PrintTo(const RealBox& c, std::ostream* os) {
    *os << c.label;
}

class RealMessageBox : public ::testing::TestWithParam<RealBox> {
protected:
    void SetUp() override {
        platform::setMessageHandler({});
        platform::setAppTitle(QStringLiteral("Kestrova Powerball and Mega Millions"));
    }
};

// What the box showed before the key closed it.
struct Shown {
    bool shown = false;
    int width = 0;
    int titleWidth = 0;
};

// Presses the key in the box as soon as it is up, the way a player would: on its focused button.
void pressWhenShown(int key, Shown& seen) {
    QTimer::singleShot(0, [key, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.shown = true;
        seen.width = box->width();
        QFont bold = box->font();
        bold.setBold(true);
        seen.titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
        // A box the key does not close is ended, so the test fails instead of hanging.
        QTimer::singleShot(kPatientWait, box, [box] {
            ADD_FAILURE() << "the box stayed open";
            box->done(-1);
        });
        if (key == 0) {
            box->close();
            return;
        }
        QWidget* target = box->focusWidget() != nullptr ? box->focusWidget() : box;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    });
}

}  // namespace

TEST_P(RealMessageBox, AnswersAsThePlayerPressed) {
    Shown seen;
    pressWhenShown(GetParam().key, seen);
    const MsgAnswer answer =
        platform::msgBox(QStringLiteral("Delete it?"), GetParam().buttons, GetParam().byDefault);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(answer, GetParam().answer);
    // The short text alone would make the box narrower than its title; the title bar also
    // holds an icon and buttons.
    EXPECT_GE(seen.width, seen.titleWidth + 100);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RealMessageBox,
    ::testing::Values(RealBox{"DeletingQuestionEnterIsNo", MsgButtons::YesNo, MsgDefault::No,
                              Qt::Key_Return, MsgAnswer::No},
                      RealBox{"OrdinaryQuestionEnterIsYes", MsgButtons::YesNo, MsgDefault::First,
                              Qt::Key_Return, MsgAnswer::Yes},
                      RealBox{"QuestionEscapeIsNo", MsgButtons::YesNo, MsgDefault::First,
                              Qt::Key_Escape, MsgAnswer::No},
                      RealBox{"SaveQuestionEnterIsYes", MsgButtons::YesNoCancel, MsgDefault::First,
                              Qt::Key_Return, MsgAnswer::Yes},
                      RealBox{"SaveQuestionEscapeIsCancel", MsgButtons::YesNoCancel,
                              MsgDefault::First, Qt::Key_Escape, MsgAnswer::Cancel},
                      RealBox{"SaveQuestionCloseBoxIsCancel", MsgButtons::YesNoCancel,
                              MsgDefault::First, 0, MsgAnswer::Cancel},
                      RealBox{"MessageEnterIsOk", MsgButtons::Ok, MsgDefault::First, Qt::Key_Return,
                              MsgAnswer::Ok}),
    [](const auto& info) { return std::string(info.param.label); });
