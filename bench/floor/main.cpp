// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor for start-up time and memory: the least a Qt Widgets program
// with one titled window costs, measured the same way as the real program.
// With the argument "text" the window also shows one line of text: the
// price of the font machinery alone, which the bare floor never loads.
// With "room", Ctrl+R opens and closes a second window, full screen on the
// largest other screen, that shows one line of text: the least a window for
// the room costs to show, against which the program's view is timed.
#include "app/geometry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

// Built when first asked for, as the program's view is.
void toggleRoom(std::unique_ptr<QWidget> &room, const QWidget &window)
{
    if (room && room->isVisible()) {
        room->close();
        return;
    }
    if (!room) {
        room = std::make_unique<QWidget>();
        room->setWindowTitle(QStringLiteral("Vornaxi Floor: room"));
        room->setAttribute(Qt::WA_ShowWithoutActivating);
        auto *layout = new QVBoxLayout(room.get());
        auto *line = new QLabel(QStringLiteral("1:00"), room.get());
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    QScreen *target = nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QSize size = screen->size();
        if (screen != window.screen() &&
            (!target ||
             size.width() * size.height() > target->size().width() * target->size().height())) {
            target = screen;
        }
    }
    if (!target) {
        target = window.screen();
    }
    room->setScreen(target);
    // No window manager fills the screen: the window is given its geometry.
    room->setGeometry(target->geometry());
    room->setWindowState(Qt::WindowFullScreen);
    room->show();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vornaxi Floor"));
    // The compact window's size, so both map the same number of pixels.
    window.resize(Geometry::clientSize(Geometry::WindowSize::Compact));
    const bool room = argc > 1 && std::strcmp(argv[1], "room") == 0;
    if (argc > 1 && (room || std::strcmp(argv[1], "text") == 0)) {
        new QLabel(QStringLiteral("1:00"), &window);
    }
    std::unique_ptr<QWidget> roomWindow;
    if (room) {
        auto *open = new QAction(&window);
        open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
        window.addAction(open);
        QObject::connect(open, &QAction::triggered, &window,
                         [&roomWindow, &window] { toggleRoom(roomWindow, window); });
    }
    window.show();
    if (room) {
        // The keyboard, without a window manager to give it (as the program does).
        window.activateWindow();
    }
    return app.exec();
}
