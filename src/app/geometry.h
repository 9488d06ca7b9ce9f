// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole layout of the window, in twips (1/1440 inch). Positions are
// relative to the window's client area, or to a question frame's outer edge
// for the controls inside it. The faces' sizes, in points, are in look/.

#include "look/colourscheme.h"
#include "scoring/scoresheet.h"

#include <QColor>
#include <QLine>
#include <QRect>

#include <array>

namespace Geometry {

struct Twips
{
    int left, top, width, height;
};

struct TwipsLine
{
    int x1, y1, x2, y2;
    QRgb colour;
};

struct QuestionRow
{
    int frameTop;
    int sliderLeft, sliderTop;
    int labelLeft, labelTop, labelHeight;
};

// At 96 dpi one pixel is 15 twips; Qt's high-dpi scaling takes it from there.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int TwipsPerPoint = 20;

constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
// Font sizes are whole twentieths of a point, so the product is exact.
constexpr int pointsToPixels(double points)
{
    return pixels(static_cast<int>(points * TwipsPerPoint));
}
inline QRect pixels(Twips t)
{
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}
inline QLine pixels(TwipsLine l)
{
    return {pixels(l.x1), pixels(l.y1), pixels(l.x2), pixels(l.y2)};
}

// clang-format off
// Client areas: the compact one shows only the clock panel.
inline constexpr Twips CompactClient{0, 0, 3975, 4860};
inline constexpr Twips ExpandedClient{0, 0, 6465, 7110};
// clang-format on

// The window's two sizes; Score-> switches between them.
enum class WindowSize { Compact, Expanded };

inline constexpr Twips clientArea(WindowSize size)
{
    return size == WindowSize::Compact ? CompactClient : ExpandedClient;
}
inline QSize clientSize(WindowSize size)
{
    return pixels(clientArea(size)).size();
}

// clang-format off
//                                  left   top  width height
inline constexpr Twips Picture5   {   60,  120,  3180, 3345};
inline constexpr Twips Display    {  855,  210,  1725, 2955};
inline constexpr Twips Shape1     {  705,  300,  1845, 2925};
inline constexpr Twips Label9     {  570, 3450,  2145, 1020};
inline constexpr Twips Start      { 2775, 3390,  1200,  375};
inline constexpr Twips End        { 2760, 3750,  1215,  360};
inline constexpr Twips CmdExpand  { 3075, 4530,   885,  315};
inline constexpr Twips Score      {  900, 4935,  1545,  855};
inline constexpr Twips CmdEnter   {  750, 5805,  1935,  315};
inline constexpr Twips TxtTeamName{  390, 6165,  3525,  480};
inline constexpr Twips CmdPrint   {  810, 6675,  1755,  315};

// The colour buttons W, G, T, Y, B.
inline constexpr std::array<Twips, ColourScheme::Count> Option1{{
    {  285, 4545, 540, 225},
    {  810, 4545, 540, 225},
    { 1335, 4545, 540, 225},
    { 1830, 4545, 540, 225},
    { 2370, 4545, 540, 225},
}};

inline constexpr int LineWidthPixels = 3;
inline constexpr int Shape1BorderPixels = 20;

// The bevel lines round the minute display.
inline constexpr int LineCount = 6;
//                                                 x1    y1    x2    y2  colour
inline constexpr std::array<TwipsLine, LineCount> Lines{{
    {  900, 3000, 2400, 3000, ColourScheme::LineLight},
    { 2400,  510, 2400, 2970, ColourScheme::LineLight},
    {  555, 3300,  555,  150, ColourScheme::LineLight},
    {  555,  150, 2655,  150, ColourScheme::LineLight},
    {  870,  465,  870, 2985, ColourScheme::LineShadow},
    {  870,  420, 2400,  435, ColourScheme::LineShadow},
}};

// The question column: frame n (1 to 12) holds setminute(n) and minute(n).
inline constexpr int QuestionLeft = 4065;
inline constexpr int QuestionWidth = 2055;
inline constexpr int QuestionHeight = 525;
inline constexpr int SliderWidth = 1455;
inline constexpr int SliderHeight = 195;
inline constexpr int MinuteLabelWidth = 285;

//                                                          frame  slider     label
//                                                            top  left top  left top height
inline constexpr std::array<QuestionRow, ScoreSheet::QuestionCount> Questions{{
    {  210, 60, 210, 1590, 120, 315},
    {  750, 60, 240, 1590, 120, 315},
    { 1290, 60, 210, 1590, 135, 315},
    { 1830, 60, 210, 1590, 135, 300},
    { 2370, 60, 210, 1590, 135, 315},
    { 2910, 60, 210, 1590, 135, 315},
    { 3435, 30, 210, 1590, 135, 315},
    { 3960, 60, 210, 1590, 135, 315},
    { 4500, 60, 210, 1590, 135, 315},
    { 5040, 60, 240, 1590, 135, 315},
    { 5580, 60, 210, 1590, 135, 315},
    { 6120, 60, 210, 1590, 135, 315},
}};

// clang-format on

inline constexpr Twips questionFrame(const QuestionRow &q)
{
    return {QuestionLeft, q.frameTop, QuestionWidth, QuestionHeight};
}
inline constexpr Twips questionSlider(const QuestionRow &q)
{
    return {q.sliderLeft, q.sliderTop, SliderWidth, SliderHeight};
}
inline constexpr Twips questionLabel(const QuestionRow &q)
{
    return {q.labelLeft, q.labelTop, MinuteLabelWidth, q.labelHeight};
}

} // namespace Geometry
