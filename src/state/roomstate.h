// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

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

    bool operator==(const RoomState &) const = default;
};
