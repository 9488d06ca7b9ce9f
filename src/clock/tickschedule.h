// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// When the ticks of a run are due on a monotonic clock: tick k at
// start + k x interval. Scheduling each tick from the start rather than from
// the previous tick keeps lateness from adding up: a late tick is followed by
// the next one on its own schedule, at once if that is already due.
class TickSchedule
{
public:
    using Duration = std::chrono::nanoseconds;

    explicit TickSchedule(std::chrono::milliseconds interval);

    void start(Duration now);
    void tickDone() { ++m_ticksDone; }

    int ticksDone() const { return m_ticksDone; }
    Duration nextDeadline() const;
    // Whole milliseconds until the next tick, rounded up so that it never
    // fires early; zero when it is already due.
    std::chrono::milliseconds delayUntilNext(Duration now) const;

private:
    std::chrono::milliseconds m_interval;
    Duration m_start{};
    int m_ticksDone = 0;
};
