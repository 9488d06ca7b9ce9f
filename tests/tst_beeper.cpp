// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/beeper.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

class tst_Beeper : public QObject
{
    Q_OBJECT

private slots:
    void route_data();
    void route();
    void platformBellLoadsNoSoundLibrary();
    void eventSoundWithoutASoundServer();
};

void tst_Beeper::route_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("bell");
    QTest::newRow("X11") << "xcb" << true;
    QTest::newRow("Windows") << "windows" << true;
    QTest::newRow("macOS") << "cocoa" << true;
    QTest::newRow("Wayland") << "wayland" << false;
    QTest::newRow("Wayland with EGL") << "wayland-egl" << false;
    QTest::newRow("framebuffer") << "linuxfb" << false;
    QTest::newRow("no name") << "" << false;
}

void tst_Beeper::route()
{
    QFETCH(QString, platform);
    QFETCH(bool, bell);
    QCOMPARE(SystemBeeper::routeFor(platform) == SystemBeeper::Route::PlatformBell, bell);
}

void tst_Beeper::platformBellLoadsNoSoundLibrary()
{
    // Runs before any event-sound beeper exists in this process.
    SystemBeeper beeper(SystemBeeper::Route::PlatformBell);
    QVERIFY(!beeper.hasEventSound());
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("libcanberra"));
}

void tst_Beeper::eventSoundWithoutASoundServer()
{
    // A machine without sound (like this test's) must neither block the clock
    // nor crash it: a beep returns at once.
    SystemBeeper beeper(SystemBeeper::Route::EventSound);
    QCOMPARE(beeper.route(), SystemBeeper::Route::EventSound);
    // libcanberra is installed wherever the program is built.
    QVERIFY(beeper.hasEventSound());
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 5; ++i) {
        beeper.beep();
    }
    QVERIFY2(elapsed.elapsed() < 500, qPrintable(QString::number(elapsed.elapsed())));
}

QTEST_MAIN(tst_Beeper)
#include "tst_beeper.moc"
