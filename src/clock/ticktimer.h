// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tickschedule.h"

#include <QObject>
#include <QTimer>

#include <functional>

// A periodic timer that does not drift: each tick re-arms a precise
// single-shot timer for its own deadline on the monotonic clock, so neither
// timer slack nor a busy event loop lengthens a run of ticks.
class TickTimer : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<TickSchedule::Duration()>;

    // The one place that fixes the length of a clock second.
    static constexpr std::chrono::milliseconds Second{1000};

    explicit TickTimer(std::chrono::milliseconds interval = Second, QObject *parent = nullptr,
                       Clock now = steadyNow);

    // Starts a fresh run: the first tick comes one interval from now.
    void start();
    void stop();
    bool isActive() const { return m_active; }
    const TickSchedule &schedule() const { return m_schedule; }

    static TickSchedule::Duration steadyNow();

signals:
    void ticked();

private:
    void fire();
    void arm();

    Clock m_now;
    TickSchedule m_schedule;
    QTimer m_timer;
    bool m_active = false;
};
