// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <chrono>

// What the clock for phones allows, each with its reason: it must serve a
// hall of a thousand phones and stay small, whatever one of them sends.
namespace ServerLimits {

// A phone's browser sends well under a kilobyte; more is someone else.
inline constexpr qsizetype maxRequestBytes = 8192;
inline constexpr int maxHeaderLines = 100;

// libmicrohttpd's memory for one connection, which holds the request while it
// is read: twice the largest request served leaves room for the answer's
// headers, and a thousand viewers hold at most 16 MB.
inline constexpr size_t connectionMemory = 2 * maxRequestBytes;

// A phone opens a few connections (the page, its stream, the overlap of a
// reload); 64 are a handful of browsers behind one address, and no address
// can take the server for itself.
inline constexpr unsigned connectionsPerAddress = 64;

// A whole hall scanning the code at once: connections arriving in the same
// moment wait in the kernel's queue instead of being refused.
inline constexpr unsigned listenBacklog = 512;

// Each connection is a descriptor. The program keeps some for its own (the
// display, fonts, sound, libmicrohttpd's epoll and its wake-up); a thousand
// phones, each with a stream and a page loading now and then, need no more
// than 1500; and fewer than 64 would be no server for a hall.
inline constexpr unsigned ownDescriptors = 100;
inline constexpr unsigned minConnections = 64;
inline constexpr unsigned maxConnections = 1500;
constexpr unsigned connectionLimit(unsigned long long descriptors)
{
    return unsigned(std::clamp<unsigned long long>(descriptors, minConnections + ownDescriptors,
                                                   maxConnections + ownDescriptors) -
                    ownDescriptors);
}

// The page gives a connection up after 3 s without a word: a beat every second
// lets it miss two.
inline constexpr std::chrono::seconds heartbeatInterval{1};

// A connection that sends nothing, or a stream that takes nothing for ten beats
// (a phone gone out of reach), is closed: its descriptor is needed.
inline constexpr int idleTimeoutSeconds = 10;

// Events are some 200 bytes: a viewer with this much waiting for it has
// stopped reading for minutes of a running clock and is dropped, so that it
// can neither grow the program nor hold the others up.
inline constexpr qsizetype maxPending = qsizetype(64) * 1024;

// The standings in one event: some 200 teams of usual names, far beyond a
// quiz night's. Rows past it are left off, so that an evening of the longest
// names (500 of 100 characters) does not make one event larger than
// maxPending and drop every viewer; a few events waiting for a slow phone
// stay well below it.
inline constexpr qsizetype maxStandingsBytes = qsizetype(8) * 1024;

// The kernel's own buffer for one stream: a small one lets a viewer that has
// stopped reading be noticed after some 100 KB rather than megabytes.
inline constexpr int streamSendBuffer = 16 * 1024;

// What libmicrohttpd asks a stream for at a time: some five events, and a
// thousand streams hold 1 MB of it.
inline constexpr size_t streamBlock = 1024;

// The port tried first, then the next ones: a second program (or one still
// closing) on the same computer takes the next.
inline constexpr quint16 defaultPort = 28240;
inline constexpr int portsTried = 20;

} // namespace ServerLimits
