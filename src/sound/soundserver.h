// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The desktop's sound server as the beep needs it. Every call may block for
// as long as the server does not answer (a stopped server blocks forever), so
// only the beeper's own server thread makes them.
class SoundServer
{
public:
    enum class Sound {
        ThemeBell, // the "bell" event of the desktop's sound theme
        OwnTone, // the program's own tone, installed with it
    };
    enum class Result { Done, NoSuchSound, Failed };

    virtual ~SoundServer() = default;

    // False where no server answers (or the sound library is missing).
    virtual bool connect() = 0;
    virtual void disconnect() = 0;
    // Uploads the sound into the server, so that playing it starts at once;
    // returns once the server has it.
    virtual Result cache(Sound sound) = 0;
    // Starts the sound and returns.
    virtual Result play(Sound sound) = 0;
};

// The platform's sound server, named by the application's id (its desktop
// file's and icon's name), with the program's own tone (toneFile()), or null
// where the program was built without one.
std::unique_ptr<SoundServer> systemSoundServer(const QString &appId, const QByteArray &tone);
