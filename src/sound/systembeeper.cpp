// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "systembeeper.h"
#include "beeproute.h"

#include <QTimer>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

using Clock = std::chrono::steady_clock;

namespace {

// One way to sound, served by a thread of its own. A beep is waiting for it
// (pending), being played by it (current), or neither.
struct Lane
{
    std::uint32_t pending = 0;
    std::uint32_t current = 0;
    // Its beep was given up while the thread was at it: stuck until it is back.
    bool stuck = false;
};

} // namespace

// What the GUI thread and the two threads share. The threads hold it too, so
// that a thread stalled by its server or device can be left behind when the
// program ends. Beeps are numbered from 1; 0 is none.
struct SystemBeeper::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::unique_ptr<SoundServer> server;
    std::unique_ptr<SoundCard> card;
    Lane atServer;
    Lane atCard;
    bool serverReady = false; // connected, the sound cached
    // Whether the card answers: not known until its thread has asked it.
    // While it does not, a beep rings the bell at once, never waiting for
    // the device to fail again; its thread asks it again meanwhile.
    std::optional<bool> cardAnswers;
    std::uint32_t last = 0; // the last beep asked for
    std::uint32_t rung = 0; // the last beep the platform bell rang for
    bool quit = false;
    int running = 0; // threads not yet finished
    // The platform bell, on the GUI thread; null once the beeper is gone.
    QObject *context = nullptr;
    Bell bell;

    void serve();
    void playCards();
    // Not once the bell has rung for it: too late, it would sound twice.
    bool wanted(const Lane &lane)
    {
        std::lock_guard lock(mutex);
        return rung < lane.current;
    }
    // A beep the server could not play: to the card, else the bell. The
    // mutex is held.
    void fallBack(std::uint32_t id)
    {
        if (rung >= id) {
            return;
        }
        if (cardFree()) {
            atCard.pending = id;
            wake.notify_all();
        } else {
            ring(id);
        }
    }
    // A beep can go to the card, and not for the bell to wait on.
    bool cardFree() const
    {
        return card && cardAnswers != false && !atCard.pending && !atCard.stuck;
    }
    void ring(std::uint32_t id)
    {
        rung = std::max(rung, id);
        if (context) {
            QMetaObject::invokeMethod(context, bell, Qt::QueuedConnection);
        }
    }
    void finished()
    {
        std::lock_guard lock(mutex);
        --running;
        wake.notify_all();
    }
};

// Connects between beeps, never on a beep's way; a server that does not
// answer is asked again less and less often.
void SystemBeeper::Shared::serve()
{
    BeepRoute route(*server);
    auto retryIn = RetryFirst;
    auto nextTry = Clock::now();
    std::unique_lock lock(mutex);
    while (!quit) {
        if (!serverReady && Clock::now() >= nextTry) {
            lock.unlock();
            const bool ready = route.prepare();
            lock.lock();
            serverReady = ready;
            nextTry = Clock::now() + retryIn;
            retryIn = ready ? RetryFirst : std::min(2 * retryIn, RetryAtMost);
            continue;
        }
        const auto woken = [this] { return quit || atServer.pending; };
        if (serverReady) {
            wake.wait(lock, woken);
        } else {
            wake.wait_until(lock, nextTry, woken);
        }
        if (quit || !atServer.pending) {
            continue; // or time to try again
        }
        atServer.current = std::exchange(atServer.pending, 0);
        lock.unlock();
        const bool heard = route.play([this] { return wanted(atServer); }).has_value();
        lock.lock();
        if (serverReady && !route.ready()) {
            serverReady = false; // lost: asked again after RetryFirst
            nextTry = Clock::now() + RetryFirst;
        }
        if (!heard) {
            fallBack(atServer.current);
        }
        atServer = {};
    }
    lock.unlock();
    server->disconnect();
    finished();
}

// A card that does not answer is asked again between beeps, less and less
// often, as the server is.
void SystemBeeper::Shared::playCards()
{
    auto retryIn = RetryFirst;
    auto nextTry = Clock::now();
    auto carryOn = std::chrono::milliseconds::zero();
    std::unique_lock lock(mutex);
    while (!quit) {
        if (cardAnswers != true && Clock::now() >= nextTry) {
            lock.unlock();
            const bool answers = card->prepare();
            lock.lock();
            cardAnswers = answers;
            atCard.stuck = false;
            nextTry = Clock::now() + retryIn;
            retryIn = answers ? RetryFirst : std::min(2 * retryIn, RetryAtMost);
            continue;
        }
        const auto woken = [this] { return quit || atCard.pending; };
        if (carryOn.count()) {
            wake.wait_for(lock, carryOn, woken);
        } else if (cardAnswers == true) {
            wake.wait(lock, woken);
        } else {
            wake.wait_until(lock, nextTry, woken);
        }
        if (quit) {
            break;
        }
        // A beep handed on before the card was found missing is not tried.
        const auto id = atCard.current = std::exchange(atCard.pending, 0);
        const bool answers = cardAnswers == true;
        lock.unlock();
        const bool heard = id && answers && card->play([this] { return wanted(atCard); });
        carryOn = card->carryOn();
        lock.lock();
        if (id && !heard && answers) {
            // Gone, busy or too slow to play in time: asked again after
            // RetryFirst.
            cardAnswers = false;
            nextTry = Clock::now() + RetryFirst;
            retryIn = 2 * RetryFirst;
        }
        if (id && !heard && rung < id) {
            ring(id);
        }
        atCard = {};
    }
    lock.unlock();
    finished();
}

