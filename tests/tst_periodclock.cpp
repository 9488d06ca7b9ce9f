// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/periodclock.h"

#include <QTest>

class tst_PeriodClock : public QObject
{
    Q_OBJECT

private slots:
    void wholePeriodTickByTick();
    void readoutFormat_data();
    void readoutFormat();
    void toggleSequences_data();
    void toggleSequences();
    void tickWhileStoppedDoesNothing();
};

void tst_PeriodClock::wholePeriodTickByTick()
{
    QList<int> beepsAt; // tick numbers, -1 for the start click
    int tickNo = -1;
    PeriodClock clock([&] { beepsAt << tickNo; });

    clock.togglePeriod();
    QVERIFY(clock.isRunning());
    QCOMPARE(clock.readout(), QStringLiteral(" 1:00"));
    QCOMPARE(clock.minuteDigit(), QStringLiteral("1"));
    QCOMPARE(clock.startCaption(), QStringLiteral("Stop/Reset"));
    QVERIFY(!clock.isStopSignShown());
    QVERIFY(clock.isMinuteDigitShown());

    for (tickNo = 1; tickNo < 240; ++tickNo) {
        clock.tick();
        const int minute = 1 + tickNo / 60;
        const QString expected = QString::asprintf(" %d:%02d", minute, tickNo % 60);
        QVERIFY2(clock.readout() == expected,
                 qPrintable(QStringLiteral("tick %1: %2").arg(tickNo).arg(clock.readout())));
        QCOMPARE(clock.minuteDigit(), QString::number(minute));
        QCOMPARE(clock.minuteNo(), minute);
        QCOMPARE(clock.seconds(), tickNo % 60);
        QVERIFY(clock.isRunning());
    }

    clock.tick(); // the 240th: the period is over
    QVERIFY(!clock.isRunning());
    QCOMPARE(clock.readout(), QStringLiteral(" 1:00"));
    QCOMPARE(clock.startCaption(), QStringLiteral("Start"));
    QVERIFY(clock.isStopSignShown());
    QVERIFY(!clock.isMinuteDigitShown());
    QCOMPARE(clock.seconds(), 0);
    QCOMPARE(clock.minuteNo(), 1);
    QCOMPARE(beepsAt, (QList<int>{-1, 60, 120, 180, 240}));
}

void tst_PeriodClock::readoutFormat_data()
{
    QTest::addColumn<int>("minuteNo");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("readout");

    QTest::newRow("start") << 1 << 0 << " 1:00";
    QTest::newRow("one digit seconds get a zero") << 2 << 5 << " 2:05";
    QTest::newRow("last second") << 4 << 59 << " 4:59";
    QTest::newRow("two digit minute has no space") << 10 << 7 << "10:07";
    QTest::newRow("sixty shows as it is") << 3 << 60 << " 3:60";
}

void tst_PeriodClock::readoutFormat()
{
    QFETCH(int, minuteNo);
    QFETCH(int, seconds);
    QFETCH(QString, readout);
    QCOMPARE(PeriodClock::formatReadout(qint16(minuteNo), qint16(seconds)), readout);
}

// A script of 'c' (click) and 't' (tick) steps, then the state it leaves.
void tst_PeriodClock::toggleSequences_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<int>("beeps");

    const QString minutes2and30 = QString(150, u't');
    QTest::newRow("two quick clicks") << "cc" << false << "" << 2;
    QTest::newRow("stop in minute 3") << "c" + minutes2and30 + "c" << false << "" << 4;
    QTest::newRow("restart after a stop in minute 3")
        << "c" + minutes2and30 + "c" + "c" << true << " 1:00" << 5;
    QTest::newRow("restart then three ticks")
        << "c" + minutes2and30 + "cc" + "ttt" << true << " 1:03" << 5;
    QTest::newRow("start again after the period ended")
        << "c" + QString(240, u't') + "c" << true << " 1:00" << 6;
    QTest::newRow("stop at the last second") << "c" + QString(239, u't') + "c" << false << "" << 5;
}

void tst_PeriodClock::toggleSequences()
{
    QFETCH(QString, steps);
    QFETCH(bool, running);
    QFETCH(QString, readout);
    QFETCH(int, beeps);

    int beepCount = 0;
    PeriodClock clock([&] { ++beepCount; });
    for (QChar step : steps) {
        step == u'c' ? clock.togglePeriod() : clock.tick();
    }
    QCOMPARE(clock.isRunning(), running);
    QCOMPARE(clock.readout(), readout);
    QCOMPARE(beepCount, beeps);
    QCOMPARE(clock.isStopSignShown(), !running);
    QCOMPARE(clock.isMinuteDigitShown(), running);
    if (running) {
        QCOMPARE(clock.minuteDigit(), QString::number(clock.minuteNo()));
    }
}

void tst_PeriodClock::tickWhileStoppedDoesNothing()
{
    int beepCount = 0;
    PeriodClock clock([&] { ++beepCount; });
    // At start-up: covered digit "1", empty readout.
    QVERIFY(clock.isMinuteDigitShown());
    QCOMPARE(clock.minuteDigit(), QStringLiteral("1"));
    for (int i = 0; i < 300; ++i) {
        clock.tick();
    }
    QVERIFY(!clock.isRunning());
    QCOMPARE(clock.readout(), QString());
    QCOMPARE(beepCount, 0);
}

QTEST_APPLESS_MAIN(tst_PeriodClock)
#include "tst_periodclock.moc"
