// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticktimer.h"

#include <utility>

TickTimer::TickTimer(std::chrono::milliseconds interval, QObject *parent, Clock now)
    : QObject(parent)
    , m_now(std::move(now))
    , m_schedule(interval)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::fire);
}

TickSchedule::Duration TickTimer::steadyNow()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

void TickTimer::start()
{
    m_active = true;
    m_schedule.start(m_now());
    arm();
}

void TickTimer::stop()
{
    m_active = false;
    m_timer.stop();
}

void TickTimer::fire()
{
    m_schedule.tickDone();
    emit ticked();
    // A handler may have stopped (or restarted) the timer.
    if (m_active && !m_timer.isActive()) {
        arm();
    }
}

void TickTimer::arm()
{
    m_timer.start(m_schedule.delayUntilNext(m_now()));
}
