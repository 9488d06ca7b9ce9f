// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockserver.h"

class ClockServerCore
{
};

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
    m_error = QStringLiteral("Not available yet");
    return false;
}

void ClockServer::stop()
{
    m_core.reset();
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
}

int ClockServer::viewers() const
{
    return 0;
}

void ClockServer::setIdleTimeout(int seconds)
{
    m_idleTimeout = seconds;
}

void ClockServer::setFirstPort(quint16 port)
{
    m_firstPort = port;
}
