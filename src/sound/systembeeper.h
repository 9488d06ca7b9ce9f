// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "beeper.h"
#include "soundcard.h"
#include "soundserver.h"

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

// The beep as the desktop plays it: through the sound server where there is
// one (so that it is heard wherever the computer has sound, and the volume
// mixer can turn it down); where none answers, straight through the sound
// card; else the platform's bell.
//
// The clock's ticks run on the thread that calls beep(), and a sound server
// or a sound device can stall (a stopped server never answers), so beep()
// never waits on either: a thread of their own serves each, and a beep that
// is not played in time (busy, stalled, disconnected) rings the platform bell
// instead. The server is connected on its thread between beeps, never on a
// beep's way: a beep while it is not connected goes to the card at once.
// Likewise the card is asked on its thread whether it answers, once prepared
// and again while it does not: a beep while no card answers rings the bell
// at once, never after another try at the device.
class SystemBeeper final : public Beeper
{
public:
    using Bell = std::function<void()>;

    // How long a beep may wait to be played before the bell rings instead.
    static constexpr std::chrono::milliseconds GiveUpAfter{200};
    // How soon a sound server or card that did not answer is asked again;
    // twice as long after each time it does not, up to RetryAtMost.
    static constexpr std::chrono::milliseconds RetryFirst{1000};
    static constexpr std::chrono::milliseconds RetryAtMost{30000};

    // `server` and `card` null: there is no such way to sound. `bell` rings
    // the platform's bell (QApplication::beep); it is called on the thread
    // that calls beep().
    SystemBeeper(std::unique_ptr<SoundServer> server, std::unique_ptr<SoundCard> card, Bell bell);
    ~SystemBeeper() override;

    // Connects to the sound server, caches the sound and asks the card
    // whether it answers, in the background; called once the window is
    // shown, so that start-up does not wait for it and the first beep is as
    // prompt as any other.
    void prepare();
    void beep() override;
    // Whether a beep now would go to the sound server.
    bool serverReady() const;

private:
    struct Shared;

    void giveUp(std::uint32_t id);

    Bell m_bell;
    std::unique_ptr<SoundServer> m_server; // until its thread takes it
    std::unique_ptr<SoundCard> m_card; // until its thread takes it
    std::shared_ptr<Shared> m_shared; // shared with the threads
    std::thread m_serverThread;
    std::thread m_cardThread;
    QObject m_context; // receives the threads' calls and the give-up timers
};
