// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundserver.h"

// Built without libcanberra (not Linux, or not found): the platform bell only.
std::unique_ptr<SoundServer> systemSoundServer(const QString &, const QByteArray &)
{
    return nullptr;
}
