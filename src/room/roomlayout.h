// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the room's view draws what it shows and on which screen, and where
// the moderator's window goes when its screen goes: plain values and
// functions, decided without a display.

#include <QList>
#include <QRect>
#include <QString>

// Where each part of the view goes on a view of a given size. The parts
// never overlap and all lie inside the view.
struct RoomLayout
{
    QRect name; // empty without a team name
    QRect digit; // the minute digit's black panel
    QRect stopSign; // the space the stop sign takes while the clock is stopped
    QRect readout;
    QRect total; // empty while the total is not shown
    QRect code; // the link's QR code, a square; empty while none is shown
};

RoomLayout roomLayout(QSize size, bool withName, bool withTotal, bool withCode = false);

// Where the view goes, a screen (its index among the screens), whether it
// fills it, and the screen the moderator's window is on or must go to.
struct RoomScreen
{
    int index = -1;
    bool fullScreen = false;
    int moderator = -1;

    bool operator==(const RoomScreen &) const = default;
};

// With two or more screens the view fills one that does not hold the
// moderator's window: one just plugged in (added), else the one it is on
// (room), else the largest. With one screen it is an ordinary window there.
// The moderator's window stays where it is; where its screen went away
// (moderator -1), it goes to the smallest screen the view is not on and that
// was not just plugged in (a laptop's own screen is seldom the larger one),
// and to the view's own where no other is left. moderator, room and added are
// indices into screens, or -1.
RoomScreen chooseRoomScreen(const QList<QRect> &screens, int moderator, int room = -1,
                            int added = -1);

// Where a window (its frame) goes on the screen that takes it when its own
// went away, from and to being their available areas: at the same place on
// it where that fits, else moved in just far enough to be wholly on it, and
// with its top left corner on it where it is larger than the screen.
QPoint keptOnScreen(const QRect &frame, const QRect &from, const QRect &to);

// The view as an ordinary window on a screen's available area: large enough
// to read across a table, wholly on the screen, and beside the moderator's
// window (avoid) where there is room, else centred.
QRect windowedIn(const QRect &available, const QRect &avoid = {});
