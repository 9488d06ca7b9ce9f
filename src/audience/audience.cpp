// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audience.h"

#include "look/margins.h"
#include "phones/clockpage.h"
#include "phones/linkaddresses.h"
#include "phones/phoneswindow.h"
#include "room/roomlayout.h"
#include "room/roomview.h"
#include "server/clockserver.h"

#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QWidget>

Audience::Audience(QWidget &moderator)
    : m_moderator(moderator)
{
    m_roomAction = new QAction(tr("Show the clock to the room"), this);
    m_roomAction->setObjectName(QStringLiteral("showRoom"));
    m_roomAction->setCheckable(true);
    m_roomAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    //: Menu entry: between periods, the room and the phones show the standings for the stop sign.
    m_standingsAction = new QAction(tr("Show the standings to the room"), this);
    m_standingsAction->setObjectName(QStringLiteral("showStandings"));
    m_standingsAction->setCheckable(true);
    m_standingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_totalAction = new QAction(tr("Show the total to the room"), this);
    m_totalAction->setObjectName(QStringLiteral("showTotal"));
    m_totalAction->setCheckable(true);
    m_totalAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    // Off at every start: the hall sees the clock only once the moderator
    // has decided so.
    m_phonesAction = new QAction(tr("Show the clock on phones and tablets"), this);
    m_phonesAction->setObjectName(QStringLiteral("showPhones"));
    m_phonesAction->setCheckable(true);
    m_phonesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_linkAction = new QAction(tr("The link for phones and tablets…"), this);
    m_linkAction->setObjectName(QStringLiteral("showLink"));
    m_linkAction->setEnabled(false);
    for (QAction *action : {m_roomAction, m_standingsAction, m_totalAction, m_phonesAction}) {
        // A held shortcut toggles once.
        action->setAutoRepeat(false);
    }
    connect(m_roomAction, &QAction::toggled, this, &Audience::showToRoom);
    connect(m_standingsAction, &QAction::toggled, this, &Audience::publish);
    connect(m_totalAction, &QAction::toggled, this, &Audience::publish);
    connect(m_phonesAction, &QAction::toggled, this, &Audience::shareWithPhones);
    connect(m_linkAction, &QAction::triggered, this, [this] {
        if (m_phones) {
            m_phones->show();
            m_phones->raise();
            m_phones->activateWindow();
        }
    });
    // Before the view's own handler (the view is made later), which finds
    // the moderator's window on its new screen.
    connect(qApp, &QGuiApplication::screenRemoved, this, &Audience::onScreenRemoved);
}

Audience::~Audience()
{
    // Every phone's connection closed before the moderator's window goes.
    shareWithPhones(false);
    // A window of the moderator's, which may have gone first.
    delete m_phones.data();
}

QList<QAction *> Audience::menuActions() const
{
    return {m_roomAction, m_standingsAction, m_totalAction, m_phonesAction, m_linkAction};
}

void Audience::carry(const QList<QAction *> &actions)
{
    m_carried = actions;
    if (m_room) {
        m_room->addActions(m_carried);
    }
    if (m_phones) {
        m_phones->addActions(m_carried);
    }
}

void Audience::show(const RoomState &state)
{
    if (state.running && !m_state.running) {
        // Start takes the hall back to the clock in this same hand-over; after
        // the period it sees the stop sign until the moderator asks again.
        const QSignalBlocker once(m_standingsAction);
        m_standingsAction->setChecked(false);
    }
    m_state = state;
    publish();
}

void Audience::showStandings(const QList<RoomStanding> &standings)
{
    m_standings = standings;
    publish();
}

// The room and the phones see what the moderator's window shows, handed over
// in the same pass of the event loop as the window's own change.
void Audience::publish()
{
    m_state.totalShown = m_totalAction->isChecked();
    m_state.standings =
        m_standingsAction->isChecked() && !m_state.running ? m_standings : QList<RoomStanding>();
    if (m_room) {
        m_room->setState(m_state);
    }
    if (m_server && m_server->isListening()) {
        m_server->publish(m_state);
    }
}

