// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomlayout.h"

#include "look/margins.h"

#include <algorithm>

namespace {

// Shares of the view's height: the name's band at the top, the readout's
// (and the total's) at the bottom; the minute digit takes what is left.
constexpr double NameBand = 0.07;
constexpr double BottomBand = 0.19;
// The digit panel's width to its height: room for the widest digit.
constexpr double DigitAspect = 0.9;
// The readout " 4:59" and the total "192" never need more width than this
// many times their height.
constexpr double ReadoutAspect = 3.6;
constexpr double TotalAspect = 2.4;
// The readout's share of the bottom band when the total is beside it.
constexpr double ReadoutShare = 0.6;
// The QR code's side as a share of the view's shorter side, at most the
// bottom band's height: small, but large enough for a phone near the screen.
constexpr double CodeShare = 0.2;
// A row of the standings is at least this share of the view's height, for
// the back of the hall; the rank's panel is this many times as wide as high.
constexpr int RowsPerView = 14;
constexpr int MinStandingsRows = 3;
constexpr double RankAspect = 1.3;
constexpr int RowAspect = 4;

// The widest rectangle of an aspect that fits into the space, centred.
QRect centredIn(const QRect &space, double aspect)
{
    const int width = std::min(space.width(), int(space.height() * aspect));
    return {space.x() + (space.width() - width) / 2, space.y(), width, space.height()};
}

} // namespace

RoomLayout roomLayout(QSize size, bool withName, bool withTotal, RoomCode code)
{
    const bool withCode = code != RoomCode::None;
    const int w = size.width();
    const int h = size.height();
    const int gap = std::max(1, std::min(w, h) / 40);

    RoomLayout layout;
    int top = gap;
    if (withName) {
        layout.name = QRect(gap, top, w - 2 * gap, int(h * NameBand));
        top = layout.name.bottom() + 1 + gap;
    }
    const int bandHeight = int(h * BottomBand);
    QRect band(gap, h - gap - bandHeight, w - 2 * gap, bandHeight);
    if (withCode) {
        // In the bottom right corner, the band made narrower for it: the
        // readout and the total move aside, the digit keeps its space.
        const int side = std::min(bandHeight, int(std::min(w, h) * CodeShare));
        layout.code = QRect(w - gap - side, h - gap - side, side, side);
        band.setRight(layout.code.left() - 1 - gap);
    }
    const QRect middle(gap, top, w - 2 * gap, band.top() - gap - top);
    layout.stopSign = middle;
    layout.digit = centredIn(middle, DigitAspect);

    if (withTotal) {
        const int readoutWidth = int(band.width() * ReadoutShare);
        const QRect left(band.x(), band.y(), readoutWidth - gap / 2, band.height());
        const QRect right(band.x() + readoutWidth + gap / 2, band.y(),
                          band.width() - readoutWidth - gap / 2, band.height());
        layout.readout = centredIn(left, ReadoutAspect);
        layout.total = centredIn(right, TotalAspect);
    } else {
        layout.readout = centredIn(band, ReadoutAspect);
    }

    if (code == RoomCode::Large) {
        // The largest square beside the stop sign below the name, the stop
        // sign (and the total under it) in the rest: on a landscape screen
        // at its right, on an upright one under it.
        QRect rest(gap, top, w - 2 * gap, h - gap - top);
        if (w >= h) {
            const int side = std::max(1, std::min(rest.height(), (rest.width() - gap) / 2));
            layout.code =
                QRect(rest.right() + 1 - side, rest.y() + (rest.height() - side) / 2, side, side);
            rest.setRight(layout.code.left() - 1 - gap);
        } else {
            const int side = std::max(1, std::min(rest.width(), (rest.height() - gap) / 2));
            layout.code =
                QRect(rest.x() + (rest.width() - side) / 2, rest.bottom() + 1 - side, side, side);
            rest.setBottom(layout.code.top() - 1 - gap);
        }
        layout.stopSign = rest;
        if (withTotal) {
            const int height = std::min(bandHeight, rest.height() / 3);
            layout.total = centredIn(
                QRect(rest.x(), rest.bottom() + 1 - height, rest.width(), height), TotalAspect);
            layout.stopSign.setBottom(layout.total.top() - 1 - gap);
        }
    }
    return layout;
}

int standingsRowsPerPage(int areaHeight, int viewHeight)
{
    return std::max(1, int(qint64(areaHeight) * RowsPerView / std::max(1, viewHeight)));
}

