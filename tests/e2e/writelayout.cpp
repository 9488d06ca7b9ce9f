// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes the window's layout in pixels, from the program's own layout and
// colour tables, as a shell file for the end-to-end scripts to source:
//   NAME=(left top width height)    each control, in window coordinates,
//                                   named as its objectName ("Option1(2)"
//                                   becomes Option1_2, "setminute(5)"
//                                   setminute_5)
//   LineN=(x1 y1 x2 y2)             the bevel lines' ends
//   COMPACT=WxH EXPANDED=WxH        the two client sizes
//   NAME_BACKGROUND=(r g b) ...     the colours, PALETTE_W to PALETTE_B the
//                                   backgrounds to choose
// usage: writelayout FILE
#include "app/geometry.h"

#include <cstdio>
#include <string>

namespace {

void rect(std::FILE *out, const std::string &name, QRect r)
{
    std::fprintf(out, "%s=(%d %d %d %d)\n", name.c_str(), r.x(), r.y(), r.width(), r.height());
}

void colour(std::FILE *out, const std::string &name, QRgb c)
{
    std::fprintf(out, "%s=(%d %d %d)\n", name.c_str(), qRed(c), qGreen(c), qBlue(c));
}

void colours(std::FILE *out, const std::string &name, ColourScheme::Colours c)
{
    colour(out, name + "_BACKGROUND", c.background);
    colour(out, name + "_TEXT", c.text);
}

void size(std::FILE *out, const char *name, Geometry::WindowSize windowSize)
{
    const QSize s = Geometry::clientSize(windowSize);
    std::fprintf(out, "%s=%dx%d\n", name, s.width(), s.height());
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace Geometry;
    std::FILE *out = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (!out) {
        std::fprintf(stderr, "usage: writelayout FILE (a file it can write)\n");
        return 2;
    }
    std::fprintf(out,
                 "# The window's layout in pixels, written by writelayout from "
                 "src/app/geometry.h\n# and src/extras/colourscheme.h. Do not edit.\n");
    size(out, "COMPACT", WindowSize::Compact);
    size(out, "EXPANDED", WindowSize::Expanded);

    const struct
    {
        const char *name;
        Twips where;
    } controls[] = {{"Picture5", Picture5},       {"Display", Display},  {"Shape1", Shape1},
                    {"Label9", Label9},           {"start", Start},      {"end", End},
                    {"cmdExpand", CmdExpand},     {"score", Score},      {"cmdEnter", CmdEnter},
                    {"txtTeamName", TxtTeamName}, {"cmdPrint", CmdPrint}};
    for (const auto &control : controls) {
        rect(out, control.name, pixels(control.where));
    }
    for (int i = 0; i < ColourScheme::Count; ++i) {
        rect(out, "Option1_" + std::to_string(i), pixels(Option1[i]));
    }
    for (int i = 0; i < LineCount; ++i) {
        const QLine l = pixels(Lines[i]);
        std::fprintf(out, "Line%d=(%d %d %d %d)\n", i + 1, l.x1(), l.y1(), l.x2(), l.y2());
    }
    for (int i = 0; i < int(Questions.size()); ++i) {
        const std::string n = std::to_string(i + 1);
        const QRect frame = pixels(questionFrame(Questions[i]));
        rect(out, "question_" + n, frame);
        // The slider and its label sit in the frame.
        rect(out, "setminute_" + n,
             pixels(questionSlider(Questions[i])).translated(frame.topLeft()));
        rect(out, "minute_" + n, pixels(questionLabel(Questions[i])).translated(frame.topLeft()));
    }

    for (int i = 0; i < ColourScheme::Count; ++i) {
        colour(out, std::string("PALETTE_") + ColourScheme::Captions[i], ColourScheme::Palette[i]);
    }
    colours(out, "DISPLAY", ColourScheme::Display);
    colours(out, "READOUT", ColourScheme::Readout);
    colours(out, "COLOUR_BUTTON", ColourScheme::ColourButton);
    colours(out, "SCORE", ColourScheme::Score);
    colours(out, "QUESTION", ColourScheme::QuestionFrame);
    colour(out, "TEAM_NAME_BOX", ColourScheme::TeamNameBox);
    colour(out, "SHAPE_FILL", ColourScheme::ShapeFill);
    colour(out, "SHAPE_BORDER", ColourScheme::ShapeBorder);
    return std::fclose(out) == 0 ? 0 : 1;
}
