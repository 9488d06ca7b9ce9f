// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>
#include <memory>

// The sound card itself, for when no sound server answers: the program's own
// tone through the system's default sound device. Opening a device can take
// its time (a device configured through a sound server that has stopped), so
// only the beeper's own card thread makes these calls.
class SoundCard
{
public:
    virtual ~SoundCard() = default;

    // Whether the device answers: reads the tone and the device
    // configuration, opens the device and closes it again, playing nothing.
    // Asked again while no device answers, so that one that comes later (a
    // sound server started, its ALSA plug-in then the default) is found.
    virtual bool prepare() = 0;
    // Opens the device and starts the tone, unless it is no longer `wanted`
    // once the device is open. False where it did not start: no device, the
    // device busy, or no tone. Never waits for a device that is in use.
    virtual bool play(const std::function<bool()> &wanted) = 0;
    // Goes on with the tone started: hands the device what it has room for,
    // and closes the device once the tone is over. Returns how soon to be
    // called again; zero once nothing plays.
    virtual std::chrono::milliseconds carryOn() = 0;
};

// ALSA's default device playing the program's own tone (toneFile()), or
// null where the program was built without ALSA.
std::unique_ptr<SoundCard> systemSoundCard(const QByteArray &tone);
