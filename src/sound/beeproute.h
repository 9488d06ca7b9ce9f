// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundserver.h"

#include <functional>
#include <optional>

// Which sound a beep is: the theme's bell where the theme has one, else the
// program's own tone, else none (the caller takes another way). Runs on
// the beeper's server thread, one call at a time.
class BeepRoute
{
public:
    using Sound = SoundServer::Sound;

    explicit BeepRoute(SoundServer &server);

    // Connects where it is not connected, and caches the sound; true once
    // a sound is ready to play.
    bool prepare();
    bool ready() const { return m_connected && m_sound; }
    // Plays the beep on the connection there is, unless it is no longer
    // `wanted` once the server has answered; nothing when it was not heard.
    // A connection that failed is dropped, to be made afresh by prepare (a
    // restarted server is a new one).
    std::optional<Sound> play(const std::function<bool()> &wanted);

private:
    bool choose();
    void drop();

    SoundServer &m_server;
    bool m_connected = false;
    std::optional<Sound> m_sound; // the cached one
};
