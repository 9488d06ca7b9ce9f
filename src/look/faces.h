// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The faces of every text the hall and the moderator read, each once: the
// window sets them at their sizes, the room's view and the page for phones
// make them as large as their part of the screen allows. (Their families
// are names, not translated.)

#include <QFont>

namespace Faces {

struct Face
{
    const char *family;
    double points; // in the window
};

// Every control of the window without a face of its own.
inline constexpr Face Window{"MS Sans Serif", 8.25}; // not translated
inline constexpr Face Digit{"Arial", 128.25};
inline constexpr Face Readout{"Times New Roman", 48}; // not translated
inline constexpr Face Total{"Times New Roman", 36}; // not translated
inline constexpr Face TeamName{"MS Sans Serif", 13.5}; // not translated

// A face as the views draw it, in bold; the size is the caller's.
QFont bold(Face face);

} // namespace Faces
