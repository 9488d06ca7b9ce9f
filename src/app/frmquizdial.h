// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/periodclock.h"
#include "extras/colourscheme.h"
#include "geometry.h"
#include "scoring/scoresheet.h"

#include <QWidget>

#include <array>
#include <memory>

class Beeper;
class ClockServer;
class PhonesWindow;
class QAction;
class QContextMenuEvent;
class QScreen;
class RoomView;
class LineDecoration;
class ResultPrinter;
class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
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
    ~frmQuizdial() override;

    // Starts a stopped period, or stops and resets a running one.
    void TogglePeriod();

    const PeriodClock &periodClock() const { return m_clock; }
    bool isExpanded() const;
    // The room's view while it is shown, else null.
    RoomView *roomView() const { return m_room.get(); }

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
    void createRoomActions();

    void onTick();
    void onSetminuteChanged(int index);
    void onColourChosen(int index);
    void showClock();
    void toggleSize();
    void setClientSize(Geometry::WindowSize size);
    void showOnlyTheClientArea();
    void onEnterClicked();
    void printResults();
    void showToRoom(bool shown);
    void showRoom();
    void shareWithPhones(bool shared);
    void showCodeToRoom();
    void onScreenRemoved(QScreen *gone);

    Beeper &m_beeper;
    ResultPrinter &m_printer;
    // Holds the period's seconds and minuteNo.
    PeriodClock m_clock;
    ScoreSheet m_sheet;
    Geometry::WindowSize m_size = Geometry::WindowSize::Compact;
    int m_colour = ColourScheme::StartIndex;

    // The view for the room while it is shown, and the context menu's
    // entries that show it and the total on it.
    std::unique_ptr<RoomView> m_room;
    QAction *m_roomAction = nullptr;
    QAction *m_totalAction = nullptr;

    // The clock for phones and tablets while it is shared (made anew each
    // time, with a new link), the small window with its link, and the menu's
    // entries that share it and show that window again.
    std::unique_ptr<ClockServer> m_server;
    PhonesWindow *m_phones = nullptr;
    QAction *m_phonesAction = nullptr;
    QAction *m_linkAction = nullptr;

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
