#pragma once
// Whether the machine is online: the system has a default route (IPv4 or
// IPv6) over an interface other than the loopback.

#include <QString>

namespace platform {

bool hasDefaultRoute(const QString& ipv4Table = QStringLiteral("/proc/net/route"),
                     const QString& ipv6Table = QStringLiteral("/proc/net/ipv6_route"));

}  // namespace platform
