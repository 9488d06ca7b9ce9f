// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audience/audience.h"
#include "evening/evening.h"
#include "evening/eveningfile.h"
#include "eveningdesk.h"
#include "frmquizdial.h"
#include "heldkeys.h"
#include "language.h"
#include "printing/resultprinter.h"
#include "sound/systembeeper.h"
#include "sound/tonefile.h"

#include <QApplication>
#include <QMessageBox>
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
    // The evening's teams, kept in a file from one start to the next.
    Evening evening;
    EveningStore store;
    frmQuizdial window(beeper, printer);
    // Each kind of trouble with the file once, over the window once it is up.
    QObject::connect(
        &store, &EveningStore::problem, &window,
        [&window](const QString &message) {
            auto *box = new QMessageBox(QMessageBox::Warning, window.windowTitle(), message,
                                        QMessageBox::Ok, &window);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        },
        Qt::QueuedConnection);
    store.follow(evening);
    // Its menu entries before the audience is given the window's keys.
    EveningDesk desk(window, evening, printer);
    // What the hall sees; gone before the window.
    Audience audience(window);
    window.showTo(audience);
    desk.showTo(audience);
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
    const int code = app.exec();
    // Gone from the screen at once, though the last filing may still be on
    // its way to the disk.
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        shown->hide();
    }
    QApplication::processEvents();
    store.waitForWrites();
    return code;
}
