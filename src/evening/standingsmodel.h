// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evening/filedteam.h"

#include <QAbstractTableModel>

class Evening;

// The evening's standings as a table, for every view of them: rank, team,
// total, and how many questions each team answered in minute 1 to 4.
// Editing a team's name renames it on the evening's undo stack.
class StandingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Rank, Team, Total, InMinute1, ColumnCount = InMinute1 + ScoreSheet::MaxMinute };

    explicit StandingsModel(Evening &evening, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The team's number in a row, for reopening or removing it.
    int numberAt(int row) const;

private:
    // The teams' numbers, row by row.
    QList<int> numbers() const;

    Evening &m_evening;
    QList<int> m_numbers;
};
