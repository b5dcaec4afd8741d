#include "platform/internetcheck.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

#include "platform/curltransfer.h"
#include "platform/inet.h"

namespace platform {
namespace {
InternetCheckHandler handler;
constexpr std::chrono::seconds kSiteCheckLimit{10};

std::optional<QNetworkInterface> firstInterfaceUp() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (i.type() != QNetworkInterface::Loopback &&
            i.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning)) {
            return i;
        }
    }
    return std::nullopt;
}

bool anyInterfaceUp() {
    return firstInterfaceUp().has_value();
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
    // Opening a session needs no traffic here: only the transfer library set up.
    return detail::transfersAvailable();
}

std::optional<QString> connectedState() {
    if (!attemptConnect()) {
        return std::nullopt;
    }
    const auto up = firstInterfaceUp();
    return up ? up->humanReadableName() : QString();
}

bool siteResponds(const QString& url) {
    // An answer is all it asks for: no byte of the page is kept, and a site that answers
    // nothing within the limit does not respond.
    Inet probe;
    probe.setLimits({0, kSiteCheckLimit});
    probe.openUrlBytes(url);
    return probe.status() != 0;
}

}  // namespace platform
