// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

#include <array>

// Every colour of the window and of the views for the hall: the backgrounds
// the moderator can choose, and the controls' and panels' own colours, which
// no choice of background changes.
namespace ColourScheme {

// The background colours, in the order of the colour buttons "W", "G", "T",
// "Y" and "B".
inline constexpr int Count = 5;
// The captions are translated where they are shown (context frmQuizdial).
inline constexpr std::array<const char *, Count> Captions{
    //: Colour button: the initial of White. One letter, at most two: the
    //: button leaves 16 px for it. Keep the five colour buttons different.
    QT_TRANSLATE_NOOP("frmQuizdial", "W"),
    //: Colour button: the initial of Green (one letter, at most two).
    QT_TRANSLATE_NOOP("frmQuizdial", "G"),
    //: Colour button: the initial of Turquoise (cyan; one letter, at most two).
    QT_TRANSLATE_NOOP("frmQuizdial", "T"),
    //: Colour button: the initial of Yellow (one letter, at most two).
    QT_TRANSLATE_NOOP("frmQuizdial", "Y"),
    //: Colour button: the initial of Black (one letter, at most two).
    QT_TRANSLATE_NOOP("frmQuizdial", "B"),
};
inline constexpr std::array<QRgb, Count> Palette{
    qRgb(255, 255, 255), // white
    qRgb(0, 192, 0), // green
    qRgb(0, 255, 255), // cyan
    qRgb(255, 255, 0), // yellow
    qRgb(0, 0, 0), // black
};
// The window starts cyan.
inline constexpr int StartIndex = 2;

struct Colours
{
    QRgb background;
    QRgb text;
};

inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb White = qRgb(255, 255, 255);

// clang-format off
//                                      background       text
inline constexpr Colours Display       {qRgb(0, 0, 0),   qRgb(224, 224, 224)};
inline constexpr Colours Readout       {Blue,            qRgb(255, 255, 0)};
inline constexpr Colours ColourButton  {qRgb(0, 0, 128), White};
inline constexpr Colours Score         {Blue,            White};
inline constexpr Colours QuestionFrame {Blue,            White};
// clang-format on

inline constexpr QRgb TeamNameBox = qRgb(192, 192, 192);
// The frame behind the minute display: orange inside a red border.
inline constexpr QRgb ShapeFill = qRgb(255, 128, 0);
inline constexpr QRgb ShapeBorder = qRgb(255, 0, 0);
// The bevel lines round the minute display.
inline constexpr QRgb LineLight = White;
inline constexpr QRgb LineShadow = qRgb(128, 128, 128);

} // namespace ColourScheme
