// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

class QKeyEvent;

// Marks every press of a key held down, after its first, as an auto-repeat
// (QKeyEvent::isAutoRepeat), however the window system sends it, so that a
// key that acts does so once however long it is held. Qt marks a repeat
// itself only where the window system says so: X sends each repeat as a
// release and a press of the same time, which Qt's xcb plug-in marks only
// when the press is already queued behind the release. So the X server is
// asked for repeats without the releases, and a press of a key that is
// already down, or one of the same time as the key's release, is a repeat.
//
// Installed on the application, it takes each key event where the window
// system delivers it, to a window, before any widget has it; a repeat not
// marked goes on marked. A repeat's shortcut override is taken, so that no
// shortcut fires for it, and the repeat goes on as a key press.
class HeldKeys final : public QObject
{
public:
    explicit HeldKeys(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Down
    {
        quint64 at; // the time of the press that put it down, or of its last repeat
        bool repeat;
    };
    bool isRepeat(const QKeyEvent &event);

    QHash<quint64, Down> m_down;
    QHash<quint64, quint64> m_releasedAt;
};

// Asks the X server, where the program runs on one, to send a held key's
// repeats as presses alone (XKB's detectable auto-repeat); false where it
// does not run on X or the server cannot.
bool askForDetectableAutoRepeat();
