// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/systembeeper.h"

#include <QElapsedTimer>
#include <QTest>

#include <condition_variable>
#include <mutex>

// A sound server the test scripts: it can lack the library, the theme's bell
// or the program's tone, be down, be killed and restarted (a new server that
// the old connection does not reach), or stall every call until resumed. It
// writes what is heard into a log that the platform bell writes into too.
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
    // server at all). steps: what happens, each "action:heard" where heard
    // is what the log gains from it, in order.
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("steps");
    QTest::newRow("the theme's bell") << "up"
                                      << "beep:bell beep:bell";
    QTest::newRow("own tone where the theme has no bell") << "nobell"
                                                          << "beep:tone beep:tone";
    QTest::newRow("platform bell without either") << "nobell notone"
                                                  << "beep:platform";
    QTest::newRow("platform bell without the sound library") << "nolibrary"
                                                             << "beep:platform";
    QTest::newRow("built without a sound server") << "none"
                                                  << "beep:platform";
    QTest::newRow("no server, then one starts") << "down"
                                                << "beep:platform start: beep:bell";
    QTest::newRow("server killed, then restarted")
        << "up"
        << "beep:bell kill: beep:platform restart: beep:bell";
    // The bell rings for the stalled beep when the worker has not played it
    // in time, and at once for a beep after it; the stalled one is not
    // played late when the server comes back.
    QTest::newRow("server stopped mid-period")
        << "up"
        << "beep:bell stall: beep:platform beep:platform resume: beep:bell";
    QTest::newRow("server stopped before the program connects")
        << "stalled"
        << "beep:platform beep:platform resume: beep:bell";
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
    std::unique_ptr<SoundServer> fake;
    if (!conditions.contains(u"none")) {
        fake = std::make_unique<FakeServer>(state);
    }
    auto log = [&state] {
        std::lock_guard lock(state->mutex);
        return state->log;
    };
    auto resume = qScopeGuard([&state] {
        std::lock_guard lock(state->mutex);
        state->stalled = false;
        state->resumed.notify_all();
    });

    SystemBeeper beeper(std::move(fake), [&state] { state->write(QStringLiteral("platform")); });
    beeper.prepare();
    QStringList whole;
    for (const QString &step : steps.split(u' ')) {
        const auto [action, heard] = std::pair(step.section(u':', 0, 0), step.section(u':', 1));
        const auto before = log().size();
        QElapsedTimer beepTook;
        beepTook.start();
        if (action == u"beep") {
            beeper.beep();
            // Whatever the server does, the clock's thread never waits on it.
            QVERIFY2(beepTook.elapsed() < 50, qPrintable(step));
        } else {
            std::lock_guard lock(state->mutex);
            if (action == u"start" || action == u"restart") {
                state->up = true;
                ++state->generation;
            } else if (action == u"kill") {
                state->up = false;
            } else {
                state->stalled = action == u"stall";
                state->resumed.notify_all();
            }
        }
        const QStringList expected = heard.isEmpty() ? QStringList() : heard.split(u',');
        QTRY_COMPARE_WITH_TIMEOUT(log().mid(before), expected, 2000);
        whole << expected;
    }
    // Nothing more came of any step, a wrong second sound for one.
    QTest::qWait(int(SystemBeeper::GiveUpAfter.count()) + 50);
    QCOMPARE(log(), whole);
}

QTEST_GUILESS_MAIN(tst_Beeper)
#include "tst_beeper.moc"
