#include "platform/internetcheck.h"

#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace platform {
namespace {
InternetCheckHandler handler;

bool anyInterfaceUp() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.begin(), interfaces.end(), [](const QNetworkInterface& i) {
        return i.type() != QNetworkInterface::Loopback &&
               i.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning);
    });
}
}  // namespace

void setInternetCheckHandler(InternetCheckHandler h) {
    handler = std::move(h);
}

bool attemptConnect() {
    if (handler.attempt) {
        return handler.attempt();
    }
    if (QNetworkInformation::loadDefaultBackend() && QNetworkInformation::instance() != nullptr) {
        const auto r = QNetworkInformation::instance()->reachability();
        if (r != QNetworkInformation::Reachability::Unknown) {
            return r != QNetworkInformation::Reachability::Disconnected;
        }
    }
    return anyInterfaceUp();
}

bool openInternetSession() {
    if (handler.open) {
        return handler.open();
    }
    // Opening a session needs no traffic here: an access manager can always be made.
    QNetworkAccessManager session;
    return session.thread() != nullptr;
}

}  // namespace platform