QList<StandingsRow> standingsRows(const QRect &area, int teams, int perPage)
{
    perPage = std::max(1, perPage);
    const int rows = std::clamp(teams, std::min(MinStandingsRows, perPage), perPage);
    // A row no higher than a quarter of its width where few teams leave
    // height to spare: on a narrow screen a higher one would show nothing larger.
    const int pitch =
        std::max(std::min(area.height() / rows, area.width() / RowAspect), area.height() / perPage);
    const int gap = std::max(1, pitch / 8);
    const int height = std::max(1, pitch - gap);
    const int rankWidth = std::min(int(height * RankAspect), area.width() / 5);
    const int totalWidth = std::min(int(height * TotalAspect), area.width() / 4);
    // The name kept clear of the panels beside it.
    const int apart = std::max(gap, height / 3);
    QList<StandingsRow> all;
    for (int i = 0; i < rows; ++i) {
        const int y = area.y() + i * pitch + gap / 2;
        const QRect rank(area.x(), y, rankWidth, height);
        const QRect total(area.right() + 1 - totalWidth, y, totalWidth, height);
        const QRect team(rank.right() + 1 + apart, y, total.left() - rank.right() - 1 - 2 * apart,
                         height);
        all.append({rank, team, total});
    }
    return all;
}

StandingsPage standingsPage(int rows, int perPage, int page)
{
    perPage = std::max(1, perPage);
    const int pages = std::max(1, (rows + perPage - 1) / perPage);
    const int number = (page % pages + pages) % pages;
    const int first = number * perPage;
    return {first, std::clamp(rows - first, 0, perPage), number, pages};
}

RoomScreen chooseRoomScreen(const QList<QRect> &screens, int moderator, int room, int added)
{
    const int count = int(screens.size());
    const auto valid = [count](int i) { return i >= 0 && i < count; };
    const auto area = [&](int i) { return qint64(screens[i].width()) * screens[i].height(); };
    // The first of the largest (or smallest) screens that may be taken.
    const auto pick = [&](bool largest, auto allowed) {
        int best = -1;
        for (int i = 0; i < count; ++i) {
            if (allowed(i) &&
                (best < 0 || (largest ? area(i) > area(best) : area(i) < area(best)))) {
                best = i;
            }
        }
        return best;
    };
    if (count == 0) {
        return {};
    }
    if (!valid(moderator)) {
        moderator = pick(false, [&](int i) { return i != room && i != added; });
    }
    if (!valid(moderator)) {
        moderator = pick(false, [&](int i) { return i != room; });
    }
    if (count == 1 || !valid(moderator)) {
        return {0, false, 0};
    }
    if (valid(added) && added != moderator) {
        return {added, true, moderator};
    }
    if (valid(room) && room != moderator) {
        return {room, true, moderator};
    }
    return {pick(true, [&](int i) { return i != moderator; }), true, moderator};
}

QPoint keptOnScreen(const QRect &frame, const QRect &from, const QRect &to)
{
    QPoint at = to.topLeft() + (frame.topLeft() - from.topLeft());
    at.setX(std::clamp(at.x(), to.left(), std::max(to.left(), to.right() + 1 - frame.width())));
    at.setY(std::clamp(at.y(), to.top(), std::max(to.top(), to.bottom() + 1 - frame.height())));
    return at;
}

QRect windowedIn(const QRect &available, const QRect &avoid)
{
    // Two thirds of the screen each way, in the shape of a 16:9 screen.
    QSize size(available.width() * 2 / 3, available.height() * 2 / 3);
    size = QSize(16, 9).scaled(size, Qt::KeepAspectRatio);
    size = size.boundedTo(available.size()).expandedTo(QSize(1, 1));
    QRect centred(QPoint(), size);
    centred.moveCenter(available.center());
    if (!centred.intersects(avoid)) {
        return centred;
    }
    // Right of the moderator's window, left of it, below, above.
    const int gap = Margins::BesideWindow;
    const QList<QPoint> beside{
        {avoid.right() + 1 + gap, centred.y()},
        {avoid.left() - gap - size.width(), centred.y()},
        {centred.x(), avoid.bottom() + 1 + gap},
        {centred.x(), avoid.top() - gap - size.height()},
    };
    for (const QPoint &at : beside) {
        const QRect there(at, size);
        if (available.contains(there)) {
            return there;
        }
    }
    return centred;
}
