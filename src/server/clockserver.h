// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/serverlimits.h"
#include "state/roomstate.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class ServerCore;

// The clock for phones and tablets: a small HTTP server on the hall's network
// that shows, read-only, what the room's view shows. This object lives on the
// window's thread, and every function of it runs there; it only starts, stops
// and hands states over, and never waits on a socket. The connections are
// ServerCore's, on libmicrohttpd's thread and a hand-out thread of the core's
// (servercore.h maps them); the count of viewers comes from there through a
// callback, and reaches this thread queued.
class ClockServer : public QObject
{
    Q_OBJECT
public:
    // page: the HTML answered at /TOKEN/ (inline <style> and <script> only; their
    // sha256 hashes go into the Content-Security-Policy, computed here from the page).
    explicit ClockServer(QByteArray page, QObject *parent = nullptr);
    ~ClockServer() override; // stops
    // Loads libmicrohttpd on first use; false and errorString() if it or every port fails.
    bool start();
    // Stops listening, closes every connection, joins the server's threads.
    void stop();
    bool isListening() const;
    quint16 port() const;
    // 32 upper-case hex characters, 128 random bits, new at each start().
    QString token() const;
    QString errorString() const;
    // Cheap: viewers get it at once.
    void publish(const RoomState &state);
    // Event streams open now.
    int viewers() const;
    static constexpr quint16 defaultPort = ServerLimits::defaultPort;
    static constexpr int portsTried = ServerLimits::portsTried;

    // Before start(): seconds a connection may stay silent, the first port tried.
    void setIdleTimeout(int seconds);
    void setFirstPort(quint16 port);

signals:
    // Delivered on the object's thread (queued).
    void viewersChanged(int count);

private:
    // On the core's threads, under its lock.
    void countViewers(int count);

    QByteArray m_page;
    RoomState m_state;
    QString m_token;
    QString m_error;
    quint16 m_port = 0;
    quint16 m_firstPort = defaultPort;
    int m_idleTimeout = ServerLimits::idleTimeoutSeconds;
    std::unique_ptr<ServerCore> m_core;
    // Written by the core's threads through countViewers(), read here without waiting.
    std::atomic<int> m_viewers = 0;
    std::atomic<bool> m_countPosted = false;
};
