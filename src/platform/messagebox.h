#pragma once
// Every message the program shows goes through msgBox: an OK box or a Yes/No question, titled
// with the application title. Tests install a handler that scripts the answers.
#include <functional>

#include <QString>

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

MsgAnswer msgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok);

using MessageHandler = std::function<MsgAnswer(const QString& text, MsgButtons buttons)>;
// Replaces the real box; an empty handler restores it.
void setMessageHandler(MessageHandler handler);

}  // namespace platform
