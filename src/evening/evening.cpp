// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "evening.h"

#include <algorithm>

namespace {
// Each step keeps the evening before and after it (the teams' list is
// shared where it did not change): a few kilobytes a step at 200 teams.
constexpr int UndoLimit = 100;

QDateTime toTheSecond(const QDateTime &when)
{
    QDateTime t = when.toOffsetFromUtc(when.offsetFromUtc());
    return t.addMSecs(-t.time().msec());
}
} // namespace

// One undoable step: the evening before and after it, and the sheet the
// window is to show after undoing and after redoing it (none when the step
// does not concern the window's sheet).
class EveningStep : public QUndoCommand
{
public:
    struct Hand
    {
        bool given = false;
        ScoreSheet sheet;
        QString name;
    };
    EveningStep(Evening *evening, const QString &text, Evening::State before, Evening::State after,
                Hand onUndo, Hand onRedo)
        : QUndoCommand(text)
        , m_evening(evening)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_onUndo(std::move(onUndo))
        , m_onRedo(std::move(onRedo))
    {
    }
    void undo() override { run(m_before, m_onUndo); }
    void redo() override { run(m_after, m_onRedo); }

private:
    void run(const Evening::State &state, const Hand &hand)
    {
        m_evening->apply(state);
        if (hand.given) {
            emit m_evening->sheetHandedBack(hand.sheet, hand.name);
        }
    }
    Evening *m_evening;
    Evening::State m_before;
    Evening::State m_after;
    Hand m_onUndo;
    Hand m_onRedo;
};

Evening::Evening(QObject *parent)
    : QObject(parent)
{
    m_undo.setUndoLimit(UndoLimit);
}

Evening::~Evening() = default;

qsizetype Evening::indexOf(int number) const
{
    const auto &teams = m_data.teams;
    const auto it = std::lower_bound(teams.begin(), teams.end(), number,
                                     [](const FiledTeam &t, int n) { return t.number < n; });
    return it != teams.end() && it->number == number ? it - teams.begin() : -1;
}

const FiledTeam *Evening::team(int number) const
{
    const qsizetype i = indexOf(number);
    return i < 0 ? nullptr : &m_data.teams[i];
}

bool Evening::isFull() const
{
    return m_reopened == 0 &&
        (m_data.teams.size() >= EveningLimits::MaxTeams ||
         m_data.nextNumber >= EveningLimits::MaxNumber);
}

void Evening::push(const QString &text, const State &after, const ScoreSheet &undoSheet,
                   const QString &undoName, const ScoreSheet &redoSheet, const QString &redoName)
{
    // Pushing redoes it: the change happens here.
    m_undo.push(new EveningStep(this, text, State{m_data, m_reopened}, after,
                                {true, undoSheet, undoName}, {true, redoSheet, redoName}));
}

bool Evening::fileSheet(const ScoreSheet &sheet, const QString &name, const QDateTime &when)
{
    if ((m_reopened == 0 && !isTouched(sheet, name)) || isFull()) {
        return false;
    }
    State after{m_data, 0};
    const FiledTeam team{upcomingNumber(), keptName(name), sheet, toTheSecond(when)};
    if (m_reopened != 0) {
        after.data.teams[indexOf(m_reopened)] = team;
    } else {
        after.data.teams.append(team);
        ++after.data.nextNumber;
    }
    push(tr("File %1").arg(team.displayName()), after, sheet, name, ScoreSheet{}, QString());
    return true;
}

bool Evening::reopenTeam(int number, const ScoreSheet &windowSheet, const QString &windowName)
{
    const FiledTeam *filed = team(number);
    if (!filed || m_reopened != 0 || isTouched(windowSheet, windowName)) {
        return false;
    }
    push(tr("Reopen %1").arg(filed->displayName()), State{m_data, number}, windowSheet, windowName,
         filed->sheet, filed->name);
    return true;
}

bool Evening::renameTeam(int number, const QString &name)
{
    const qsizetype i = indexOf(number);
    const QString kept = keptName(name);
    if (i < 0 || number == m_reopened || m_data.teams[i].name == kept) {
        return false;
    }
    State after{m_data, m_reopened};
    after.data.teams[i].name = kept;
    m_undo.push(new EveningStep(this, tr("Rename %1").arg(m_data.teams[i].displayName()),
                                State{m_data, m_reopened}, after, {}, {}));
    return true;
}

bool Evening::removeTeam(int number)
{
    const qsizetype i = indexOf(number);
    if (i < 0 || number == m_reopened) {
        return false;
    }
    State after{m_data, m_reopened};
    after.data.teams.remove(i);
    m_undo.push(new EveningStep(this, tr("Remove %1").arg(m_data.teams[i].displayName()),
                                State{m_data, m_reopened}, after, {}, {}));
    return true;
}

void Evening::restore(const EveningData &data)
{
    m_undo.clear();
    apply(State{data, 0});
}

void Evening::startNew()
{
    emit startingNew();
    const bool reopened = m_reopened != 0;
    restore(EveningData{});
    // A sheet being corrected belongs to the evening that ended.
    if (reopened) {
        emit sheetHandedBack(ScoreSheet{}, QString());
    }
}

void Evening::apply(const State &state)
{
    m_data = state.data;
    m_reopened = state.reopened;
    QList<FiledTeam> ranked = m_data.teams;
    if (m_reopened != 0) {
        ranked.remove(indexOf(m_reopened));
    }
    m_standings = rankTeams(ranked);
    emit changed();
}
