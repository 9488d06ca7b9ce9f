// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screensaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QThread>

#include <memory>

namespace {

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QString reason, QObject *parent)
    : QObject(parent)
    , m_reason(std::move(reason))
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
}

void ScreenSaverInhibitor::setInhibited(bool inhibited)
{
    m_wanted = inhibited;
    if (!inhibited) {
        release();
        return;
    }
    if (m_cookie || m_asking) {
        return;
    }
    switch (m_bus) {
    case Bus::Unknown:
        connectToBus();
        break;
    case Bus::Connected:
        ask();
        break;
    case Bus::Connecting:
    case Bus::Absent:
        break;
    }
}

void ScreenSaverInhibitor::connectToBus()
{
    // The first use of the session bus connects to it and waits until it
    // answers; later uses find the connection made.
    m_bus = Bus::Connecting;
    auto connected = std::make_shared<bool>(false);
    QThread *connecting =
        QThread::create([connected] { *connected = QDBusConnection::sessionBus().isConnected(); });
    // Dropped if the inhibitor goes first; a thread still waiting for the
    // bus when the program ends is left behind.
    connect(connecting, &QThread::finished, this, [this, connected] {
        m_bus = *connected ? Bus::Connected : Bus::Absent;
        setInhibited(m_wanted);
    });
    connect(connecting, &QThread::finished, connecting, &QObject::deleteLater);
    connecting->start();
    if (!connecting->isRunning() && !connecting->isFinished()) {
        delete connecting;
        m_bus = Bus::Absent;
    }
}

void ScreenSaverInhibitor::ask()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage inhibit = call(QStringLiteral("Inhibit"));
    inhibit << QCoreApplication::applicationName() << m_reason;
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        m_asking = false;
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            return;
        }
        m_cookie = reply.value();
        // Let go of at once if no longer wanted while the answer was on its way.
        if (!m_wanted) {
            release();
        }
    });
}

void ScreenSaverInhibitor::release()
{
    if (!m_cookie) {
        return;
    }
    QDBusMessage uninhibit = call(QStringLiteral("UnInhibit"));
    uninhibit << *m_cookie;
    m_cookie.reset();
    QDBusConnection::sessionBus().send(uninhibit);
}
