// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/scoresheet.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// One team's sheet as it was filed into the evening.
struct FiledTeam
{
    // Its place in the evening, given when it was first filed and kept
    // through renaming, reopening and filing again: the N of "Team N" and the
    // order among teams of equal total.
    int number = 0;
    // As typed (control characters made spaces, at most MaxNameLength); may
    // be empty.
    QString name;
    ScoreSheet sheet;
    // With its offset from UTC, to the second.
    QDateTime filed;

    // The name, or "Team N" when none was typed.
    QString displayName() const;
    int total() const { return sheet.total(); }
};

// The whole evening: every filed team in the order of their numbers, and the
// number the next new team gets.
struct EveningData
{
    QList<FiledTeam> teams;
    int nextNumber = 1;
};

// A row of the standings.
struct Standing
{
    int rank = 0;
    int number = 0;
    QString team;
    int total = 0;
    // How many questions were answered in minute 1 to 4.
    std::array<int, ScoreSheet::MaxMinute> perMinute{};
};

namespace EveningLimits {
// Longer names are cut; the file refuses longer ones. A team's name, not a
// paragraph: and 200 teams of the longest names in three-byte characters stay
// within 100 KB of file.
constexpr int MaxNameLength = 100;
// Far beyond any quiz night, and what keeps the file well under
// MaxFileBytes with the longest names.
constexpr int MaxTeams = 500;
constexpr qint64 MaxFileBytes = qint64(1024) * 1024;
// Numbers of removed teams are not given again; this keeps them far from
// overflowing.
constexpr int MaxNumber = 1'000'000;
} // namespace EveningLimits

// A name as the evening keeps it: control characters (a pasted line break
// or tab) become spaces, and it is cut to MaxNameLength.
QString keptName(const QString &typed);

// Ranked by total, highest first; equal totals share a rank (1, 2, 2, 4) and
// keep the order of the teams' numbers.
QList<Standing> rankTeams(const QList<FiledTeam> &teams);

// Whether anyone has set a slider or typed a name on the sheet.
bool isTouched(const ScoreSheet &sheet, const QString &name);
