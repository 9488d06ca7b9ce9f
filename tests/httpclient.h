// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <poll.h>
#include <unistd.h>

// A plain HTTP client over a POSIX socket that sends exactly the bytes it is
// given, for tests and benchmarks that play browsers, good and bad.
class HttpClient
{
public:
    // from: any of 127/8 is the loopback; receiveBuffer: small for a reader that falls behind.
    explicit HttpClient(quint16 port, const char *from = "127.0.0.1", int receiveBuffer = 0)
        : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        if (receiveBuffer > 0) {
            setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        }
        sockaddr_in local{AF_INET, 0, {inet_addr(from)}, {}};
        sockaddr_in server{AF_INET, htons(port), {htonl(INADDR_LOOPBACK)}, {}};
        bind(m_fd, reinterpret_cast<sockaddr *>(&local), sizeof local);
        ::connect(m_fd, reinterpret_cast<sockaddr *>(&server), sizeof server);
    }
    ~HttpClient() { close(m_fd); }

    void send(QByteArrayView bytes) { ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    // Reads until what it has holds `until`, the peer closes, ms pass or it has `limit` bytes.
    bool readUntil(QByteArrayView until, int ms, qsizetype limit = 1 << 24)
    {
        QElapsedTimer clock;
        clock.start();
        pollfd ready{m_fd, POLLIN, 0};
        while ((until.isEmpty() || !m_received.contains(until)) && !m_closed &&
               m_received.size() < limit &&
               poll(&ready, 1, static_cast<int>(std::max<qint64>(ms - clock.elapsed(), 0))) > 0) {
            char buffer[4096];
            const auto size = recv(
                m_fd, buffer, std::min<qsizetype>(sizeof buffer, limit - m_received.size()), 0);
            m_closed = size <= 0;
            m_received.append(buffer, std::max<qsizetype>(size, 0));
        }
        return !until.isEmpty() && m_received.contains(until);
    }
    bool waitClosed(int ms)
    {
        readUntil({}, ms);
        return m_closed;
    }
    // A reset rather than a goodbye, as from a phone that loses the network.
    void abort()
    {
        const linger now{1, 0};
        setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
        close(std::exchange(m_fd, -1));
    }
    const QByteArray &received() const { return m_received; }
    // For a reader of many streams at once: the socket to wait on, and what came so far, handed
    // over.
    int descriptor() const { return m_fd; }
    QByteArray take() { return std::exchange(m_received, {}); }
    int status() const
    {
        return m_received.startsWith("HTTP/1.") ? m_received.mid(9, 3).toInt() : 0;
    }
    // The header lines, each ending in CRLF, for a test to look for "\r\nName: value\r\n".
    QByteArray head() const { return m_received.left(m_received.indexOf("\r\n\r\n") + 2); }
    QByteArray body() const { return m_received.mid(m_received.indexOf("\r\n\r\n") + 4); }
    static QByteArray request(QByteArrayView method, QByteArrayView path)
    {
        return method.toByteArray() + ' ' + path.toByteArray() +
            " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    }

private:
    int m_fd;
    bool m_closed = false;
    QByteArray m_received;
};
