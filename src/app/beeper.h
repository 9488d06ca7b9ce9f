// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <memory>

// The one way the program makes a sound; tests count beeps through it.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// The system beep. On X11 (and Windows and macOS) it is the platform's bell,
// which desktops turn into their alert sound. Where the platform has no bell,
// a Wayland session for one, the desktop's "bell" event sound is played
// through libcanberra instead, so that every minute is heard. libcanberra is
// loaded only then, so an X11 session never pays for it.
class SystemBeeper final : public Beeper
{
public:
    enum class Route { PlatformBell, EventSound };

    // Chosen once, from the Qt platform plugin's name ("xcb", "wayland"...).
    static Route routeFor(QStringView platformName);

    explicit SystemBeeper(Route route);
    ~SystemBeeper() override;

    Route route() const { return m_route; }
    // Whether the event sound could be set up (libcanberra found and working).
    bool hasEventSound() const;
    void beep() override;

private:
    struct EventSound;

    Route m_route;
    std::unique_ptr<EventSound> m_sound; // null when libcanberra is not there
};
