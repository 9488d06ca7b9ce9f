// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "beeper.h"
#include "soundserver.h"

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

// The beep as the desktop plays it: through the sound server where there is
// one (so that it is heard wherever the computer has sound, and the volume
// mixer can turn it down), else the platform's bell.
//
// The clock's ticks run on the thread that calls beep(), and a sound server
// can stall (a stopped one never answers), so beep() never waits on it: a
// worker thread owns the server and plays, and a beep it cannot play in time
// (busy, stalled, disconnected) rings the platform bell instead.
class SystemBeeper final : public Beeper
{
public:
    using Bell = std::function<void()>;

    // How long a beep may wait for the worker before the bell rings instead.
    static constexpr std::chrono::milliseconds GiveUpAfter{200};

    // `server` null: the platform bell only. `bell` rings the platform's bell
    // (QApplication::beep); it is called on the thread that calls beep().
    SystemBeeper(std::unique_ptr<SoundServer> server, Bell bell);
    ~SystemBeeper() override;

    // Connects to the sound server and caches the sound in the background;
    // called once the window is shown, so that start-up does not wait for
    // it and the first beep is as prompt as any other.
    void prepare();
    void beep() override;

private:
    struct Worker;

    void giveUp(std::uint32_t id);

    Bell m_bell;
    std::unique_ptr<SoundServer> m_server; // until the worker takes it
    std::shared_ptr<Worker> m_worker; // shared with its thread
    std::thread m_thread;
    QObject m_context; // receives the worker's calls and the give-up timers
};
