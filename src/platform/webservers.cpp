#include "platform/webservers.h"

namespace platform {
namespace {
WebServers programServers() {
    return {QStringLiteral("https://results.kestrova.com"),
            QStringLiteral("https://www.kestrova.com"),
            QStringLiteral("https://playslips.kestrova.com")};
}
WebServers& current() {
    static WebServers servers = programServers();
    return servers;
}
}  // namespace

const WebServers& webServers() {
    return current();
}

void setWebServers(WebServers servers) {
    const bool none =
        servers.results.isEmpty() && servers.download.isEmpty() && servers.playslips.isEmpty();
    current() = none ? programServers() : std::move(servers);
}

}  // namespace platform
