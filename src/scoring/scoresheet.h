// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <array>

// The score sheet of one period: for each of twelve questions the minute it
// was answered in (1 to 4, 0 for not answered), and the points they make.
class ScoreSheet
{
public:
    static constexpr int QuestionCount = 12;
    static constexpr int MaxMinute = 4;

    // 16, 12, 8 or 4 points for an answer in minute 1 to 4; none otherwise.
    static int pointsFor(int minute);

    // question is 1 to 12.
    void setAnswer(int question, int minute);
    int answer(int question) const;

    // Summed afresh from all twelve answers, never kept as a running total.
    int total() const;

    // Beside the slider: "X" until first set, then a space and the minute,
    // or nothing for "not answered".
    QString minuteText(int question) const;
    QString totalText() const;
    // Every total a sheet can reach, as totalText() shows it.
    static QStringList allTotals();

private:
    std::array<int, QuestionCount> m_answers{};
    std::array<bool, QuestionCount> m_touched{};
};
