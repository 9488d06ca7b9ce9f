// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor for the room's view: the least a full-screen window showing the
// readout costs to open and to keep running (bench/notes.md). Its readout is
// laid out and fitted by the view's own code, so that the two cannot drift
// apart.
#include "app/geometry.h"
#include "clock/periodclock.h"
#include "look/colourscheme.h"
#include "look/faces.h"
#include "look/margins.h"
#include "room/paneltext.h"
#include "room/roomlayout.h"
#include "room/roomview.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

class RoomFloor : public QWidget
{
public:
    RoomFloor()
    {
        setWindowTitle(QStringLiteral("Vornaxi Floor: room"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, QColor::fromRgb(ColourScheme::Readout.text));
        setPalette(colours);
        m_readout.setAutoFillBackground(true);
        QPalette panel = m_readout.palette();
        panel.setColor(QPalette::Window, QColor::fromRgb(ColourScheme::Readout.background));
        m_readout.setPalette(panel);
        m_readout.setAlignment(Qt::AlignCenter);
    }

    void setReadout(const QString &text) { m_readout.setText(text); }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const QRect box = roomLayout(size(), false, false).readout;
        m_readout.setGeometry(box);
        m_readout.setFont(fillBox(Faces::bold(Faces::Readout), PeriodClock::allReadouts(),
                                  Margins::inner(box, Margins::Text).size()));
    }

private:
    QLabel m_readout{this};
};

void toggleRoom(std::unique_ptr<RoomFloor> &room, const QWidget &window, const QString &text)
{
    if (room && room->isVisible()) {
        // Destroyed, as the view is, so that closing gives back what the
        // window held: a later opening builds it again.
        room->close();
        room.release()->deleteLater();
        return;
    }
    if (!room) {
        room = std::make_unique<RoomFloor>();
        room->setReadout(text);
    }
    // The screen the view would take, full screen there whatever it is.
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int index =
        chooseRoomScreen(screenGeometries(screens), int(screens.indexOf(window.screen()))).index;
    QScreen *target = index >= 0 ? screens[index] : window.screen();
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
    new QLabel(QStringLiteral("1:00"), &window);

    const QStringList readouts = PeriodClock::allReadouts();
    qsizetype second = 0;
    std::unique_ptr<RoomFloor> room;
    auto *open = new QAction(&window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    window.addAction(open);
    QObject::connect(open, &QAction::triggered, &window,
                     [&] { toggleRoom(room, window, readouts.at(second)); });
    QTimer seconds;
    seconds.setTimerType(Qt::PreciseTimer);
    QObject::connect(&seconds, &QTimer::timeout, &window, [&] {
        second = (second + 1) % readouts.size();
        if (room) {
            room->setReadout(readouts.at(second));
        }
    });
    seconds.start(1000);

    window.show();
    // The keyboard, without a window manager to give it (as the program does).
    window.activateWindow();
    return app.exec();
}
