#include "platform/Online.h"

#include <QFile>

namespace platform {

namespace {

constexpr unsigned kRouteUp = 0x0001;
constexpr unsigned kRouteReject = 0x0200;

std::optional<bool>& FixedAnswer() {
    static std::optional<bool> answer;
    return answer;
}

QList<QByteArrayList> readTable(const QString& path) {
    QList<QByteArrayList> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QByteArrayList fields = line.simplified().split(' ');
        if (fields.size() > 1)
            rows.append(fields);
    }
    return rows;
}

bool usable(const QByteArray& iface, const QByteArray& flagsHex) {
    bool ok = false;
    const unsigned flags = flagsHex.toUInt(&ok, 16);
    return ok && (flags & kRouteUp) && !(flags & kRouteReject) && iface != "lo";
}

}  // namespace

bool hasDefaultRoute(const QString& ipv4Table, const QString& ipv6Table) {
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT
    for (const QByteArrayList& f : readTable(ipv4Table)) {
        if (f.size() >= 8 && f[1] == "00000000" && f[7] == "00000000" && usable(f[0], f[3]))
            return true;
    }
    // Destination PrefixLength Source SourcePrefix NextHop Metric RefCnt Use Flags Iface
    const QByteArray anyAddress(32, '0');
    for (const QByteArrayList& f : readTable(ipv6Table)) {
        if (f.size() >= 10 && f[0] == anyAddress && f[1] == "00" && usable(f[9], f[8]))
            return true;
    }
    return false;
}

bool isOnline() { return FixedAnswer() ? *FixedAnswer() : hasDefaultRoute(); }

void SetOnlineForTests(std::optional<bool> online) { FixedAnswer() = online; }

}  // namespace platform
