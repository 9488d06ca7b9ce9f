// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/serverlimits.h"
#include "state/roomstate.h"

#include <QByteArray>
#include <QByteArrayView>

// What a request may ask for, each answered with its own status (200, 200,
// 404, 405, 431). Everything that is not the page or the event stream under
// the right token is "not found", with nothing said about why.
enum class WebAnswer {
    Page,
    Events,
    NotFound,
    MethodNotAllowed,
    TooLarge,
};

// A request as it arrived: the path exactly as sent (never percent-decoded),
// the query string apart.
struct WebRequest
{
    QByteArrayView method;
    QByteArrayView path;
    bool query = false; // anything after the '?'
    qsizetype headerBytes = 0; // request line and header lines together
    int headerLines = 0;
};

struct WebReply
{
    WebAnswer answer = WebAnswer::NotFound;
    bool headOnly = false; // HEAD: the headers GET would have, no body
};

// token: the 32 hex characters of this run.
WebReply answerFor(const WebRequest &request, QByteArrayView token);

// The Content-Security-Policy for a page: its inline <script> and <style>
// elements (written in lower case) allowed by their sha256 hashes, nothing else.
QByteArray contentSecurityPolicy(QByteArrayView page);

// One server-sent event with the state as JSON, on one line.
QByteArray eventFor(const RoomState &state);

// Lets a page tell a lost connection from a quiet one.
inline constexpr QByteArrayView heartbeatEvent = "event: beat\ndata: \n\n"; // not translated
