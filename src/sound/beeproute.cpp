// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beeproute.h"

using Result = SoundServer::Result;

BeepRoute::BeepRoute(SoundServer &server)
    : m_server(server)
{
}

bool BeepRoute::prepare()
{
    if (!m_connected && !(m_connected = m_server.connect())) {
        return false;
    }
    return choose();
}

bool BeepRoute::choose()
{
    if (m_sound) {
        return true;
    }
    for (auto sound : {Sound::ThemeBell, Sound::OwnTone}) {
        switch (m_server.cache(sound)) {
        case Result::Done:
            m_sound = sound;
            return true;
        case Result::NoSuchSound:
            break;
        case Result::Failed:
            drop();
            return false;
        }
    }
    return false;
}

std::optional<BeepRoute::Sound> BeepRoute::play(const std::function<bool()> &wanted)
{
    // Twice at most: a sound file that went away since it was cached (a
    // theme removed) is chosen anew. Never a connection: that is prepare's.
    for (int attempt = 0; attempt < 2 && m_connected && choose(); ++attempt) {
        // Caching it afresh first waits for the server's answer: a server
        // that stalls does so here, and a beep given up meanwhile is not
        // played late, once the server runs again, as a wrong second beep.
        auto result = m_server.cache(*m_sound);
        if (result == Result::Done) {
            if (!wanted()) {
                return std::nullopt;
            }
            result = m_server.play(*m_sound);
        }
        switch (result) {
        case Result::Done:
            return m_sound;
        case Result::NoSuchSound:
            m_sound.reset();
            break;
        case Result::Failed:
            drop();
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void BeepRoute::drop()
{
    m_server.disconnect();
    m_connected = false;
    m_sound.reset();
}
