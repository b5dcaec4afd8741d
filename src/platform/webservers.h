#pragma once
// The addresses of the program's three web servers. Tests point them at a loopback server.
#include <QString>

namespace platform {

struct WebServers {
    QString results;    // the results histories, folder "/results/"
    QString download;   // second source of the histories, the version file, the upgrades page
    QString playslips;  // ready-made playslip configurations
};

// Each is a scheme and host without a trailing "/", e.g. "https://www.example.com".
const WebServers& webServers();
// Replaces the addresses; an empty struct restores the program's own.
void setWebServers(WebServers servers);

}  // namespace platform
