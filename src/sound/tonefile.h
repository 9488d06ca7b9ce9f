// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The program's own tone (beep.wav), where it is installed relative to the
// binary or where the build puts it beside the binary in the build tree, as
// a path in the file system's encoding; empty where there is none (or the
// program has no way to play it). Asks the application where its binary is:
// on the application's thread, before the sound threads start.
QByteArray toneFile();
