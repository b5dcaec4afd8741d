#include "platform/messagebox.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/application.h"

namespace platform {
namespace {
MessageHandler handler;

// What a title bar keeps beside its text: the icon, the buttons and their margins.
constexpr int kTitleBarExtras = 160;

QMessageBox::StandardButtons standardButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return QMessageBox::Ok;
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int result, MsgButtons buttons) {
    if (buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    switch (result) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::No;
    }
}

// Wide enough for the whole title in the title bar.
void fitTitle(QMessageBox& box) {
    // The box sizes itself to its text and ignores a minimum width, but not its layout's.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    // Title bars commonly draw their text bold.
    QFont font = box.font();
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void setMessageHandler(MessageHandler h) {
    handler = std::move(h);
}

MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgDefault byDefault) {
    if (handler) {
        return handler(text, buttons, byDefault);
    }
    const bool question = buttons != MsgButtons::Ok;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, appTitle(), text,
                    standardButtons(buttons), QApplication::activeWindow());
    if (question) {
        box.setDefaultButton(byDefault == MsgDefault::No ? QMessageBox::No : QMessageBox::Yes);
    }
    // Escape and the close box answer Cancel when there is one, else No.
    box.setEscapeButton(buttons == MsgButtons::YesNoCancel ? QMessageBox::Cancel
                        : question                         ? QMessageBox::No
                                                           : QMessageBox::Ok);
    fitTitle(box);
    return answerOf(box.exec(), buttons);
}

}  // namespace platform
