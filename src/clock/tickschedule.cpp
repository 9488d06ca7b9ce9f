// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickschedule.h"

TickSchedule::TickSchedule(std::chrono::milliseconds interval)
    : m_interval(interval)
{
}

void TickSchedule::start(Duration now)
{
    m_start = now;
    m_ticksDone = 0;
}

TickSchedule::Duration TickSchedule::nextDeadline() const
{
    return m_start + m_interval * (m_ticksDone + 1);
}

std::chrono::milliseconds TickSchedule::delayUntilNext(Duration now) const
{
    const Duration left = nextDeadline() - now;
    if (left <= Duration::zero()) {
        return std::chrono::milliseconds::zero();
    }
    return std::chrono::ceil<std::chrono::milliseconds>(left);
}
