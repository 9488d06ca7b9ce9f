// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standingsmodel.h"

#include "evening/evening.h"

StandingsModel::StandingsModel(Evening &evening, QObject *parent)
    : QAbstractTableModel(parent)
    , m_evening(evening)
{
    connect(&evening, &Evening::changed, this, [this] {
        // A renaming moves no row: the views keep their selection, and the
        // editor that made it closes as it would. Any other step may move
        // any row, since ranks shift with every total.
        const QList<int> rows = numbers();
        if (rows == m_numbers) {
            if (!rows.isEmpty()) {
                emit dataChanged(index(0, 0), index(int(rows.size()) - 1, ColumnCount - 1));
            }
            return;
        }
        beginResetModel();
        m_numbers = rows;
        endResetModel();
    });
    m_numbers = numbers();
}

QList<int> StandingsModel::numbers() const
{
    QList<int> rows;
    for (const Standing &row : m_evening.standings()) {
        rows << row.number;
    }
    return rows;
}

int StandingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_evening.standings().size());
}

int StandingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StandingsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const Standing &row = m_evening.standings()[index.row()];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return column == Team ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::EditRole && column == Team) {
        // The name as typed, empty for a team called by its number.
        return m_evening.team(row.number)->name;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (column) {
    case Rank:
        return row.rank;
    case Team:
        return row.team;
    case Total:
        return row.total;
    default:
        return row.perMinute[column - InMinute1];
    }
}

QVariant StandingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Rank:
        return tr("Rank");
    case Team:
        return tr("Team");
    case Total:
        return tr("Total");
    default:
        //: A column's caption: how many questions a team answered in that minute; keep it short
        return tr("Minute %1").arg(section - InMinute1 + 1);
    }
}

Qt::ItemFlags StandingsModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Team ? flags | Qt::ItemIsEditable : flags;
}

bool StandingsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != Team ||
        !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    return m_evening.renameTeam(numberAt(index.row()), value.toString());
}

int StandingsModel::numberAt(int row) const
{
    return m_evening.standings().value(row).number;
}
