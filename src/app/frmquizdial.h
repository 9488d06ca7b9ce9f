// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/periodclock.h"
#include "geometry.h"
#include "look/colourscheme.h"
#include "scoring/scoresheet.h"
#include "state/roomstate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <array>

class Audience;
class Beeper;
class QAction;
class QContextMenuEvent;
class LineDecoration;
class ResultPrinter;
class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QRadioButton;
class ShapeDecoration;
class StopSignPanel;
class TickTimer;

// The program's one window: the clock panel, the colour buttons and, in the
// expanded size, the score sheet. It owns the controls and hands their events
// to the clock and scoring logic.
class frmQuizdial : public QWidget
{
    Q_OBJECT

public:
    static constexpr int QuestionCount = ScoreSheet::QuestionCount;

    frmQuizdial(Beeper &beeper, ResultPrinter &printer, QWidget *parent = nullptr);

    // Hands what the hall sees to the audience from now on, puts its entries
    // into the menu, and gives it every action and key of this window.
    void showTo(Audience &audience);

    // Starts a stopped period, or stops and resets a running one.
    void TogglePeriod();

    const PeriodClock &periodClock() const { return m_clock; }
    bool isExpanded() const { return m_size == Geometry::WindowSize::Expanded; }

    // The score sheet and the team's name as the window shows them.
    const ScoreSheet &sheet() const { return m_sheet; }
    QString teamName() const { return txtTeamName->text(); }
    // Shows a sheet and a name the way start-up shows the empty ones: each
    // slider at its answer, the name's box locked and Print Results off
    // until the name is changed. The clock, colour and size stay.
    void showSheet(const ScoreSheet &sheet, const QString &name)
    {
        m_sheet = sheet;
        for (int i = 0; i < QuestionCount; ++i) {
            const QSignalBlocker quiet(setminute[i]);
            setminute[i]->setValue(sheet.answer(i + 1));
            // "X" for a question never set, nothing for one set back to 0.
            minute[i]->setText(sheet.minuteText(i + 1));
        }
        score->setText(sheet.totalText());
        txtTeamName->setText(name);
        txtTeamName->setEnabled(false);
        cmdPrint->setEnabled(false);
        showHall();
    }
    // Entries for the context menu, before showTo(): in it, and their keys
    // work in the window and in every window of the audience.
    void addMenuEntries(const QList<QAction *> &entries)
    {
        m_menu += entries;
        addActions(entries);
    }

signals:
    // What the hall sees changed: the clock, the colour, the name or the total.
    void hallChanged(const RoomState &state);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createClockArea();
    void createColourButtons();
    void createScoreArea();
    void createQuestion(int index);
    void chainTabOrder();
    void startUp();
    void setUpKeyboard();

    void onTick();
    void onSetminuteChanged(int index);
    void onColourChosen(int index);
    void showClock();
    void toggleSize();
    void setClientSize(Geometry::WindowSize size);
    void showOnlyTheClientArea();
    void onEnterClicked();
    void printResults();
    void showHall();

    Beeper &m_beeper;
    ResultPrinter &m_printer;
    // Holds the period's seconds and minuteNo.
    PeriodClock m_clock;
    ScoreSheet m_sheet;
    Geometry::WindowSize m_size = Geometry::WindowSize::Compact;
    int m_colour = ColourScheme::StartIndex;

    // The context menu's entries.
    QList<QAction *> m_menu;

    // Controls, named as on the layout. Arrays are indexed from 0 here;
    // their objectNames carry the index of the layout: "setminute(1)".
    StopSignPanel *Picture5 = nullptr;
    ShapeDecoration *Shape1 = nullptr;
    QLabel *Display = nullptr;
    std::array<LineDecoration *, Geometry::LineCount> Line{};
    QLabel *Label9 = nullptr;
    QPushButton *start = nullptr;
    QPushButton *end = nullptr;
    std::array<QRadioButton *, ColourScheme::Count> Option1{};
    QButtonGroup *colourButtons = nullptr;
    QPushButton *cmdExpand = nullptr;
    QLabel *score = nullptr;
    QPushButton *cmdEnter = nullptr;
    QLineEdit *txtTeamName = nullptr;
    QPushButton *cmdPrint = nullptr;
    std::array<QGroupBox *, QuestionCount> question{};
    std::array<QScrollBar *, QuestionCount> setminute{};
    std::array<QLabel *, QuestionCount> minute{};
    TickTimer *Timer1 = nullptr;
};
