// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <memory>

struct ca_context;

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
// through libcanberra instead, so that every minute is heard.
class SystemBeeper final : public Beeper
{
public:
    enum class Route { PlatformBell, EventSound };

    // Chosen once, from the Qt platform plugin's name ("xcb", "wayland"...).
    static Route routeFor(QStringView platformName);

    explicit SystemBeeper(Route route);
    ~SystemBeeper() override;

    Route route() const { return m_route; }
    void beep() override;

private:
    struct CanberraDeleter
    {
        void operator()(ca_context *context) const;
    };

    Route m_route;
    std::unique_ptr<ca_context, CanberraDeleter> m_canberra;
};
