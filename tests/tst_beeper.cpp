// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/systembeeper.h"

#include <QElapsedTimer>
#include <QTest>

#include <condition_variable>
#include <mutex>
#include <thread>

// A sound server the test scripts: it can lack the library, the theme's bell
// or the program's tone, be down, be killed and restarted (a new server that
// the old connection does not reach), or stall every call until resumed; and
// a sound card, busy, slow to fail or stuck opening until resumed. They write
// what is heard into a log that the platform bell writes into too.
struct FakeServerState
{
    std::mutex mutex;
    std::condition_variable resumed;
    bool library = true;
    bool up = true;
    bool themeBell = true;
    bool ownTone = true;
    bool stalled = false;
    int generation = 0;
    int connects = 0; // the times the server was asked
    bool cardBusy = false;
    bool cardStuck = false;
    bool cardSlow = false;
    QStringList log;

    void write(const QString &entry)
    {
        std::lock_guard lock(mutex);
        log << entry;
    }
};

class FakeServer final : public SoundServer
{
public:
    explicit FakeServer(std::shared_ptr<FakeServerState> state)
        : m_state(std::move(state))
    {
    }

    bool connect() override
    {
        auto lock = waitUntilResumed();
        ++m_state->connects;
        m_connection = m_state->library && m_state->up ? m_state->generation : -1;
        return m_connection >= 0;
    }
    void disconnect() override { m_connection = -1; }
    Result cache(Sound sound) override
    {
        auto lock = waitUntilResumed();
        return reached() ? find(sound) : Result::Failed;
    }
    Result play(Sound sound) override
    {
        auto lock = waitUntilResumed();
        if (!reached()) {
            return Result::Failed;
        }
        const auto result = find(sound);
        if (result == Result::Done) {
            m_state->log << (sound == Sound::ThemeBell ? "bell" : "tone");
        }
        return result;
    }

private:
    std::unique_lock<std::mutex> waitUntilResumed()
    {
        std::unique_lock lock(m_state->mutex);
        m_state->resumed.wait(lock, [this] { return !m_state->stalled; });
        return lock;
    }
    bool reached() const
    {
        return m_connection >= 0 && m_state->up && m_connection == m_state->generation;
    }
    Result find(Sound sound) const
    {
        const bool there = sound == Sound::ThemeBell ? m_state->themeBell : m_state->ownTone;
        return there ? Result::Done : Result::NoSuchSound;
    }

    std::shared_ptr<FakeServerState> m_state;
    int m_connection = -1;
};

class FakeCard final : public SoundCard
{
public:
    explicit FakeCard(std::shared_ptr<FakeServerState> state)
        : m_state(std::move(state))
    {
    }

    bool prepare() override
    {
        if (m_state->cardSlow) {
            std::this_thread::sleep_for(std::chrono::seconds(2));
        }
        std::lock_guard lock(m_state->mutex);
        return !m_state->cardBusy && !m_state->cardSlow;
    }
    bool play(const std::function<bool()> &wanted) override
    {
        {
            std::unique_lock lock(m_state->mutex);
            m_state->resumed.wait(lock, [this] { return !m_state->cardStuck; });
        }
        if (!prepare()) {
            return false;
        }
        if (!wanted()) {
            return false;
        }
        m_state->write(QStringLiteral("card"));
        return true;
    }
    std::chrono::milliseconds carryOn() override { return {}; }

private:
    std::shared_ptr<FakeServerState> m_state;
};

class tst_Beeper : public QObject
{
    Q_OBJECT

private slots:
    void route_data();
    void route();
};

void tst_Beeper::route_data()
{
    // server: how the server starts ("none": the program has no sound
    // server at all), and the card there is (none unless "card", "busycard"
    // until "free", "slowcard" or "stuckcard"). steps: what happens, each
    // "action:heard" where heard is what the log gains from it, in order, at
    // once ("action~heard": only once the beep is given up). "ready" waits
    // for the server to be ready by itself; "idle" waits 3.5 s.
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("steps");
    QTest::newRow("the theme's bell") << "up"
                                      << "ready: beep:bell beep:bell";
    QTest::newRow("own tone where the theme has no bell") << "nobell"
                                                          << "ready: beep:tone beep:tone";
    QTest::newRow("platform bell without either") << "nobell notone"
                                                  << "beep:platform";
    QTest::newRow("platform bell without the sound library") << "nolibrary"
                                                             << "beep:platform";
    QTest::newRow("built without a sound server") << "none"
                                                  << "beep:platform";
    QTest::newRow("built without a sound server, the card") << "none card"
                                                            << "beep:card";
    QTest::newRow("no server, then one starts") << "down"
                                                << "beep:platform start: ready: beep:bell";
    // Asked again after 1 s, then 2 s: not every second.
    QTest::newRow("no server: the card, the server asked less and less often")
        << "down card"
        << "beep:card idle: beep:card";
    QTest::newRow("no server, the card busy or missing, then free")
        << "down busycard"
        << "beep:platform free: idle: beep:card";
    // The card takes 2 s to fail, asked at 0 s and 3 s: once found missing,
    // the bell waits neither for it to fail again nor for it to be asked.
    QTest::newRow("no server, the card slow to fail")
        << "down slowcard"
        << "beep~platform idle: beep:platform beep:platform";
    QTest::newRow("no server, the card stuck opening") << "down stuckcard"
                                                       << "beep~platform beep:platform resume:";
    QTest::newRow("server killed, then restarted")
        << "up card"
        << "ready: beep:bell kill: beep:card restart: ready: beep:bell";
    // The bell rings for the stalled beep when the server has not played it
    // in time, and the card plays a beep after it; the stalled one is not
    // played late when the server comes back.
    QTest::newRow("server stopped mid-period")
        << "up card"
        << "ready: beep:bell stall: beep~platform beep:card resume: ready: beep:bell";
    // No beep waits for a connection.
    QTest::newRow("server stopped before the program connects")
        << "stalled card"
        << "beep:card beep:card resume: ready: beep:bell";
}

