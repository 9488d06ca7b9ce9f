// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <optional>

// Holds the desktop's screen saver and screen blanking off while wanted,
// through the freedesktop ScreenSaver service on the session bus. The calls
// never wait: the bus is first connected to on a thread of its own (a bus
// that does not answer stalls only that), and without such a service
// nothing happens, and nothing fails.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit ScreenSaverInhibitor(QString reason, QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void setInhibited(bool inhibited);

private:
    enum class Bus { Unknown, Connecting, Connected, Absent };

    void connectToBus();
    void ask();
    void release();

    QString m_reason;
    Bus m_bus = Bus::Unknown;
    bool m_wanted = false;
    bool m_asking = false;
    std::optional<uint> m_cookie;
};
