// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodclock.h"

#include <utility>

PeriodClock::PeriodClock(std::function<void()> beep)
    : m_beep(std::move(beep))
{
}

QString PeriodClock::startCaption() const
{
    if (m_running) {
        //: The start button while the period runs: stops the clock and resets
        //: it to the first minute. Short: the button is 80 px wide.
        return tr("Stop/Reset");
    }
    //: The start button while the clock stands. Short: the button is 80 px wide.
    return tr("Start");
}

void PeriodClock::togglePeriod()
{
    // The beep comes first, so it marks the moment of the click.
    m_beep();
    m_seconds = 0;
    m_minuteNo = 1;
    m_running = !m_running;
    if (m_running) {
        m_readout = formatReadout(m_minuteNo, m_seconds);
        m_minuteDigit = QString::number(m_minuteNo);
        m_minuteDigitShown = true;
    } else {
        m_readout.clear();
        m_minuteDigitShown = false;
    }
}

void PeriodClock::tick()
{
    if (!m_running) {
        return;
    }
    ++m_seconds;
    if (m_seconds == SecondsPerMinute) {
        if (m_minuteNo == MinutesPerPeriod) {
            togglePeriod();
        } else {
            m_seconds = 0;
            ++m_minuteNo;
            m_minuteDigit = QString::number(m_minuteNo);
            m_beep();
        }
    }
    // Also after the period has ended: the readout then rests at " 1:00".
    m_readout = formatReadout(m_minuteNo, m_seconds);
}

QString PeriodClock::formatReadout(qint16 minuteNo, qint16 seconds)
{
    QString minute = QString::number(minuteNo);
    if (minute.size() == 1) {
        minute.prepend(u' ');
    }
    QString second = QString::number(seconds);
    if (second.size() == 1) {
        second.prepend(u'0');
    }
    return minute + u':' + second;
}

QStringList PeriodClock::allStartCaptions()
{
    PeriodClock clock([] {});
    QStringList captions{clock.startCaption()};
    clock.togglePeriod();
    return captions << clock.startCaption();
}

QStringList PeriodClock::allReadouts()
{
    QStringList texts;
    for (qint16 minute = 1; minute <= MinutesPerPeriod; ++minute) {
        for (qint16 second = 0; second < SecondsPerMinute; ++second) {
            texts << formatReadout(minute, second);
        }
    }
    return texts;
}
