// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evening/filedteam.h"

#include <QObject>
#include <QUndoStack>

// The quiz night: the sheets of the teams that had their period, one after
// another, and every change to them undoable on undoStack().
//
// The window's sheet stays the window's: "Next team" hands it to fileSheet(),
// and whenever a step (filing, reopening, or their undo and redo) decides what
// the window's sheet is to be, sheetHandedBack() carries it there.
//
// One filed team may be reopened for correcting: it is then out of the
// standings, its sheet in the window, until that is filed again (into its
// old place, with its old number) or the reopening undone. It stays in
// data() as it was filed, so a file written meanwhile loses nothing.
class Evening : public QObject
{
    Q_OBJECT

public:
    explicit Evening(QObject *parent = nullptr);
    ~Evening() override;

    QUndoStack *undoStack() { return &m_undo; }

    // Every filed team in the order of their numbers, a reopened one as it
    // was filed.
    const EveningData &data() const { return m_data; }
    // The filed teams but a reopened one, ranked.
    const QList<Standing> &standings() const { return m_standings; }
    // nullptr when no team has that number.
    const FiledTeam *team(int number) const;
    // The number of the team reopened for correcting, 0 when none is.
    int reopened() const { return m_reopened; }
    // The number the window's sheet gets when it is filed.
    int upcomingNumber() const { return m_reopened != 0 ? m_reopened : m_data.nextNumber; }
    bool isFull() const;

    // "Next team": files the window's sheet and name (a reopened team's into
    // its place), the time it was filed being now. False, and nothing
    // changes, for a sheet no one has touched (unless it is a reopened one)
    // and when the evening is full.
    bool fileSheet(const ScoreSheet &sheet, const QString &name,
                   const QDateTime &when = QDateTime::currentDateTime());
    // Only while the window's sheet is untouched and no other team is
    // reopened; the team's sheet is then handed back.
    bool reopenTeam(int number, const ScoreSheet &windowSheet, const QString &windowName);
    bool renameTeam(int number, const QString &name);
    bool removeTeam(int number);

    // The evening as it was kept (at start-up); nothing to undo.
    void restore(const EveningData &data);
    // "New evening": empty, nothing to undo; a reopened sheet leaves the
    // window. startingNew() first, while data() is still the evening that
    // ends.
    void startNew();

signals:
    // After every change of data() or of which team is reopened.
    void changed();
    void startingNew();
    // The window is to show this sheet and name now.
    void sheetHandedBack(const ScoreSheet &sheet, const QString &name);

private:
    friend class EveningStep;
    struct State
    {
        EveningData data;
        int reopened = 0;
    };
    qsizetype indexOf(int number) const;
    void push(const QString &text, const State &after, const ScoreSheet &undoSheet,
              const QString &undoName, const ScoreSheet &redoSheet, const QString &redoName);
    void apply(const State &state);

    EveningData m_data;
    int m_reopened = 0;
    QList<Standing> m_standings;
    QUndoStack m_undo;
};
