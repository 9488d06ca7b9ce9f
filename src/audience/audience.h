// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/roomstate.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class ClockServer;
class PhonesWindow;
class QAction;
class QScreen;
class QWidget;
class RoomView;

// Everything the hall sees beside the moderator's window: the room's view,
// the clock on phones and tablets (its server, and the small window that
// hands out the link), the menu entries that show them, and where the
// moderator's window goes when its screen goes away. The window hands it
// what the hall is to see whenever that changes; it reads nothing of the
// window's controls. Made after the moderator's window and gone before it.
class Audience : public QObject
{
    Q_OBJECT

public:
    explicit Audience(QWidget &moderator);
    ~Audience() override;

    // The entries of the moderator's menu, in their order.
    QList<QAction *> menuActions() const;
    // The moderator's actions and keys, every one of them: every window of
    // the audience carries them, so that a window the compositor gives the
    // keyboard to takes none of the moderator's keys away.
    void carry(const QList<QAction *> &actions);
    // What the hall is to see now. The total goes to it only while its
    // entry is checked; the start of a period unchecks the standings' entry.
    void show(const RoomState &state);
    // The evening's standings whenever they change: the hall sees them in
    // the stop sign's place while their entry is checked.
    void showStandings(const QList<RoomStanding> &standings);

    // The room's view while it is shown, else null.
    RoomView *roomView() const { return m_room.get(); }

signals:
    // A key on the room's view pressed Start (what a presenter's clicker sends).
    void startPressed();

private:
    void showToRoom(bool shown);
    void publish();
    void shareWithPhones(bool shared);
    void showCodeToRoom();
    void onScreenRemoved(QScreen *gone);

    QWidget &m_moderator;
    RoomState m_state;
    QList<RoomStanding> m_standings;
    QList<QAction *> m_carried;

    // The view for the room while it is shown.
    std::unique_ptr<RoomView> m_room;
    // The clock for phones and tablets while it is shared (made anew each
    // time, with a new link), and the small window with its link, a window
    // of the moderator's (kept above it), made at the first sharing.
    std::unique_ptr<ClockServer> m_server;
    QPointer<PhonesWindow> m_phones;

    QAction *m_roomAction = nullptr;
    QAction *m_standingsAction = nullptr;
    QAction *m_totalAction = nullptr;
    QAction *m_phonesAction = nullptr;
    QAction *m_linkAction = nullptr;
};
