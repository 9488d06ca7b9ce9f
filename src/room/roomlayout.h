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
// shown together never overlap, and all lie inside the view.
struct RoomLayout
{
    QRect name; // empty without a team name
    QRect digit; // the minute digit's black panel
    // The space the stop sign, or the standings, take while the clock is
    // stopped; the standings' page number goes in the readout's.
    QRect stopSign;
    QRect readout;
    QRect total; // empty while the total is not shown
    QRect code; // the link's QR code, a square; empty while none is shown
};

// The link's QR code: small in a corner, read by a phone near the screen
// (during a period, and beside the standings), or, between periods, large
// enough to be read from the back of the hall.
enum class RoomCode { None, Corner, Large };

// With a large code the digit and the readout, not shown then, keep their
// places of the corner's layout, the period's: Start fits nothing new to them.
RoomLayout roomLayout(QSize size, bool withName, bool withTotal, RoomCode code = RoomCode::None);

// The standings in the stop sign's place (area), on a view viewHeight high:
// rows of equal height, each at least a fourteenth of the view's height, as
// many a page as fit so.
int standingsRowsPerPage(int areaHeight, int viewHeight);
struct StandingsRow
{
    QRect rank; // on the minute digit's black
    QRect team; // on the background
    QRect total; // on the total's blue
};
// The rows of a page, from the top, as high as the area allows for the
// teams (the same on every page); three rows' space at the least, for one
// team not to fill the screen alone.
QList<StandingsRow> standingsRows(const QRect &area, int teams, int perPage);

// Which rows a page shows: page counts from 0 and goes round (page pages is
// page 0 again); number is that page's, from 0, of pages (at least 1).
struct StandingsPage
{
    int first = 0;
    int count = 0;
    int number = 0;
    int pages = 1;

    bool operator==(const StandingsPage &) const = default;
};
StandingsPage standingsPage(int rows, int perPage, int page);

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
