// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

// One four-minute answering period, counted in ticks of one second.
// It counts ticks, not wall-clock time: whoever delivers the ticks decides
// how exact a second is (see TickTimer).
class PeriodClock
{
    Q_DECLARE_TR_FUNCTIONS(PeriodClock)

public:
    static constexpr qint16 SecondsPerMinute = 60;
    static constexpr qint16 MinutesPerPeriod = 4;

    // beep is sounded at the start and stop of a period and at each new minute.
    explicit PeriodClock(std::function<void()> beep);

    // Starts a stopped period, or stops and resets a running one.
    void togglePeriod();
    // One second of a running period; ignored while stopped.
    void tick();

    bool isRunning() const { return m_running; }
    qint16 seconds() const { return m_seconds; }
    qint16 minuteNo() const { return m_minuteNo; }

    // What the clock panel shows.
    QString startCaption() const;
    const QString &readout() const { return m_readout; }
    const QString &minuteDigit() const { return m_minuteDigit; }
    bool isMinuteDigitShown() const { return m_minuteDigitShown; }
    bool isStopSignShown() const { return !m_running; }

    // " 1:05": a space, the minute, a colon and two digits of seconds.
    static QString formatReadout(qint16 minuteNo, qint16 seconds);
    // Every text the readout can show: " 1:00" to " 4:59".
    static QStringList allReadouts();
    // Both captions of the start button, in the program's language.
    static QStringList allStartCaptions();

private:
    std::function<void()> m_beep;
    qint16 m_seconds = 0;
    qint16 m_minuteNo = 1;
    bool m_running = false;
    QString m_readout;
    QString m_minuteDigit = QStringLiteral("1");
    // Shown but covered by the stop sign until the first stop hides it.
    bool m_minuteDigitShown = true;
};
