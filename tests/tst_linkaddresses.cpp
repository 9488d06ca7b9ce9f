// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The address the link for phones and tablets carries, decided without a
// network.
#include "phones/linkaddresses.h"

#include <QTest>

using Interfaces = QList<NetworkInterface>;

class tst_LinkAddresses : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
};

void tst_LinkAddresses::choose_data()
{
    QTest::addColumn<Interfaces>("interfaces");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("expected");

    const NetworkInterface lo{"lo", "127.0.0.1", true, true},
        eth{"eth0", "192.168.1.20", true, false}, wifi{"wlan0", "10.0.0.7", true, false},
        wifi2{"wlan0", "10.0.0.8", true, false}, down{"eth1", "172.16.0.3", false, false},
        docker{"docker0", "172.17.0.1", true, false};
    // clang-format off
    const struct { const char *name; Interfaces interfaces; const char *route; QStringList expected; } rows[] = {
        {"nothing but the loopback",     {lo},                   "",      {"127.0.0.1"}},
        {"one network",                  {lo, eth},              "eth0",  {"192.168.1.20"}},
        {"the default route's first",    {lo, eth, wifi},        "wlan0", {"10.0.0.7", "192.168.1.20"}},
        {"its addresses in their order", {eth, wifi, wifi2},     "wlan0", {"10.0.0.7", "10.0.0.8", "192.168.1.20"}},
        {"no default route",             {docker, eth},          "",      {"172.17.0.1", "192.168.1.20"}},
        {"route through a down one",     {down, eth},            "eth1",  {"192.168.1.20"}},
        {"only down ones",               {lo, down},             "eth1",  {"127.0.0.1"}},
        {"an address twice",             {eth, {"br0", "192.168.1.20", true, false}}, "br0", {"192.168.1.20"}},
        {"a loopback not named lo",      {{"lo0", "127.0.0.2", true, false}, eth}, "", {"192.168.1.20"}},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTest::newRow(row.name) << row.interfaces << QString::fromLatin1(row.route) << row.expected;
    }
}

void tst_LinkAddresses::choose()
{
    QFETCH(Interfaces, interfaces);
    QFETCH(QString, route);
    QFETCH(QStringList, expected);
    QCOMPARE(linkAddresses(interfaces, route), expected);
}

QTEST_APPLESS_MAIN(tst_LinkAddresses)
#include "tst_linkaddresses.moc"
