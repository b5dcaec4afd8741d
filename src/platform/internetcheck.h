#pragma once
// Whether the machine can reach the internet at all, and whether a session can be opened.
#include <functional>
#include <optional>

#include <QString>

namespace platform {

// False when the system knows it is offline.
bool attemptConnect();
// True when an internet session could be opened (and was closed again).
bool openInternetSession();
// The name of the connection the machine is online through ("" when it has no name), or
// nothing when it is offline.
std::optional<QString> connectedState();
// True when the server at `url` answers at all (any HTTP status) within ten seconds.
bool siteResponds(const QString& url);

struct InternetCheckHandler {
    std::function<bool()> attempt;
    std::function<bool()> open;
};
void setInternetCheckHandler(InternetCheckHandler handler);

}  // namespace platform
