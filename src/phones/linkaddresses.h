// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which address of this computer goes into the link that phones and tablets
// open: decided from plain values, and read from the system apart.

#include <QList>
#include <QString>

struct NetworkInterface
{
    QString name; // "eth0", "wlan0"
    QString address; // IPv4, dotted: "192.168.1.20"
    bool up = false;
    bool loopback = false;
};

// Every up, non-loopback IPv4 address, the one of the default route's
// interface first (where it has several, in their order), the others in
// theirs, each once; 127.0.0.1 alone where there is none, so that a link can
// still be shown (it then works on this computer only).
QStringList linkAddresses(const QList<NetworkInterface> &interfaces, const QString &defaultRoute);

// The system's IPv4 interfaces (getifaddrs) and the default route's
// interface (/proc/net/route): empty where either is not to be had.
QList<NetworkInterface> systemInterfaces();
QString systemDefaultRoute();
