#pragma once
// Whether the machine is online: the system has a default route (IPv4 or
// IPv6) over an interface other than the loopback.

#include <QString>

#include <optional>

namespace platform {

bool hasDefaultRoute(const QString& ipv4Table = QStringLiteral("/proc/net/route"),
                     const QString& ipv6Table = QStringLiteral("/proc/net/ipv6_route"));

// The program's question "are we online?": the system's default route, or
// the answer a test has fixed.
bool isOnline();
// For tests only: fixes the answer of isOnline(); nothing asks the system
// again.
void SetOnlineForTests(std::optional<bool> online);

}  // namespace platform
