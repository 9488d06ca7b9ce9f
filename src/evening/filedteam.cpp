// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedteam.h"

#include <QCoreApplication>

#include <algorithm>

QString FiledTeam::displayName() const
{
    // Asked for every team at every change: no trimmed copy.
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.isSpace(); })) {
        return QCoreApplication::translate("Evening", "Team %1").arg(number);
    }
    return name;
}

QString keptName(const QString &typed)
{
    QString name = typed.left(EveningLimits::MaxNameLength);
    // A surrogate pair cut in half would not survive UTF-8.
    if (!name.isEmpty() && name.back().isHighSurrogate()) {
        name.chop(1);
    }
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control) {
            c = u' ';
        }
    }
    return name;
}

QList<Standing> rankTeams(const QList<FiledTeam> &teams)
{
    QList<Standing> rows;
    rows.reserve(teams.size());
    for (const FiledTeam &team : teams) {
        Standing row{0, team.number, team.displayName(), team.total(), {}};
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            const int minute = team.sheet.answer(q);
            if (minute >= 1 && minute <= ScoreSheet::MaxMinute) {
                ++row.perMinute[minute - 1];
            }
        }
        rows.append(row);
    }
    // Stable: teams of equal total stay in the order of their numbers.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Standing &a, const Standing &b) { return a.total > b.total; });
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const bool tied = i > 0 && rows[i].total == rows[i - 1].total;
        rows[i].rank = tied ? rows[i - 1].rank : int(i) + 1;
    }
    return rows;
}

bool isTouched(const ScoreSheet &sheet, const QString &name)
{
    if (!name.isEmpty()) {
        return true;
    }
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        // The only trace ScoreSheet keeps of a slider moved back to 0.
        if (sheet.minuteText(q) != QLatin1String("X")) {
            return true;
        }
    }
    return false;
}
