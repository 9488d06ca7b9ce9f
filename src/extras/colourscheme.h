// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <array>

// The background colours the moderator can choose, in the order of the
// colour buttons "W", "G", "T", "Y" and "B".
namespace ColourScheme {

inline constexpr int Count = 5;
inline constexpr std::array<const char *, Count> Captions{"W", "G", "T", "Y", "B"};
inline constexpr std::array<QRgb, Count> Palette{
    qRgb(255, 255, 255), // white
    qRgb(0, 192, 0), // green
    qRgb(0, 255, 255), // cyan
    qRgb(255, 255, 0), // yellow
    qRgb(0, 0, 0), // black
};
// The window starts cyan.
inline constexpr int StartIndex = 2;

} // namespace ColourScheme
