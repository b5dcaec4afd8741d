#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/application.h"

namespace platform {
namespace {
MessageHandler handler;
}

void setMessageHandler(MessageHandler h) {
    handler = std::move(h);
}

MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgDefault byDefault) {
    if (handler) {
        return handler(text, buttons, byDefault);
    }
    const bool question = buttons == MsgButtons::YesNo;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, appTitle(), text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (question) {
        box.setDefaultButton(byDefault == MsgDefault::No ? QMessageBox::No : QMessageBox::Yes);
    }
    const int result = box.exec();
    if (!question) {
        return MsgAnswer::Ok;
    }
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

}  // namespace platform
