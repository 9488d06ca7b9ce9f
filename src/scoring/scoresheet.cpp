// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoresheet.h"

#include <QtGlobal>

#include <numeric>

int ScoreSheet::pointsFor(int minute)
{
    switch (minute) {
    case 1:
        return 16;
    case 2:
        return 12;
    case 3:
        return 8;
    case 4:
        return 4;
    default:
        return 0;
    }
}

void ScoreSheet::setAnswer(int question, int minute)
{
    Q_ASSERT(question >= 1 && question <= QuestionCount);
    m_answers[question - 1] = minute;
    m_touched[question - 1] = true;
}

int ScoreSheet::answer(int question) const
{
    return m_answers[question - 1];
}

int ScoreSheet::total() const
{
    return std::accumulate(m_answers.begin(), m_answers.end(), 0,
                           [](int sum, int minute) { return sum + pointsFor(minute); });
}

QString ScoreSheet::minuteText(int question) const
{
    if (!m_touched[question - 1]) {
        return QStringLiteral("X");
    }
    const int minute = m_answers[question - 1];
    return minute > 0 ? u' ' + QString::number(minute) : QString();
}

QString ScoreSheet::totalText() const
{
    return QString::number(total());
}

QStringList ScoreSheet::allTotals()
{
    // Every answer's points are a multiple of the last minute's, and any
    // multiple of them up to a full sheet can be made.
    QStringList totals;
    for (int total = 0; total <= QuestionCount * pointsFor(1); total += pointsFor(MaxMinute)) {
        totals << QString::number(total);
    }
    return totals;
}
