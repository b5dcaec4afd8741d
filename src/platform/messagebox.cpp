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

MsgAnswer msgBox(const QString& text, MsgButtons buttons) {
    if (handler) {
        return handler(text, buttons);
    }
    QMessageBox box(
        buttons == MsgButtons::YesNo ? QMessageBox::Question : QMessageBox::Information, appTitle(),
        text, buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        QApplication::activeWindow());
    const int result = box.exec();
    if (buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

}  // namespace platform
