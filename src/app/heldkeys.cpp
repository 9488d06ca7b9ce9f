// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// The physical key: its scan code where the window system gives one (the
// same for Shift+1 and 1), else the key.
quint64 keyOf(const QKeyEvent &event)
{
    return event.nativeScanCode() ? event.nativeScanCode()
                                  : (quint64(1) << 32) | quint32(event.key());
}

} // namespace

HeldKeys::HeldKeys(QObject *parent)
    : QObject(parent)
{
    askForDetectableAutoRepeat();
}

bool HeldKeys::isRepeat(const QKeyEvent &event)
{
    const quint64 key = keyOf(event);
    if (event.type() == QEvent::KeyRelease) {
        m_down.remove(key);
        m_releasedAt.insert(key, event.timestamp());
        return false;
    }
    // The key press after its own shortcut override comes at the same time.
    if (auto down = m_down.find(key); down != m_down.end()) {
        if (down->at != event.timestamp()) {
            *down = {event.timestamp(), true};
        }
        return down->repeat;
    }
    const auto released = m_releasedAt.constFind(key);
    const bool repeat = released != m_releasedAt.cend() && *released == event.timestamp();
    m_down.insert(key, {event.timestamp(), repeat});
    return repeat;
}

bool HeldKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationStateChange &&
        QGuiApplication::applicationState() != Qt::ApplicationActive) {
        // A key let go of in another program's window is never seen here.
        m_down.clear();
        return false;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride) ||
        !watched->isWindowType()) {
        return false;
    }
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat() || !isRepeat(*key)) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    QKeyEvent marked(type, key->key(), key->modifiers(), key->nativeScanCode(),
                     key->nativeVirtualKey(), key->nativeModifiers(), key->text(), true,
                     key->count(), key->device());
    marked.setTimestamp(key->timestamp());
    QGuiApplication::sendEvent(watched, &marked);
    key->setAccepted(marked.isAccepted());
    return true;
}
