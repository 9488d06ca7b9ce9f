// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// A row of the evening's standings as the hall sees it.
struct RoomStanding
{
    int rank = 0;
    QString team;
    int total = 0;

    bool operator==(const RoomStanding &) const = default;
};

// The window's state as the room sees it, handed over whenever it changes.
struct RoomState
{
    // Running: the minute digit and the readout; stopped: the stop sign.
    bool running = false;
    QString minuteDigit;
    QString readout;
    quint32 background = 0; // as QRgb: 0xAARRGGBB, the alpha unused
    QString teamName; // empty until one is entered
    bool totalShown = false;
    QString total;
    // The evening's standings, ranked, while the hall is to see them; empty
    // otherwise (and while no team is filed).
    QList<RoomStanding> standings;

    // In the stop sign's place.
    bool standingsShown() const { return !running && !standings.isEmpty(); }

    bool operator==(const RoomState &) const = default;
};
