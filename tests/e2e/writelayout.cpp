// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes the window's layout in pixels, from the program's own layout and
// colour tables, as a shell file for the end-to-end scripts to source:
// NAME=(left top width height) for each control in window coordinates, named
// as its objectName with "(n)" made "_n"; LineN=(x1 y1 x2 y2); COMPACT=WxH and
// EXPANDED=WxH; NAME=(red green blue) for the colours.
// usage: writelayout FILE
#include "app/geometry.h"

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    using namespace Geometry;
    std::FILE *out = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (!out) {
        std::fprintf(stderr, "usage: writelayout FILE (a file it can write)\n");
        return 2;
    }
    const auto rect = [out](const std::string &name, QRect r) {
        std::fprintf(out, "%s=(%d %d %d %d)\n", name.c_str(), r.x(), r.y(), r.width(), r.height());
    };
    const auto colour = [out](const std::string &name, QRgb c) {
        std::fprintf(out, "%s=(%d %d %d)\n", name.c_str(), qRed(c), qGreen(c), qBlue(c));
    };

    std::fprintf(out,
                 "# Written by writelayout from src/app/geometry.h and "
                 "src/look/colourscheme.h.\n");
    for (const auto &[name, size] :
         {std::pair{"COMPACT", WindowSize::Compact}, std::pair{"EXPANDED", WindowSize::Expanded}}) {
        std::fprintf(out, "%s=%dx%d\n", name, clientSize(size).width(), clientSize(size).height());
    }
    for (const auto &[name, where] : {std::pair{"Picture5", Picture5},
                                      {"Display", Display},
                                      {"Shape1", Shape1},
                                      {"Label9", Label9},
                                      {"start", Start},
                                      {"end", End},
                                      {"cmdExpand", CmdExpand},
                                      {"score", Score},
                                      {"cmdEnter", CmdEnter},
                                      {"txtTeamName", TxtTeamName},
                                      {"cmdPrint", CmdPrint}}) {
        rect(name, pixels(where));
    }
    for (int i = 0; i < ColourScheme::Count; ++i) {
        rect("Option1_" + std::to_string(i), pixels(Option1[i]));
    }
    for (int i = 0; i < LineCount; ++i) {
        const QLine l = pixels(Lines[i]);
        std::fprintf(out, "Line%d=(%d %d %d %d)\n", i + 1, l.x1(), l.y1(), l.x2(), l.y2());
    }
    for (int i = 0; i < int(Questions.size()); ++i) {
        const std::string n = std::to_string(i + 1);
        const QRect frame = pixels(questionFrame(Questions[i]));
        rect("question_" + n, frame);
        // The slider and its label sit in the frame.
        rect("setminute_" + n, pixels(questionSlider(Questions[i])).translated(frame.topLeft()));
        rect("minute_" + n, pixels(questionLabel(Questions[i])).translated(frame.topLeft()));
    }

    for (int i = 0; i < ColourScheme::Count; ++i) {
        colour(std::string("PALETTE_") + ColourScheme::Captions[i], ColourScheme::Palette[i]);
    }
    using namespace ColourScheme;
    for (const auto &[name, colours] : {std::pair{"DISPLAY", ColourScheme::Display},
                                        {"READOUT", Readout},
                                        {"COLOUR_BUTTON", ColourButton},
                                        {"SCORE", ColourScheme::Score},
                                        {"QUESTION", QuestionFrame}}) {
        colour(std::string(name) + "_BACKGROUND", colours.background);
        colour(std::string(name) + "_TEXT", colours.text);
    }
    colour("TEAM_NAME_BOX", TeamNameBox);
    colour("SHAPE_FILL", ShapeFill);
    colour("SHAPE_BORDER", ShapeBorder);
    colour("LINE_LIGHT", LineLight);
    colour("LINE_SHADOW", LineShadow);
    return std::fclose(out) == 0 ? 0 : 1;
}
