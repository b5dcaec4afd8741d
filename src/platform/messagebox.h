#pragma once
// Every message the program shows goes through msgBox: an OK box, a Yes/No question or, where
// closing a window would lose the player's work, a Yes/No/Cancel question, titled with the
// application title. A question whose Yes deletes or overwrites the player's data answers No to
// a bare Enter; Escape and the title bar's close box answer Cancel where there is one, else No.
// Tests install a handler that scripts the answers.
#include <concepts>
#include <functional>

#include <QString>

namespace platform {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };
// The answer Enter gives: the first button unless the question says No.
enum class MsgDefault { First, No };

MsgAnswer msgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgDefault byDefault = MsgDefault::First);

using MessageHandler =
    std::function<MsgAnswer(const QString& text, MsgButtons buttons, MsgDefault byDefault)>;
// Replaces the real box; an empty handler restores it.
void setMessageHandler(MessageHandler handler);
// A handler that has no use for the default answer.
template <class F>
requires std::invocable<F&, const QString&, MsgButtons> &&
    (!std::invocable<F&, const QString&, MsgButtons, MsgDefault>)void setMessageHandler(F handler) {
    setMessageHandler(
        MessageHandler([h = std::move(handler)](const QString& text, MsgButtons buttons,
                                                MsgDefault) mutable { return h(text, buttons); }));
}

}  // namespace platform
