// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundserver.h"

#include "loader/library.h"

#include <QCoreApplication>

// For its types and property names only: the library is loaded by the
// beeper's server thread once the window is shown, off the start-up path.
#include <canberra.h>

namespace {

// The name under which the program's own tone is cached in the server.
constexpr char ToneId[] = "io.github.vornaxi.VornaxiTimer.beep";

SoundServer::Result result(int error)
{
    switch (error) {
    case CA_SUCCESS:
        return SoundServer::Result::Done;
    case CA_ERROR_NOTFOUND:
        return SoundServer::Result::NoSuchSound;
    default:
        return SoundServer::Result::Failed;
    }
}

// libcanberra with its PulseAudio driver: the sound server of Linux desktops,
// whether PulseAudio itself or PipeWire's PulseAudio service.
class CanberraServer final : public SoundServer
{
public:
    CanberraServer(const QString &appId, const QByteArray &tone)
        : m_appId(appId.toUtf8())
        , m_name(QCoreApplication::applicationName().toUtf8())
        , m_version(QCoreApplication::applicationVersion().toUtf8())
        , m_tone(tone)
    {
    }
    ~CanberraServer() override { disconnect(); }

    bool connect() override
    {
        if (!m_library.load() || m_create(&m_context) != CA_SUCCESS) {
            return false;
        }
        // The sound server only: libcanberra's ALSA driver would bypass it
        // and hold the sound card.
        m_setDriver(m_context, "pulse");
        // Named, the mixer shows the program and can set its volume apart.
        // The desktop's event-sounds switch reaches libcanberra through
        // canberra.enable alone (libcanberra-gtk sets it): here it is on.
        m_changeProps(m_context, CA_PROP_APPLICATION_NAME, m_name.constData(),
                      CA_PROP_APPLICATION_ID, m_appId.constData(), CA_PROP_APPLICATION_ICON_NAME,
                      m_appId.constData(), CA_PROP_APPLICATION_VERSION, m_version.constData(),
                      CA_PROP_CANBERRA_ENABLE, "1", nullptr);
        if (m_open(m_context) != CA_SUCCESS) {
            disconnect();
            return false;
        }
        return true;
    }

    void disconnect() override
    {
        if (m_context) {
            m_destroy(m_context);
            m_context = nullptr;
        }
    }

    Result cache(Sound sound) override
    {
        if (sound == Sound::OwnTone && m_tone.isEmpty()) {
            return Result::NoSuchSound;
        }
        return result(withProperties(sound, m_cache));
    }

    Result play(Sound sound) override
    {
        // "permanent": played from the server's cache, uploaded again first
        // where the server has lost it (restarted).
        return result(
            withProperties(sound, m_play, 0u, CA_PROP_CANBERRA_CACHE_CONTROL, "permanent"));
    }

private:
    // Calls libcanberra with a sound's properties. They go with each sound,
    // not with the context (whose properties name the client only). The
    // role is not "event": mixers fold event sounds into one "system
    // sounds" slider, which is often turned down, and the beep is the
    // program's function, played whether or not the desktop's event sounds
    // are on. The theme's bell has no file: its list ends before one.
    template<typename Function, typename... Before>
    int withProperties(Sound sound, Function function, Before... before)
    {
        const bool own = sound == Sound::OwnTone;
        return function(m_context, before..., CA_PROP_EVENT_ID, own ? ToneId : "bell",
                        CA_PROP_MEDIA_NAME, "Beep", CA_PROP_MEDIA_ROLE, "alarm",
                        own ? CA_PROP_MEDIA_FILENAME : nullptr, m_tone.constData(), nullptr);
    }
    QByteArray m_appId;
    QByteArray m_name;
    QByteArray m_version;
    QByteArray m_tone;
    decltype(&ca_context_create) m_create = nullptr;
    decltype(&ca_context_destroy) m_destroy = nullptr;
    decltype(&ca_context_set_driver) m_setDriver = nullptr;
    decltype(&ca_context_change_props) m_changeProps = nullptr;
    decltype(&ca_context_open) m_open = nullptr;
    decltype(&ca_context_cache) m_cache = nullptr;
    decltype(&ca_context_play) m_play = nullptr;
    Library m_library{QStringLiteral("canberra"),
                      0,
                      {
                          {"ca_context_create", m_create},
                          {"ca_context_destroy", m_destroy},
                          {"ca_context_set_driver", m_setDriver},
                          {"ca_context_change_props", m_changeProps},
                          {"ca_context_open", m_open},
                          {"ca_context_cache", m_cache},
                          {"ca_context_play", m_play},
                      }};
    ca_context *m_context = nullptr;
};

} // namespace

std::unique_ptr<SoundServer> systemSoundServer(const QString &appId, const QByteArray &tone)
{
    return std::make_unique<CanberraServer>(appId, tone);
}
