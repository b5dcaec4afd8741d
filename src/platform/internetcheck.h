#pragma once
// Whether the machine can reach the internet at all, and whether a session can be opened.
#include <functional>

namespace platform {

// False when the system knows it is offline.
bool attemptConnect();
// True when an internet session could be opened (and was closed again).
bool openInternetSession();

struct InternetCheckHandler {
    std::function<bool()> attempt;
    std::function<bool()> open;
};
void setInternetCheckHandler(InternetCheckHandler handler);

}  // namespace platform
