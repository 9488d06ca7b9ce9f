// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/tickschedule.h"
#include "clock/ticktimer.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

class tst_TickSchedule : public QObject
{
    Q_OBJECT

private slots:
    void delays_data();
    void delays();
    void restartForgetsTheOldRun();
    void timerTicksFromAFakeClock();
    void stopFromATickHandler();
};

void tst_TickSchedule::delays_data()
{
    // Each row: when each tick actually fired (ms after start), and the delay
    // the schedule must then ask for until the next tick.
    QTest::addColumn<QList<qint64>>("firedAt");
    QTest::addColumn<QList<qint64>>("delays");

    QTest::newRow("on time") << QList<qint64>{1000, 2000, 3000} << QList<qint64>{1000, 1000, 1000};
    QTest::newRow("late ticks do not add up")
        << QList<qint64>{1003, 2007, 3001} << QList<qint64>{997, 993, 999};
    QTest::newRow("a stall is made up back to back")
        << QList<qint64>{1000, 2000, 5500, 5501, 5502} << QList<qint64>{1000, 1000, 0, 0, 498};
    QTest::newRow("a tick a hair early waits the rest")
        << QList<qint64>{999} << QList<qint64>{1001};
}

void tst_TickSchedule::delays()
{
    QFETCH(QList<qint64>, firedAt);
    QFETCH(QList<qint64>, delays);

    const nanoseconds t0 = 123456789ns; // any point of the monotonic clock
    TickSchedule schedule(1000ms);
    schedule.start(t0);
    QCOMPARE(schedule.delayUntilNext(t0), 1000ms);
    for (int i = 0; i < firedAt.size(); ++i) {
        schedule.tickDone();
        QCOMPARE(schedule.delayUntilNext(t0 + milliseconds(firedAt[i])).count(), delays[i]);
    }
}

void tst_TickSchedule::restartForgetsTheOldRun()
{
    TickSchedule schedule(1000ms);
    schedule.start(0ns);
    for (int i = 0; i < 7; ++i) {
        schedule.tickDone();
    }
    schedule.start(7300ms);
    QCOMPARE(schedule.ticksDone(), 0);
    QCOMPARE(schedule.nextDeadline(), 8300ms);
    // Part of a millisecond left still waits a whole one: never early.
    QCOMPARE(schedule.delayUntilNext(8299ms + 400us), 1ms);
}

void tst_TickSchedule::timerTicksFromAFakeClock()
{
    // The clock reads 0 when the run starts and 3.5 hours ever after: ticks 1
    // to 3 are overdue and come back to back, tick 4 waits for its deadline,
    // half an hour of real time away, so whatever fires now is a fault.
    int reads = 0;
    TickTimer timer(1h, nullptr, [&] { return reads++ == 0 ? 0ns : nanoseconds(3h + 30min); });
    QSignalSpy ticks(&timer, &TickTimer::ticked);
    timer.start();
    QVERIFY(timer.isActive());
    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 3, 2000);
    QCoreApplication::processEvents();
    QCOMPARE(ticks.size(), 3);
    QCOMPARE(timer.schedule().ticksDone(), 3);
    QCOMPARE(timer.schedule().nextDeadline(), 4h);
}

void tst_TickSchedule::stopFromATickHandler()
{
    // Every tick is overdue, so only a real stop keeps the third from coming.
    int reads = 0;
    TickTimer timer(1000ms, nullptr, [&] { return reads++ == 0 ? 0ns : nanoseconds(60s); });
    int count = 0;
    connect(&timer, &TickTimer::ticked, &timer, [&] {
        if (++count == 2) {
            timer.stop();
        }
    });
    timer.start();
    QTRY_COMPARE_WITH_TIMEOUT(count, 2, 2000);
    // An overdue tick would be due at once: one more pass of the loop shows it.
    QCoreApplication::processEvents();
    QCOMPARE(count, 2);
    QVERIFY(!timer.isActive());
}

QTEST_GUILESS_MAIN(tst_TickSchedule)
#include "tst_tickschedule.moc"
