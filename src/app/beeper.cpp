// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beeper.h"

#include <QApplication>
#include <QLibrary>

// For its types and property names only; the library is loaded at run time.
#include <canberra.h>

SystemBeeper::Route SystemBeeper::routeFor(QStringView platformName)
{
    // Platforms whose QApplication::beep() really rings something.
    for (auto bell : {u"xcb", u"windows", u"cocoa"}) {
        if (platformName == QStringView(bell)) {
            return Route::PlatformBell;
        }
    }
    return Route::EventSound;
}

// libcanberra, loaded at run time, and one context of it.
struct SystemBeeper::EventSound
{
    QLibrary library{QStringLiteral("canberra"), 0};
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context *context = nullptr;

    bool open()
    {
        return library.load() && resolve("ca_context_create", create) &&
            resolve("ca_context_destroy", destroy) &&
            resolve("ca_context_change_props", changeProps) && resolve("ca_context_play", play) &&
            create(&context) == CA_SUCCESS;
    }
    template<typename Function>
    bool resolve(const char *name, Function &function)
    {
        function = reinterpret_cast<Function>(library.resolve(name));
        return function != nullptr;
    }
    ~EventSound()
    {
        if (context) {
            destroy(context);
        }
    }
};

SystemBeeper::SystemBeeper(Route route)
    : m_route(route)
{
    if (m_route != Route::EventSound) {
        return;
    }
    auto sound = std::make_unique<EventSound>();
    if (!sound->open()) {
        return; // no sound system: beeps stay silent rather than fail
    }
    sound->changeProps(sound->context, CA_PROP_APPLICATION_NAME, "Vornaxi Timer",
                       CA_PROP_APPLICATION_ID, "vornaxi-timer", nullptr);
    m_sound = std::move(sound);
}

SystemBeeper::~SystemBeeper() = default;

bool SystemBeeper::hasEventSound() const
{
    return m_sound != nullptr;
}

void SystemBeeper::beep()
{
    if (m_route == Route::PlatformBell) {
        QApplication::beep();
    } else if (m_sound) {
        // Asynchronous: the sound plays while the clock goes on.
        m_sound->play(m_sound->context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                      "Quiz period clock", nullptr);
    }
}
