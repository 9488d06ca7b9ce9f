// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/scoresheet.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <utility>

class Audience;
class Evening;
class QAction;
class QDialog;
class QPushButton;
class QTableView;
class QWidget;
class ResultPrinter;
class StandingsModel;
class frmQuizdial;

// The moderator's side of the evening: "Next team", undo and redo, the
// standings window, and "New evening", as entries of the window's menu.
//
// Undo and redo are off while the window's sheet is in progress: touched,
// and changed since a step handed it to the window. Undoing a filing would
// put the filed sheet over it.
class EveningDesk : public QObject
{
    Q_OBJECT

public:
    // Before the window's showTo(): the entries go to the audience's windows too.
    EveningDesk(frmQuizdial &window, Evening &evening, ResultPrinter &printer);
    ~EveningDesk() override;

    // The evening's standings go to the hall from now on, whenever they change.
    void showTo(Audience &audience);

    // Files the window's sheet, and the window starts the next one. Only while
    // the clock is stopped, and not for a sheet no one has touched.
    void nextTeam();
    // The standings window, made on first use; non-modal, over the window.
    QDialog *standings();

    // Asks where to save the standings as CSV; empty when cancelled. Tests
    // put an answer here in place of the file dialog.
    std::function<QString(QWidget *parent)> askCsvFileName;

private:
    QAction *addEntry(QAction *action, const QKeySequence &keys);
    void makeStandings();
    void updateEntries();
    int selectedNumber() const;
    bool isAsHandedBack() const;
    void saveCsv();

    frmQuizdial &m_window;
    Evening &m_evening;
    ResultPrinter &m_printer;
    // The sheet and name the last step put in the window.
    std::optional<std::pair<ScoreSheet, QString>> m_handedBack;
    QAction *m_next = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QPointer<QDialog> m_standings;
    StandingsModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_reopen = nullptr;
};
