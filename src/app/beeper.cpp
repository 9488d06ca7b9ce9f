// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beeper.h"

#include <QApplication>

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

SystemBeeper::SystemBeeper(Route route)
    : m_route(route)
{
    if (m_route != Route::EventSound) {
        return;
    }
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) {
        return; // no sound system: beeps stay silent rather than fail
    }
    m_canberra.reset(context);
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Vornaxi Timer",
                            CA_PROP_APPLICATION_ID, "vornaxi-timer", nullptr);
}

SystemBeeper::~SystemBeeper() = default;

void SystemBeeper::CanberraDeleter::operator()(ca_context *context) const
{
    ca_context_destroy(context);
}

void SystemBeeper::beep()
{
    if (m_route == Route::PlatformBell) {
        QApplication::beep();
    } else if (m_canberra) {
        // Asynchronous: the sound plays while the clock goes on.
        ca_context_play(m_canberra.get(), 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                        "Quiz period clock", nullptr);
    }
}
