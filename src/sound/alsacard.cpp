// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcard.h"

#include "loader/library.h"

#include <QFile>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// For its types and constants only: the library is loaded by the beeper's
// card thread, off the start-up path, as libcanberra is.
#include <alsa/asoundlib.h>

namespace {

// How much sound the device is asked to hold ahead, and how often the rest of
// the tone is handed on where the device holds less than the whole of it.
constexpr unsigned BufferUs = 100'000;
constexpr std::chrono::milliseconds FeedEvery{20};

// 16-bit PCM, its frames interleaved; empty where the file is not one.
struct Tone
{
    unsigned rate = 0;
    unsigned channels = 0;
    std::vector<std::int16_t> samples;

    long frames() const { return channels ? long(samples.size() / channels) : 0; }
};

Tone readWave(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const std::string wave = file.read(1 << 20).toStdString();
    const auto byte = [&wave](std::size_t at) { return unsigned(std::uint8_t(wave[at])); };
    const auto le16 = [&byte](std::size_t at) { return byte(at) | byte(at + 1) << 8; };
    const auto le32 = [&le16](std::size_t at) { return le16(at) | le16(at + 2) << 16; };
    if (wave.size() < 12 || wave.compare(0, 4, "RIFF") || wave.compare(8, 4, "WAVE")) {
        return {};
    }
    Tone tone;
    // The chunks after the header, each an id and its size: "fmt " first.
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        const std::string id = wave.substr(at, 4);
        const std::size_t size = le32(at + 4);
        const std::size_t body = at + 8;
        if (size > wave.size() - body) {
            break;
        }
        if (id == "fmt " && size >= 16 && le16(body) == 1 && le16(body + 14) == 16) {
            tone.channels = le16(body + 2);
            tone.rate = le32(body + 4);
        } else if (id == "data" && tone.channels) {
            tone.samples.resize(size / 2);
            for (std::size_t i = 0; i < tone.samples.size(); ++i) {
                tone.samples[i] = std::int16_t(le16(body + 2 * i));
            }
            return tone;
        }
        at = body + size + (size & 1);
    }
    return {};
}

// A missing device is nothing to report on every beep.
void quiet(const char *, int, const char *, int, const char *, ...) { }

// libasound, the system's own sound library, on ALSA's default device: the
// sound card as the system is configured to use it (through ALSA's mixing
// where it has one, or through the sound server's ALSA plug-in where one runs).
class AlsaCard final : public SoundCard
{
public:
    explicit AlsaCard(const QByteArray &tone)
        : m_tonePath(tone)
    {
    }
    ~AlsaCard() override { close(); }

    bool prepare() override
    {
        // Reading the configuration and working out the default device once
        // (loading its plug-ins) takes some 30 ms, once; each beep after that
        // opens it in well under one.
        snd_config_t *top = nullptr;
        snd_config_t *device = nullptr;
        if (!load() || m_configUpdate(&top) < 0) {
            return false;
        }
        if (m_searchDefinition(top, "pcm", "default", &device) >= 0) {
            m_configDelete(device);
        }
        m_configUnref(top);
        // A device that fails to open (a plug-in whose server is not
        // running) may take its time to say so: it is found out here, not
        // on a beep's way. Never while a tone plays.
        if (!openAfresh()) {
            return false;
        }
        close();
        return true;
    }

    bool play(const std::function<bool()> &wanted) override
    {
        if (!load()) {
            return false;
        }
        close(); // a tone still playing gives way to the new beep
        if (!openAfresh()) {
            return false;
        }
        if (!wanted()) {
            close();
            return false;
        }
        m_written = 0;
        m_endsAt = std::chrono::steady_clock::now() +
            std::chrono::microseconds(1'000'000LL * m_tone.frames() / m_tone.rate + BufferUs);
        if (!feed()) {
            close();
            return false;
        }
        return true;
    }

