// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockserver.h"

#include "servercore.h"

#include <QRandomGenerator>

#include <sys/resource.h>

namespace {

// A thousand viewers need more descriptors than the usual soft limit of 1024.
rlim_t raiseFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return 1024;
    }
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    return limit.rlim_cur;
}

QString newToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex().toUpper());
}

} // namespace

ClockServer::ClockServer(QByteArray page, QObject *parent)
    : QObject(parent)
    , m_page(std::move(page))
{
}

ClockServer::~ClockServer()
{
    stop();
}

bool ClockServer::start()
{
    stop();
    QString why;
    const MicroHttpd *api = loadMicroHttpd(&why);
    if (!api) {
        m_error = tr("The web server library could not be loaded: %1").arg(why);
        return false;
    }
    const QString token = newToken();
    auto core = std::make_unique<ServerCore>(*api, m_page, token.toLatin1(), m_state,
                                             [this](int count) { countViewers(count); });
    if (!core->listen(m_firstPort, m_idleTimeout,
                      ServerLimits::connectionLimit(raiseFileLimit()))) {
        m_error = tr("None of the ports %1 to %2 is free.")
                      .arg(m_firstPort)
                      .arg(m_firstPort + portsTried - 1);
        return false;
    }
    m_port = core->port();
    m_token = token;
    m_core = std::move(core);
    m_error.clear();
    return true;
}

// A hall scanning the code at once changes the count a thousand times in a
// second: the window hears of it once per pass of its loop, with the count
// as it is by then. Queued to this object, the call is dropped with it.
void ClockServer::countViewers(int count)
{
    m_viewers = count;
    if (!m_countPosted.exchange(true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_countPosted = false;
                emit viewersChanged(m_viewers);
            },
            Qt::QueuedConnection);
    }
}

void ClockServer::stop()
{
    m_core.reset();
    m_port = 0;
    m_token.clear();
}

bool ClockServer::isListening() const
{
    return m_core != nullptr;
}

quint16 ClockServer::port() const
{
    return m_port;
}

QString ClockServer::token() const
{
    return m_token;
}

QString ClockServer::errorString() const
{
    return m_error;
}

void ClockServer::publish(const RoomState &state)
{
    m_state = state;
    if (m_core) {
        m_core->publish(state);
    }
}

int ClockServer::viewers() const
{
    return m_viewers;
}

void ClockServer::setIdleTimeout(int seconds)
{
    m_idleTimeout = seconds;
}

void ClockServer::setFirstPort(quint16 port)
{
    m_firstPort = port;
}
