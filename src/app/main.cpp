// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audience/audience.h"
#include "frmquizdial.h"
#include "heldkeys.h"
#include "language.h"
#include "printing/resultprinter.h"
#include "sound/systembeeper.h"
#include "sound/tonefile.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name settings, the sound server and the session know the program
    // by: the same in every language.
    QApplication::setApplicationName(QStringLiteral("Vornaxi Timer")); // not translated
    QApplication::setApplicationVersion(QStringLiteral(VORNAXI_VERSION));
    // The installed desktop file's name without ".desktop" (set in
    // packaging/CMakeLists.txt): Wayland ties the window to it by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORNAXI_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Before the window is made: its texts are translated as it is built.
    const Language language(QLocale::system().uiLanguages());
    // For every window: a key held on any of them acts once.
    HeldKeys heldKeys;
    app.installEventFilter(&heldKeys);

    // Here, once: the sound threads must not ask the application themselves.
    const QByteArray tone = toneFile();
    SystemBeeper beeper(systemSoundServer(QStringLiteral(VORNAXI_APP_ID), tone),
                        systemSoundCard(tone), &QApplication::beep);
    SystemResultPrinter printer;
    frmQuizdial window(beeper, printer);
    // What the hall sees; gone before the window.
    Audience audience(window);
    window.showTo(audience);
    window.show();
    // On X11 without a window manager to activate a new window (a kiosk, a
    // bare X server) the keyboard would reach it only under the mouse pointer,
    // and the focus would not be on Start.
    if (QApplication::platformName() == QLatin1String("xcb")) {
        window.activateWindow();
    }
    // Once the window is up, in the background: start-up never waits for
    // the sound server or the sound card.
    QTimer::singleShot(0, &window, [&beeper] { beeper.prepare(); });
    return app.exec();
}
