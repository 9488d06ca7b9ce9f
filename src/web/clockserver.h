// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "room/roomstate.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class ClockServerCore;

// The clock for phones and tablets: a small HTTP server on the hall's network that
// shows, read-only, what the room's view shows. It runs on libmicrohttpd's own
// threads; the window's thread only hands states over and never waits on a socket.
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
    // From the window's thread; cheap: viewers get it at once.
    void publish(const RoomState &state);
    // Event streams open now.
    int viewers() const;
    static constexpr quint16 defaultPort = 28240; // tried first, then the next 19
    static constexpr int portsTried = 20;

    // Seconds a connection may stay silent before it is closed (10 unless set before start()).
    void setIdleTimeout(int seconds);
    // The first port tried (defaultPort unless set before start()).
    void setFirstPort(quint16 port);

signals:
    // Delivered on the object's thread (queued).
    void viewersChanged(int count);

private:
    friend class ClockServerCore;
    QByteArray m_page;
    RoomState m_state;
    QString m_token;
    QString m_error;
    quint16 m_port = 0;
    quint16 m_firstPort = defaultPort;
    int m_idleTimeout = 10;
    std::unique_ptr<ClockServerCore> m_core;
    // Kept by the server's threads, read here without waiting for them.
    std::atomic<int> m_viewers = 0;
    std::atomic<bool> m_countPosted = false;
};
