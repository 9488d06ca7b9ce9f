// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The program's own tone (beep.wav), where it is installed relative to the
// binary or where the build puts it beside the binary in the build tree, as
// a path in the file system's encoding; empty where there is none.
QByteArray toneFile();
