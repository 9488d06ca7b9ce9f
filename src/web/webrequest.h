// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "room/roomstate.h"

#include <QByteArray>
#include <QByteArrayView>

// What a request may ask for. Everything that is not the page or the event
// stream under the right token is "not found", with nothing said about why.
enum class WebAnswer {
    Page,
    Events,
    NotFound,
    MethodNotAllowed,
};

struct WebReply
{
    WebAnswer answer = WebAnswer::NotFound;
    int status = 404;
    bool headOnly = false; // HEAD: the headers of GET, no body
};

// method and path as they arrive on the request line (path not decoded),
// token the 32 hex characters of this run.
WebReply answerFor(QByteArrayView method, QByteArrayView path, QByteArrayView token);

// The Content-Security-Policy for a page: its inline <script> and <style>
// elements allowed by their sha256 hashes, nothing else.
QByteArray contentSecurityPolicy(QByteArrayView page);

// One server-sent event with the state as JSON.
QByteArray eventFor(const RoomState &state);

// The heartbeat that lets a page tell a lost connection from a quiet one.
inline constexpr QByteArrayView heartbeatEvent = "event: beat\ndata: \n\n";
