// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The air the views keep round what they show.

#include <QRect>

namespace Margins {

// The share of a panel's shorter side its text keeps clear of the edges: the
// digit's panel is its own frame, the other texts need air, the team name
// on the background a little.
inline constexpr double Digit = 0.03;
inline constexpr double Text = 0.1;
inline constexpr double Name = 0.04;

// Pixels between a window and one put beside it (the room's view, the small
// window with the link), so that their frames do not touch.
inline constexpr int BesideWindow = 8;

// The box less a margin (a share of its shorter side) on every side, so
// that text never touches its edge.
QRect inner(const QRect &box, double margin);

} // namespace Margins
