// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "systembeeper.h"
#include "beeproute.h"

#include <QTimer>

#include <condition_variable>
#include <mutex>
#include <utility>

// What the GUI thread and the worker share. The thread holds it too, so that
// a worker stalled by its server can be left behind when the program ends.
// Beeps are numbered from 1; 0 is none.
struct SystemBeeper::Worker
{
    std::mutex mutex;
    std::condition_variable wake;
    std::unique_ptr<SoundServer> server;
    std::uint32_t last = 0; // the last beep asked for
    std::uint32_t pending = 0; // asked for, not yet taken by the worker
    std::uint32_t current = 0; // taken: the worker is at the server with it
    std::uint32_t rung = 0; // the last beep the platform bell rang for
    bool quit = false;
    bool finished = false;
    // The platform bell, on the GUI thread; null once the beeper is gone.
    QObject *context = nullptr;
    Bell bell;

    void run();
};

void SystemBeeper::Worker::run()
{
    BeepRoute route(*server);
    // Not once the bell has rung for it: too late, it would sound twice.
    const auto stillWanted = [this] {
        std::lock_guard lock(mutex);
        return rung < current;
    };
    route.prepare();
    for (;;) {
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return quit || pending; });
            if (quit) {
                break;
            }
            current = std::exchange(pending, 0);
        }
        const bool heard = route.play(stillWanted).has_value();
        std::lock_guard lock(mutex);
        if (!heard && rung < current && context) {
            QMetaObject::invokeMethod(context, bell, Qt::QueuedConnection);
        }
        current = 0;
    }
    server->disconnect();
    std::lock_guard lock(mutex);
    finished = true;
    wake.notify_all();
}

SystemBeeper::SystemBeeper(std::unique_ptr<SoundServer> server, Bell bell)
    : m_bell(std::move(bell))
    , m_server(std::move(server))
{
}

SystemBeeper::~SystemBeeper()
{
    if (!m_worker) {
        return;
    }
    bool finished;
    {
        std::unique_lock lock(m_worker->mutex);
        m_worker->quit = true;
        m_worker->context = nullptr;
        m_worker->wake.notify_all();
        finished =
            m_worker->wake.wait_for(lock, GiveUpAfter, [this] { return m_worker->finished; });
    }
    // A worker stalled by its server is left to the end of the process.
    if (finished) {
        m_thread.join();
    } else {
        m_thread.detach();
    }
}

void SystemBeeper::prepare()
{
    if (m_worker || !m_server) {
        return;
    }
    m_worker = std::make_shared<Worker>();
    m_worker->server = std::move(m_server);
    m_worker->context = &m_context;
    m_worker->bell = m_bell;
    m_thread = std::thread([worker = m_worker] { worker->run(); });
}

void SystemBeeper::beep()
{
    prepare();
    if (!m_worker) {
        m_bell();
        return;
    }
    std::uint32_t id = 0;
    {
        std::lock_guard lock(m_worker->mutex);
        // A worker that has not yet taken the beep before (stalled by its
        // server) will not play this one in time. One still at the server
        // with the beep before may, once it is back.
        if (!m_worker->pending) {
            id = m_worker->pending = ++m_worker->last;
            m_worker->wake.notify_all();
        }
    }
    if (!id) {
        m_bell();
        return;
    }
    QTimer::singleShot(GiveUpAfter, &m_context, [this, id] { giveUp(id); });
}

void SystemBeeper::giveUp(std::uint32_t id)
{
    {
        std::lock_guard lock(m_worker->mutex);
        if (m_worker->pending == id) {
            m_worker->pending = 0;
        } else if (m_worker->current != id) {
            return; // played, or the bell has rung
        }
        m_worker->rung = id;
    }
    m_bell();
}