void Audience::showToRoom(bool shown)
{
    if (!shown) {
        if (m_room) {
            // Closed, it gives back all it holds (its backing store, glyphs,
            // the screen saver's hold); made anew at the next opening. This
            // may run inside its own close: it goes once back in the loop.
            RoomView *closing = m_room.release();
            closing->close();
            closing->deleteLater();
        }
        return;
    }
    if (!m_room) {
        m_room = std::make_unique<RoomView>(&m_moderator);
        connect(m_room.get(), &RoomView::startPressed, this, &Audience::startPressed);
        connect(m_room.get(), &RoomView::closed, m_roomAction,
                [this] { m_roomAction->setChecked(false); });
        // On Wayland the compositor may activate the view as it maps; the
        // moderator's window asks for the keyboard back, which a compositor
        // may refuse: the view carries the moderator's keys for that case.
        connect(m_room.get(), &RoomView::placed, this, [this] {
            m_moderator.raise();
            m_moderator.activateWindow();
        });
        m_room->addActions(m_carried);
    }
    publish();
    showCodeToRoom();
    m_room->open();
}

void Audience::shareWithPhones(bool shared)
{
    if (!shared) {
        // Every connection closed, and the link dies with the server: the
        // next sharing has a new one.
        m_server.reset();
        if (m_phones) {
            m_phones->hide();
        }
        m_linkAction->setEnabled(false);
        showCodeToRoom();
        return;
    }
    if (m_server) {
        return;
    }
    m_server = std::make_unique<ClockServer>(clockPage());
    if (!m_server->start()) {
        const QString why = m_server->errorString();
        m_server.reset();
        m_phonesAction->setChecked(false);
        auto *box =
            new QMessageBox(QMessageBox::Warning, tr("The clock on phones and tablets"),
                            tr("The clock cannot be shown on phones and tablets: %1").arg(why),
                            QMessageBox::Ok, &m_moderator);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    const bool fresh = !m_phones;
    if (fresh) {
        m_phones = new PhonesWindow(&m_moderator);
        m_phones->addActions(m_carried);
        connect(m_phones, &PhonesWindow::linkChanged, this, &Audience::showCodeToRoom);
    }
    connect(m_server.get(), &ClockServer::viewersChanged, m_phones, &PhonesWindow::setViewers);
    m_phones->setViewers(m_server->viewers());
    m_phones->setLink(linkAddresses(systemInterfaces(), systemDefaultRoute()), m_server->port(),
                      m_server->token());
    m_linkAction->setEnabled(true);
    publish();
    if (fresh) {
        // Beside the moderator's window where it fits, not over it: without a
        // window manager it would open at the screen's corner, on the clock.
        m_phones->adjustSize();
        const QRect beside(m_moderator.frameGeometry().topRight() +
                               QPoint(Margins::BesideWindow, 0),
                           m_phones->frameSize());
        if (m_moderator.screen()->availableGeometry().contains(beside)) {
            m_phones->move(beside.topLeft());
        }
    }
    m_phones->show();
}

// The room's view carries the link too, for the hall to scan off the screen.
void Audience::showCodeToRoom()
{
    if (m_room) {
        m_room->setCode(m_server && m_server->isListening() && m_phones ? m_phones->code()
                                                                        : QImage());
    }
}

// Unplugged from under it (a laptop's lid closed, a docking station taken
// away), the moderator's window goes to a screen that is left, where the view
// does not fill it. Qt alone would put it on the primary screen, where the
// view may cover it.
void Audience::onScreenRemoved(QScreen *gone)
{
    if (m_moderator.screen() != gone) {
        return;
    }
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int room = m_room && m_room->isVisible() ? int(screens.indexOf(m_room->screen())) : -1;
    const int to = chooseRoomScreen(screenGeometries(screens), -1, room).moderator;
    if (to < 0) {
        return;
    }
    const QPoint at = keptOnScreen(m_moderator.frameGeometry(), gone->availableGeometry(),
                                   screens[to]->availableGeometry());
    m_moderator.setScreen(screens[to]);
    m_moderator.move(at);
    m_moderator.raise();
    m_moderator.activateWindow();
}