void tst_Beeper::route()
{
    QFETCH(QString, server);
    QFETCH(QString, steps);
    auto state = std::make_shared<FakeServerState>();
    const QStringList conditions = server.split(u' ');
    state->up = !conditions.contains(u"down");
    state->library = !conditions.contains(u"nolibrary");
    state->themeBell = !conditions.contains(u"nobell");
    state->ownTone = !conditions.contains(u"notone");
    state->stalled = conditions.contains(u"stalled");
    state->cardBusy = conditions.contains(u"busycard");
    state->cardStuck = conditions.contains(u"stuckcard");
    state->cardSlow = conditions.contains(u"slowcard");
    std::unique_ptr<SoundServer> fake;
    if (!conditions.contains(u"none")) {
        fake = std::make_unique<FakeServer>(state);
    }
    std::unique_ptr<SoundCard> card;
    if (server.contains(u"card")) {
        card = std::make_unique<FakeCard>(state);
    }
    auto log = [&state] {
        // A copy of its own: the server's thread appends to the log meanwhile.
        std::lock_guard lock(state->mutex);
        QStringList copy = state->log;
        copy.detach();
        return copy;
    };
    auto asked = [&state] {
        std::lock_guard lock(state->mutex);
        return state->connects;
    };
    auto resume = qScopeGuard([&state] {
        std::lock_guard lock(state->mutex);
        state->stalled = state->cardStuck = false;
        state->resumed.notify_all();
    });

    SystemBeeper beeper(std::move(fake), std::move(card),
                        [&state] { state->write(QStringLiteral("platform")); });
    beeper.prepare();
    QStringList whole;
    for (const QString &step : steps.split(u' ')) {
        const bool late = step.contains(u'~');
        const QString plain = QString(step).replace(u'~', u':');
        const auto [action, heard] = std::pair(plain.section(u':', 0, 0), plain.section(u':', 1));
        const auto before = log().size();
        QElapsedTimer took;
        took.start();
        if (action == u"beep") {
            beeper.beep();
            // Whatever the server does, the clock's thread never waits on it
            // (neither until the server answers nor until the beep is given up).
            QVERIFY2(took.elapsed() < SystemBeeper::GiveUpAfter.count() / 2, qPrintable(step));
        } else if (action == u"ready") {
            QTRY_VERIFY_WITH_TIMEOUT(beeper.serverReady(), 3000);
        } else if (action == u"idle") {
            // From the first try, however late a loaded machine starts it.
            QTRY_VERIFY(asked() > 0);
            const int first = asked();
            QTest::qWait(3500);
            QVERIFY2(asked() - first <= 2, qPrintable(QString::number(asked() - first)));
        } else {
            std::lock_guard lock(state->mutex);
            if (action == u"start" || action == u"restart") {
                state->up = true;
                ++state->generation;
            } else if (action == u"kill") {
                state->up = false;
            } else if (action == u"free") {
                state->cardBusy = false;
            } else {
                state->stalled = action == u"stall";
                state->cardStuck = false;
                state->resumed.notify_all();
            }
        }
        const QStringList expected = heard.isEmpty() ? QStringList() : heard.split(u',');
        while (log().size() < before + expected.size() && took.elapsed() < 2000) {
            QTest::qWait(1);
        }
        const auto at = took.elapsed();
        QCOMPARE(log().mid(before), expected);
        if (action == u"beep") {
            const auto giveUp = SystemBeeper::GiveUpAfter.count();
            QVERIFY2(late ? at >= giveUp : at < giveUp,
                     qPrintable(QStringLiteral("%1 after %2 ms").arg(step).arg(at)));
        }
        whole << expected;
    }
    // Nothing more came of any step, a wrong second sound for one.
    QTest::qWait(int(SystemBeeper::GiveUpAfter.count()) + 50);
    QCOMPARE(log(), whole);
}

QTEST_GUILESS_MAIN(tst_Beeper)
#include "tst_beeper.moc"
