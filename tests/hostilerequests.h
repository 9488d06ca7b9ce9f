// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// What a careless or hostile client may send the clock's server, each with the
// statuses it may be answered (0: closed unanswered); TOKEN stands for the
// token. The tests check every answer; the benchmarks send them all through a
// period.
struct HostileRequest
{
    const char *name;
    QByteArray bytes;
    QList<int> statuses;
};

inline QList<HostileRequest> hostileRequests()
{
    const auto get = [](const QByteArray &path, const QByteArray &headers = {}) {
        return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n";
    };
    QList<HostileRequest> all{
        {"wrong token", get("/0123456789ABCDEF0123456789ABCDEF/"), {404}},
        {"no token", get("/"), {404}},
        {"..", get("/TOKEN/../TOKEN/"), {404}},
        {"%2e%2e", get("/TOKEN/%2e%2e/TOKEN/"), {404}},
        {"%65vents", get("/TOKEN/%65vents"), {404}},
        // The path ends at a NUL (where the library does not refuse it): the
        // token still counts.
        {"NUL after the token", get("/TOKEN/" + QByteArray(1, '\0') + "x"), {400, 200}},
        {"NUL before the token", get("/" + QByteArray(1, '\0') + "/TOKEN/"), {400, 404}},
    };
    for (const char *method : {"POST", "PUT", "DELETE", "OPTIONS"}) {
        all.append(
            {method, get("/TOKEN/", "Content-Length: 2\r\n").replace("GET", method) + "hi", {405}});
    }
    all.append({
        {"request line of 9 KB", get("/TOKEN/" + QByteArray(9000, 'a')), {414, 431, 0}},
        {"request line of 64 KB", get("/TOKEN/" + QByteArray(65536, 'a')), {414, 431, 0}},
        {"header of 9 KB", get("/TOKEN/", "X-A: " + QByteArray(9000, 'a') + "\r\n"), {431, 0}},
        {"500 headers", get("/TOKEN/", QByteArray("X-A: a\r\n").repeated(500)), {431, 0}},
        {"HTTP/0.9", "GET /TOKEN/\r\n\r\n", {400, 505, 0}},
        {"HTTP/2 preface", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", {400, 405, 505, 0}},
    });
    return all;
}
