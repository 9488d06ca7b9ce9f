// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the room's view draws what it shows, in which faces, and on which
// screen: plain values and functions, decided without a display.

#include <QFont>
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

// The faces of the view's texts, the moderator's window's own; each is made
// as large as its part of the view allows.
namespace RoomFaces {
inline constexpr const char *Digit = "Arial";
inline constexpr const char *Readout = "Times New Roman"; // not translated
inline constexpr const char *Total = "Times New Roman"; // not translated
inline constexpr const char *Name = "MS Sans Serif"; // not translated
// A face as the view draws it (in bold).
QFont face(const char *family);
// The share of a panel's shorter side its text keeps clear of the edges:
// the digit's panel is its own frame, the others' texts need air.
inline constexpr double DigitMargin = 0.03;
inline constexpr double TextMargin = 0.1;
} // namespace RoomFaces

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

// The view as an ordinary window on a screen's available area: large enough
// to read across a table, wholly on the screen, and beside the moderator's
// window (avoid) where there is room, else centred.
QRect windowedIn(const QRect &available, const QRect &avoid = {});
