// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcard.h"

// Built without ALSA (not Linux, or not found): no way to the card but the
// sound server's.
std::unique_ptr<SoundCard> systemSoundCard(const QByteArray &)
{
    return nullptr;
}