    std::chrono::milliseconds carryOn() override
    {
        if (!m_pcm) {
            return std::chrono::milliseconds::zero();
        }
        if (m_written < m_tone.frames()) {
            if (feed()) {
                return FeedEvery;
            }
        } else if (const auto left = m_endsAt - std::chrono::steady_clock::now();
                   left.count() > 0) {
            return std::chrono::ceil<std::chrono::milliseconds>(left);
        }
        close(); // closing drops what the device has not played: not before the end
        return std::chrono::milliseconds::zero();
    }

private:
    bool load()
    {
        if (m_loaded) {
            return *m_loaded;
        }
        m_tone = readWave(m_tonePath);
        m_loaded = m_tone.frames() > 0 && m_tone.rate > 0 && m_library.load();
        if (*m_loaded) {
            m_setErrorHandler(quiet);
        }
        return *m_loaded;
    }
    // The configuration is read once, and the default device can change
    // meanwhile: ALSA's PulseAudio plug-in takes it over while a sound
    // server runs and gives it back when the server ends. A device that
    // fails is looked for once more, in the configuration read afresh.
    bool openAfresh()
    {
        if (open()) {
            return true;
        }
        m_configFree();
        return open();
    }
    // Non-blocking: a device that another program holds fails at once
    // instead of waiting until it is free. The device converts the tone to
    // what it plays where it has to.
    bool open()
    {
        snd_pcm_t *pcm = nullptr;
        if (m_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
            return false;
        }
        if (m_setParams(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, m_tone.channels,
                        m_tone.rate, 1, BufferUs) < 0) {
            m_close(pcm);
            return false;
        }
        m_pcm = pcm;
        return true;
    }
    void close()
    {
        if (m_pcm) {
            m_close(m_pcm);
            m_pcm = nullptr;
        }
    }
    // Hands the device as much of the rest of the tone as it has room for.
    bool feed()
    {
        const auto done = m_write(m_pcm, m_tone.samples.data() + m_written * m_tone.channels,
                                  snd_pcm_uframes_t(m_tone.frames() - m_written));
        if (done == -EAGAIN) {
            return true;
        }
        if (done < 0) {
            return false;
        }
        m_written += done;
        // The device starts by itself once its buffer is full; a buffer
        // larger than the whole tone never is.
        return m_state(m_pcm) != SND_PCM_STATE_PREPARED || m_start(m_pcm) >= 0;
    }

    std::optional<bool> m_loaded;
    QByteArray m_tonePath;
    Tone m_tone;
    decltype(&snd_lib_error_set_handler) m_setErrorHandler = nullptr;
    decltype(&snd_config_update_ref) m_configUpdate = nullptr;
    decltype(&snd_config_unref) m_configUnref = nullptr;
    decltype(&snd_config_update_free_global) m_configFree = nullptr;
    decltype(&snd_config_search_definition) m_searchDefinition = nullptr;
    decltype(&snd_config_delete) m_configDelete = nullptr;
    decltype(&snd_pcm_open) m_open = nullptr;
    decltype(&snd_pcm_set_params) m_setParams = nullptr;
    decltype(&snd_pcm_writei) m_write = nullptr;
    decltype(&snd_pcm_state) m_state = nullptr;
    decltype(&snd_pcm_start) m_start = nullptr;
    decltype(&snd_pcm_close) m_close = nullptr;
    Library m_library{QStringLiteral("asound"),
                      2,
                      {
                          {"snd_lib_error_set_handler", m_setErrorHandler},
                          {"snd_config_update_ref", m_configUpdate},
                          {"snd_config_unref", m_configUnref},
                          {"snd_config_update_free_global", m_configFree},
                          {"snd_config_search_definition", m_searchDefinition},
                          {"snd_config_delete", m_configDelete},
                          {"snd_pcm_open", m_open},
                          {"snd_pcm_set_params", m_setParams},
                          {"snd_pcm_writei", m_write},
                          {"snd_pcm_state", m_state},
                          {"snd_pcm_start", m_start},
                          {"snd_pcm_close", m_close},
                      }};
    snd_pcm_t *m_pcm = nullptr;
    long m_written = 0; // frames handed to the device
    std::chrono::steady_clock::time_point m_endsAt;
};

} // namespace

std::unique_ptr<SoundCard> systemSoundCard(const QByteArray &tone)
{
    return std::make_unique<AlsaCard>(tone);
}
