// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkaddresses.h"

#include <QFile>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#endif

QStringList linkAddresses(const QList<NetworkInterface> &interfaces, const QString &defaultRoute)
{
    QList<NetworkInterface> usable;
    std::copy_if(interfaces.begin(), interfaces.end(), std::back_inserter(usable),
                 [](const NetworkInterface &i) {
                     return i.up && !i.loopback && !i.address.isEmpty() &&
                         !i.address.startsWith(QLatin1String("127."));
                 });
    // Stable: the default route's first, each group in the system's order.
    std::stable_partition(usable.begin(), usable.end(), [&](const NetworkInterface &i) {
        return !defaultRoute.isEmpty() && i.name == defaultRoute;
    });
    QStringList addresses;
    for (const NetworkInterface &i : usable) {
        if (!addresses.contains(i.address)) {
            addresses << i.address;
        }
    }
    if (addresses.isEmpty()) {
        addresses << QStringLiteral("127.0.0.1");
    }
    return addresses;
}

QList<NetworkInterface> systemInterfaces()
{
    QList<NetworkInterface> all;
#if defined(Q_OS_UNIX)
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0) {
        return all;
    }
    for (const ifaddrs *i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        char text[INET_ADDRSTRLEN] = {};
        const auto *in = reinterpret_cast<const sockaddr_in *>(i->ifa_addr);
        if (!inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) {
            continue;
        }
        all << NetworkInterface{QString::fromLocal8Bit(i->ifa_name), QString::fromLatin1(text),
                                (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_RUNNING),
                                bool(i->ifa_flags & IFF_LOOPBACK)};
    }
    freeifaddrs(list);
#endif
    return all;
}

QString systemDefaultRoute()
{
    // "Iface Destination Gateway Flags ..." a line, the addresses in hex;
    // the default route is the one to 00000000 (the first, where several).
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    routes.readLine();
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        if (fields.size() > 1 && fields[1] == "00000000") {
            return QString::fromLocal8Bit(fields[0]);
        }
    }
    return {};
}