SystemBeeper::SystemBeeper(std::unique_ptr<SoundServer> server, std::unique_ptr<SoundCard> card,
                           Bell bell)
    : m_bell(std::move(bell))
    , m_server(std::move(server))
    , m_card(std::move(card))
{
}

SystemBeeper::~SystemBeeper()
{
    if (!m_shared) {
        return;
    }
    bool finished;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->quit = true;
        m_shared->context = nullptr;
        m_shared->wake.notify_all();
        finished =
            m_shared->wake.wait_for(lock, GiveUpAfter, [this] { return !m_shared->running; });
    }
    // A thread stalled by its server or device is left to the end of the
    // process.
    for (auto *thread : {&m_serverThread, &m_cardThread}) {
        if (!thread->joinable()) {
            continue;
        }
        if (finished) {
            thread->join();
        } else {
            thread->detach();
        }
    }
}

void SystemBeeper::prepare()
{
    if (m_shared || (!m_server && !m_card)) {
        return;
    }
    m_shared = std::make_shared<Shared>();
    m_shared->server = std::move(m_server);
    m_shared->card = std::move(m_card);
    m_shared->context = &m_context;
    m_shared->bell = m_bell;
    m_shared->running = int(bool(m_shared->server)) + int(bool(m_shared->card));
    // A thread that cannot be started (the system out of threads) leaves
    // that way out; with neither, every beep is the platform bell.
    const auto start = [this](std::thread &thread, void (Shared::*serve)()) {
        try {
            thread = std::thread([shared = m_shared, serve] { (*shared.*serve)(); });
            return true;
        } catch (const std::system_error &) {
            std::lock_guard lock(m_shared->mutex);
            --m_shared->running;
            return false;
        }
    };
    if (m_shared->server && !start(m_serverThread, &Shared::serve)) {
        std::lock_guard lock(m_shared->mutex);
        m_shared->server.reset();
    }
    if (m_shared->card && !start(m_cardThread, &Shared::playCards)) {
        std::lock_guard lock(m_shared->mutex);
        m_shared->card.reset();
    }
}

void SystemBeeper::beep()
{
    prepare();
    if (!m_shared) {
        m_bell();
        return;
    }
    std::uint32_t id = 0;
    {
        std::lock_guard lock(m_shared->mutex);
        auto &shared = *m_shared;
        // The server only when it is ready and has no beep before this one
        // still at it (a stalled server); else the card, unless its thread
        // has not yet taken the beep before or is stuck with one.
        Lane *lane = nullptr;
        if (shared.serverReady && !shared.atServer.pending && !shared.atServer.current) {
            lane = &shared.atServer;
        } else if (shared.cardFree()) {
            lane = &shared.atCard;
        }
        if (lane) {
            id = lane->pending = ++shared.last;
            shared.wake.notify_all();
        }
    }
    if (!id) {
        m_bell();
        return;
    }
    QTimer::singleShot(GiveUpAfter, &m_context, [this, id] { giveUp(id); });
}

bool SystemBeeper::serverReady() const
{
    if (!m_shared) {
        return false;
    }
    std::lock_guard lock(m_shared->mutex);
    return m_shared->serverReady && !m_shared->atServer.pending && !m_shared->atServer.current;
}

void SystemBeeper::giveUp(std::uint32_t id)
{
    {
        std::lock_guard lock(m_shared->mutex);
        bool held = false;
        for (Lane *lane : {&m_shared->atServer, &m_shared->atCard}) {
            if (lane->pending == id) {
                lane->pending = 0;
                held = true;
                if (lane == &m_shared->atCard && !m_shared->cardAnswers) {
                    lane->stuck = true; // the card still first asked: stuck there
                }
            } else if (lane->current == id) {
                lane->stuck = true;
                held = true;
            }
        }
        if (!held) {
            return; // played, or the bell has rung
        }
        m_shared->rung = std::max(m_shared->rung, id);
    }
    m_bell();
}
